#!/usr/bin/env bash
# Takes a picture of the Hopfield pattern memory at work, on a virtual X server of 1600 x 1000
# pixels: the example net examples/hopfield-7x7.net (letters H, T and L stored) in the net window,
# a test neuron window, and the pattern window "Hopfield" restoring a disturbed T.
#
#   scripts/screenshot-hopfield.sh [bild.png]      (default docs/screenshot-hopfield.png)
#
# Everything is done with the mouse and keys as a user would (xdotool): "Test-Neuron", then
# "Muster für Hopfield-Netz" with the proposed 7 x 7, the disturbed letter drawn cell by cell,
# then "?". The picture is taken about one recall pass later.
#
# The program is build/default/app/nervalo (or $NERVALO_PROGRAMM); it is built first if it is
# missing. Needs xvfb-run and xdotool (scripts/install-deps.sh).
set -euo pipefail
wurzel="$(cd "$(dirname "$0")/.." && pwd)"
source "$wurzel/scripts/programm.sh"
bild="$(realpath -m "${1:-$wurzel/docs/screenshot-hopfield.png}")"
# Started in the source tree, so that the net window's caption shows the short path.
cd "$wurzel"
netz="examples/hopfield-7x7.net"

# The positions belong to the maximised main window on a 1600 x 1000 screen without a window
# manager: menu bar 19 pixels, the top tool bar's buttons 37 pixels wide from y = 27.
xvfb-run -a -s "-screen 0 1600x1000x24" bash -c '
    set -e
    start=$(date +%s%N)
    source "$NERVALO_WURZEL/scripts/xdotool-hilfen.sh"
    starten "$1" "$2" --screenshot "$3" --wartezeit 12000
    klick 338 45                          # Test-Neuron
    klick 282 45                          # Muster für Hopfield-Netz
    sleep 0.7; xdotool key Return         # horizontal: 7
    sleep 0.7; xdotool key Return         # vertikal: 7
    fenster=$(xdotool search --sync --name "^Hopfield$" | head -1)
    sleep 0.5
    # Below the test neuron window, right of the net window.
    xdotool windowmove "$fenster" 960 540
    sleep 0.5
    eval "$(xdotool getwindowgeometry --shell "$fenster")"
    # The grid lies at (10, 40) in the window; cells at a pitch of 21 inside a 1-pixel frame.
    zelle() { xdotool mousemove $((X + 10 + 11 + 21 * $1)) $((Y + 40 + 11 + 21 * $2)) click 1; sleep 0.1; }
    # A T with one cell of the bar missing, one cell of the stem missing and two stray cells.
    for c in 0 1 2 4 5 6; do zelle $c 0; done
    for r in 1 2 3 5 6; do zelle 3 $r; done
    zelle 1 4; zelle 5 2
    xdotool mousemove $((X + 88 + 12)) $((Y + 4 + 12)) click 1   # ?
    ende=$(date +%s%N)
    # The picture comes 12 s after the start; the recall must have made its first pass by then.
    if [ $(((ende - start) / 1000000)) -gt 10000 ]; then
        echo "zu langsam: das Bild käme vor dem ersten Durchgang" >&2
        kill "$pid"
        exit 1
    fi
    wait $pid
' _ "$programm" "$netz" "$bild"
echo "$bild"
