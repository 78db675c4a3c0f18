#!/usr/bin/env python3
"""Checks tools/scale-data.py on the bundled catalogues.

    tools/scale-data-test.py SOURCE_DIR [TAVORN_CLI]

A 3x copy must hold every entry three times under unique names, the first copy exactly as
written, every reference of copy k naming an entry of copy k, and well-formed files. With
tavorn-cli given, the program must read the copy without a damaged catalogue, and an example
hero must show the same views on it as on the bundled catalogues apart from the longer lists.
"""

import json
import shutil
import pathlib
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET

root = pathlib.Path(sys.argv[1])
cli = sys.argv[2] if len(sys.argv) > 2 else None
sys.path.insert(0, str(root / "tools"))
scaler = __import__("scale-data")

failures = []


def check(condition, message):
    if not condition:
        failures.append(message)


def entries(tree, tag, attribute="NAME"):
    return [e.get(attribute) for e in tree.iter(tag)]


with tempfile.TemporaryDirectory() as work:
    work = pathlib.Path(work)
    out = work / "Data"
    check(scaler.main(["--from", str(root / "Data"), "3", str(out)]) == 0, "the scaler failed")
    data = root / "Data"
    trees = {}
    for path in sorted(data.glob("*.xml")):
        scaled = out / path.name
        try:
            trees[path.name] = (ET.parse(path), ET.parse(scaled))
        except ET.ParseError as error:
            failures.append("%s is not well-formed: %s" % (scaled, error))
    check((out / "changelog.txt").read_bytes() == (data / "changelog.txt").read_bytes(),
          "changelog.txt was changed")

    # Each catalogue entry three times, names unique, the first copy as written.
    for name, tag in [("skills.xml", "SKILL"), ("psionics.xml", "PSIONIC"),
                      ("perksnflaws.xml", "PERK"), ("perksnflaws.xml", "FLAW"),
                      ("equipment.xml", "EQUIPMENTITEM"), ("cyberware.xml", "CYBERITEM"),
                      ("config.xml", "Profession"), ("config.xml", "Motivation"),
                      ("config.xml", "SUBCATEGORY"), ("fx.xml", "Skill"),
                      ("benefits.xml", "BENEFIT"), ("robots.xml", "UPGRADE")]:
        original, scaled = trees[name]
        before, after = entries(original, tag), entries(scaled, tag)
        check(len(after) == 3 * len(before), "%s %s: %d entries, not 3 x %d"
              % (name, tag, len(after), len(before)))
        if tag != "SUBCATEGORY":  # those are copied inside each category
            check(after[: len(before)] == before, "%s %s: the first copy changed" % (name, tag))
        if tag not in ("SUBCATEGORY", "EQUIPMENTITEM"):
            check(len(set(after)) == len(after), "%s %s: names repeat" % (name, tag))
        check(all(n + " x3" in after for n in before), "%s %s: copy 3 missing" % (name, tag))
    species = [e.findtext("Name") for e in trees["species.xml"][1].iter("SPECIES")]
    check(len(species) == 27 and len(set(species)) == 27, "species: %s" % species)
    ids = [e.get("ID") for e in trees["species.xml"][1].iter("SPECIES")]
    check(len(set(ids)) == len(ids), "species IDs repeat")

    # What is no entry name stays: sources, rule sets, categories, source names.
    for name, tag in [("config.xml", "SOURCE"), ("rulesets.xml", "RULESET"),
                      ("config.xml", "CATEGORY")]:
        original, scaled = trees[name]
        check(entries(original, tag) == entries(scaled, tag), "%s %s changed" % (name, tag))
    sources = {e.get("NAME") for e in trees["config.xml"][0].iter("SOURCE")} | {"Core"}
    for e in trees["skills.xml"][1].iter("SKILL"):
        check(e.get("SOURCE") in sources, "skill %s: source %s" % (e.get("NAME"), e.get("SOURCE")))

    # References of copy k name entries of copy k.
    skills = set(entries(trees["skills.xml"][1], "SKILL"))
    for e in trees["skills.xml"][1].iter("SKILL"):
        check(e.get("BROADSKILL") in skills, "broad skill of %s" % e.get("NAME"))
        suffix = e.get("NAME")[-3:] if e.get("NAME")[-3:-1] == " x" else ""
        check(e.get("BROADSKILL").endswith(suffix), "copy of %s's broad skill" % e.get("NAME"))
    for e in trees["species.xml"][1].iter("FreeSkill"):
        check(e.get("NAME") in skills, "free skill %s" % e.get("NAME"))
    subcategories = set(entries(trees["config.xml"][1], "SUBCATEGORY"))
    for e in trees["equipment.xml"][1].iter("EQUIPMENTITEM"):
        check(e.get("SUBCATEGORY") in subcategories, "item %s: subcategory" % e.get("NAME"))
    fx = set(entries(trees["fx.xml"][1], "Skill"))
    for e in trees["fx.xml"][1].iter("FXBenefit"):
        check(e.get("NAME") in fx, "FX benefit %s" % e.get("NAME"))

    if cli:
        def show(appdir):
            run = subprocess.run([cli, "show", "--appdir", str(appdir),
                                  str(root / "examples" / "earthkin-tech-op.xml")],
                                 capture_output=True, text=True)
            check(run.returncode == 0, "tavorn-cli show on %s: %d %s"
                  % (appdir, run.returncode, run.stderr))
            check(run.stderr == "", "tavorn-cli reported: %s" % run.stderr)
            return json.loads(run.stdout) if run.returncode == 0 else {}

        plain_dir = work / "plain"
        plain_dir.mkdir()
        shutil.copytree(data, plain_dir / "Data")
        plain, scaled = show(plain_dir), show(work)
        if plain and scaled:
            check(plain["labels"] == scaled["labels"], "the hero's labels differ on 3x data")
            check(plain["tables"]["Skills"] == scaled["tables"]["Skills"],
                  "the hero's skill table differs on 3x data")
            check(plain["importErrors"] == scaled["importErrors"], "import errors differ")
            offered = scaled["tables"].get("Perks", [])
            check(len(offered) == 3 * len(plain["tables"].get("Perks", [])),
                  "the perks offered are not three times as many")

for failure in failures:
    print("FAIL:", failure)
sys.exit(1 if failures else 0)
