#!/usr/bin/env bash
# Makes every picture of the README and the tutorial anew from the program as it is now, one
# script after the other (each starts the program on a virtual X server of its own), so that the
# pictures stay true when the program changes.
#
#   scripts/screenshots.sh             makes all pictures
#   scripts/screenshots.sh --pruefen   makes nothing; checks that every picture the README or the
#                                      tutorial shows is made by a line below and exists, that
#                                      every picture in docs/tutorial is shown by the tutorial,
#                                      and that every chapter of the tutorial shows one (a test)
#
# A new picture is one more line in `bilder` below: a script of this folder with its arguments,
# the picture's path (relative to the source tree) last. The scripts run in the source tree, so
# that the nets are opened by relative paths and the captions name no folder of this machine.
# Pictures in docs/tutorial are installed with the tutorial.
set -euo pipefail
wurzel="$(cd "$(dirname "$0")/.." && pwd)"
cd "$wurzel"

bilder=(
    "screenshot.sh examples/xor-2-4-1.net docs/screenshot-netz.png"
    "screenshot-hopfield.sh docs/screenshot-hopfield.png"
    "screenshot.sh examples/xor-2-4-1.net docs/tutorial/hauptfenster.png"
    "screenshot.sh --zeichnen docs/tutorial/zeichnen.png"
    "screenshot-tutorium.sh bearbeiten docs/tutorial/bearbeiten.png"
    "screenshot-tutorium.sh propagieren docs/tutorial/propagieren.png"
    "screenshot-rechenweg.sh docs/tutorial/rechenweg.png"
    "screenshot-lernen.sh docs/tutorial/lernkurve-karte.png"
    "screenshot-hopfield-analyse.sh docs/tutorial/hopfield-analyse.png"
    "screenshot-tutorium.sh testneuron docs/tutorial/testneuron.png"
    "screenshot-tutorium.sh dateien docs/tutorial/dateien.png"
)

if [ "${1:-}" = "--pruefen" ]; then
    fehler=0
    gemacht=()
    for zeile in "${bilder[@]}"; do gemacht+=("${zeile##* }"); done
    gemacht_von() {
        local b
        for b in "${gemacht[@]}"; do [ "$b" = "$1" ] && return 0; done
        return 1
    }
    # The pictures shown: Markdown images in the README, <img src> in the tutorial.
    gezeigt=$(
        grep -o '](docs/[^)]*\.png)' README.md | sed 's/^](//; s/)$//'
        grep -o '<img src="[^"]*"' docs/tutorial/index.html | sed 's/^<img src="/docs\/tutorial\//; s/"$//'
    )
    for b in $gezeigt; do
        gemacht_von "$b" || { echo "kein Skript macht $b" >&2; fehler=1; }
        [ -f "$b" ] || { echo "es fehlt $b" >&2; fehler=1; }
    done
    for b in docs/tutorial/*.png; do
        grep -q "<img src=\"${b#docs/tutorial/}\"" docs/tutorial/index.html ||
            { echo "das Tutorium zeigt $b nicht" >&2; fehler=1; }
    done
    # Every chapter (<h2>) holds at least one picture before the next chapter begins.
    if ! awk '/<h2/ { if (kapitel && !bild) { print kapitel; fehlt = 1 } kapitel = $0; bild = 0 }
              /<img / { bild = 1 }
              END { if (kapitel && !bild) { print kapitel; fehlt = 1 } exit fehlt }' \
        docs/tutorial/index.html >&2; then
        echo "diese Kapitel des Tutoriums zeigen kein Bild" >&2
        fehler=1
    fi
    exit "$fehler"
fi

for zeile in "${bilder[@]}"; do
    read -r -a teile <<<"$zeile"
    echo "scripts/$zeile"
    "$wurzel/scripts/${teile[0]}" "${teile[@]:1}" >/dev/null
done
