#!/usr/bin/env bash
# Takes a picture of the whole screen with the program running on a virtual X server of
# 1600 x 1000 pixels.
#
#   scripts/screenshot.sh [netz.net [bild.png]]
#       opens the net (default examples/xor-2-4-1.net) and writes the picture
#       (default docs/screenshot-netz.png). The net is opened by the path as given, relative to
#       the current folder, so that the net window's caption shows that path and no folder of
#       this machine; the default is opened from the source tree as examples/xor-2-4-1.net.
#   scripts/screenshot.sh --zeichnen [bild.png]
#       starts without a net and draws a small net with the mouse (xdotool): four neurons,
#       two one-way and one two-way connection (default /tmp/nervalo-gezeichnet.png)
#
# The program is build/default/app/nervalo (or $NERVALO_PROGRAMM); it is built first if it is
# missing. Needs xvfb-run
# and xdotool (scripts/install-deps.sh).
set -euo pipefail
wurzel="$(cd "$(dirname "$0")/.." && pwd)"
source "$wurzel/scripts/programm.sh"

if [ "${1:-}" = "--zeichnen" ]; then
    bild="$(realpath -m "${2:-/tmp/nervalo-gezeichnet.png}")"
    # The positions below belong to the maximised window on a 1600 x 1000 screen without a
    # window manager: menu bar 19 pixels, top tool bar 53, left tool panel 33 wide, the net
    # window's paint box starting at (37, 96).
    xvfb-run -a -s "-screen 0 1600x1000x24" bash -c '
        set -e
        "$1" --screenshot "$2" --wartezeit 7000 &
        pid=$!
        xdotool search --sync --name "^Nervalo$" >/dev/null
        sleep 1
        source "$NERVALO_WURZEL/scripts/xdotool-hilfen.sh"
        ziehen() {
            xdotool mousemove "$1" "$2" mousedown 1 mousemove $((($1 + $3) / 2)) $((($2 + $4) / 2))
            sleep 0.1
            xdotool mousemove "$3" "$4" mouseup 1
            sleep 0.3
        }
        netz() { echo $((37 + $1)) $((96 + $2)); }
        klick 26 45                       # Neues Netz
        klick 16 88                       # Neuron einfügen
        klick $(netz 100 100); klick $(netz 100 220); klick $(netz 260 160); klick $(netz 420 160)
        klick 16 152                      # einfache Verbindung
        ziehen $(netz 100 100) $(netz 260 160)
        ziehen $(netz 100 220) $(netz 260 160)
        klick 16 184                      # zweifache Verbindung
        ziehen $(netz 260 160) $(netz 420 160)
        xdotool mousemove 16 152          # the status panel shows this button'"'"'s hint
        wait $pid
    ' _ "$programm" "$bild"
else
    bild="$(realpath -m "${2:-$wurzel/docs/screenshot-netz.png}")"
    if [ $# -ge 1 ]; then
        netz="$1"
    else
        cd "$wurzel"
        netz="examples/xor-2-4-1.net"
    fi
    xvfb-run -a -s "-screen 0 1600x1000x24" "$programm" "$netz" --screenshot "$bild"
fi
echo "$bild"
