#!/usr/bin/env python3
"""Writes an N-times copy of a Tavorn data folder, for measuring the program on large catalogues.

    tools/scale-data.py [--from Data] N OUT

Every catalogue entry (a skill, a species, a profession, an item, ...) appears N times: once as
written and N-1 times more with its name suffixed " x2", " x3", ... The names an entry refers to
(its broad skill, a species' free skills and natural attack, an item's skill subcategory, the
FX a benefit belongs to) are suffixed the same way, so copy k of an entry refers to copy k of
the entries it names and the scaled catalogues stay valid. What is not an entry name stays as
it is: sources, rule sets, equipment categories, attribute codes and numbers. Files that are
not catalogues (changelog.txt, anything else) are copied unchanged.
"""

import argparse
import pathlib
import re
import shutil
import sys

# Attributes that hold an entry's own name or the name of another entry.
NAME_ATTRIBUTES = ("NAME", "Name", "BROADSKILL", "NATURALATTACK", "SUBCATEGORY")
NAME_ATTRIBUTE = re.compile(r'(\s(?:%s)=")([^"]*)(")' % "|".join(NAME_ATTRIBUTES))
NAME_ELEMENT = re.compile(r"(<Name>)([^<]*)(</Name>)")
NUMBER_ID = re.compile(r'(\sID=")(\d+)(")')

# Top-level elements that are not entries and are never copied.
KEPT_ONCE = {"SOURCE", "RULESET"}
# Top-level elements whose children are copied inside the one element instead.
GROUPS = {"CATEGORY"}

TAG = re.compile(r"<(/?)([A-Za-z_][\w.:-]*)[^>]*?(/?)>", re.S)
COMMENT = re.compile(r"<!--.*?-->|<\?.*?\?>|<!\[CDATA\[.*?\]\]>|<![^>]*>", re.S)


def rename(text, copy, id_step):
    """The text of one entry as its copy `copy` (2, 3, ...)."""
    suffix = " x%d" % copy

    def suffixed(match):
        return match.group(1) + match.group(2) + suffix + match.group(3)

    text = NAME_ATTRIBUTE.sub(suffixed, text)
    text = NAME_ELEMENT.sub(suffixed, text)
    if id_step:
        text = NUMBER_ID.sub(
            lambda m: m.group(1) + str(int(m.group(2)) + (copy - 1) * id_step) + m.group(3), text
        )
    return text


def children(text, start, stop):
    """The elements directly inside text[start:stop]: (name, begin, end) each, where the
    span runs from the start tag to the end of its end tag."""
    spans = []
    depth = 0
    pos = start
    begin = name = None
    while pos < stop:
        skipped = COMMENT.match(text, pos)
        if skipped:
            pos = skipped.end()
            continue
        tag = TAG.match(text, pos)
        if not tag:
            pos += 1
            continue
        closing, tag_name, empty = tag.group(1), tag.group(2), tag.group(3)
        if not closing and depth == 0:
            begin, name = pos, tag_name
        if closing:
            depth -= 1
        elif not empty:
            depth += 1
        if depth == 0 and begin is not None:
            spans.append((name, begin, tag.end()))
            begin = None
        pos = tag.end()
    return spans


def line_start(text, pos):
    """The start of the line `pos` stands on, when only blanks precede it there."""
    at = text.rfind("\n", 0, pos) + 1
    return at if text[at:pos].strip() == "" else pos


def element_bounds(text):
    """Where the root element's content starts and stops."""
    pos = 0
    while True:
        skipped = COMMENT.match(text, pos)
        if skipped:
            pos = skipped.end()
            continue
        tag = TAG.match(text, pos)
        if tag:
            break
        pos += 1
        if pos >= len(text):
            return None
    if tag.group(3):
        return None
    end = text.rfind("</")
    return tag.end(), line_start(text, end)


def scale_entries(text, start, stop, copies, id_step):
    """The entries between start and stop, followed by their copies 2..copies."""
    spans = children(text, start, stop)
    copied = [s for s in spans if s[0] not in KEPT_ONCE]
    if not copied:
        return text[start:stop]
    pieces = []
    for name, begin, end in spans:
        if name in GROUPS:
            inner = children(text, begin, end)
            if len(inner) == 1:  # the group itself: copy what it holds
                open_end = text.index(">", begin) + 1
                close = line_start(text, text.rindex("</", begin, end))
                group = text[begin:open_end]
                group += scale_entries(text, open_end, close, copies, 0)
                group += text[close:end]
                pieces.append((begin, end, group))
    out = []
    pos = start
    for begin, end, group in pieces:
        out.append(text[pos:begin])
        out.append(group)
        pos = end
    out.append(text[pos:stop])
    original = "".join(out)
    entries = [
        text[line_start(text, begin) : end] for name, begin, end in copied if name not in GROUPS
    ]
    added = []
    for copy in range(2, copies + 1):
        for entry in entries:
            added.append(rename(entry, copy, id_step))
    if not added:
        return original
    tail = original.rstrip(" \t")
    if not tail.endswith("\n"):
        tail += "\n"
    return tail + "\n".join(added) + "\n" + original[len(original.rstrip(" \t")) :]


def scale_file(text, copies):
    bounds = element_bounds(text)
    if bounds is None:
        return text
    start, stop = bounds
    ids = [int(v) for v in re.findall(r'\sID="(\d+)"', text[start:stop])]
    id_step = max(ids) if ids else 0
    return text[:start] + scale_entries(text, start, stop, copies, id_step) + text[stop:]


def main(argv):
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--from", dest="source", default="Data", help="the data folder to scale")
    parser.add_argument("copies", type=int, help="how many times each entry appears")
    parser.add_argument("out", help="the folder to write (replaced when it exists)")
    args = parser.parse_args(argv)
    if args.copies < 1:
        parser.error("N must be 1 or more")
    source = pathlib.Path(args.source)
    out = pathlib.Path(args.out)
    if not source.is_dir():
        parser.error("%s is not a folder" % source)
    if out.exists():
        shutil.rmtree(out)
    out.mkdir(parents=True)
    for path in sorted(source.iterdir()):
        if path.is_dir():
            shutil.copytree(path, out / path.name)
        elif path.suffix.lower() == ".xml":
            text = path.read_bytes().decode("utf-8")
            (out / path.name).write_bytes(scale_file(text, args.copies).encode("utf-8"))
        else:
            shutil.copy2(path, out / path.name)
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
