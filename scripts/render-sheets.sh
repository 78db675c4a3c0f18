#!/usr/bin/env bash
# Writes the hero sheets of the sample heroes (examples/*.xml; robots are skipped) with
# tavorn-cli, once as "Export" writes them and once with the zero-level skills, and renders
# each into a PNG with a headless chromium, so that the printed page can be looked at.
#
#   scripts/render-sheets.sh [BUILD]     # BUILD holds tavorn-cli (default: build)
#
# The sheets and the pictures go to BUILD/sheets/. Debian's chromium is installed when missing
# (through sudo when not root).
set -euo pipefail

cd "$(dirname "$0")/.."
build=${1:-build}
cli="$build/tavorn-cli"
out="$build/sheets"

if [ ! -x "$cli" ]; then
    echo "render-sheets: $cli is missing; build it first (make sheets does)" >&2
    exit 1
fi

if ! command -v chromium >/dev/null 2>&1; then
    echo "Installing: chromium"
    run_as_root() {
        if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
    }
    run_as_root apt-get update -qq
    run_as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq \
        --no-install-recommends chromium
fi

mkdir -p "$out"
shopt -s nullglob
for hero in examples/*.xml; do
    # Robot files and anything else that is not a hero are left out.
    grep -q "<HeroData\|<HERO" "$hero" || continue
    name=$(basename "$hero" .xml)
    for variant in plain zero-level; do
        sheet="$out/$name.html"
        flags=()
        if [ "$variant" = zero-level ]; then
            sheet="$out/$name-zero-level.html"
            flags=(--zero-level)
        fi
        "$cli" sheet --appdir "$build" "$hero" -o "$sheet" "${flags[@]}"
        picture="${sheet%.html}.png"
        chromium --headless --no-sandbox --disable-gpu --hide-scrollbars \
            --screenshot="$PWD/$picture" --window-size=800,2400 \
            "file://$PWD/$sheet" >/dev/null 2>&1
        echo "$picture"
    done
done
