#!/usr/bin/env bash
# Takes a picture of the "Rechenweg" window with a checked exercise, on a virtual X server of
# 1600 x 1000 pixels: the example net examples/xor-2-4-1.net propagated and backpropagated once,
# "Anzeige › Änderungen" on, "Anzeige › Rechenweg" opened and the output neuron N6 clicked, then
# "Üben" with three values typed (one of them wrong) and "Prüfen".
#
#   scripts/screenshot-rechenweg.sh [bild.png]   (default docs/tutorial/rechenweg.png)
#
# Everything is done with the mouse and keys as a user would (xdotool); the picture of the screen
# (imagemagick's import) is taken after "Prüfen". The program is build/default/app/nervalo (or
# $NERVALO_PROGRAMM); it is built first if it is missing. Needs xvfb-run, xdotool and imagemagick
# (scripts/install-deps.sh).
set -euo pipefail
wurzel="$(cd "$(dirname "$0")/.." && pwd)"
source "$wurzel/scripts/programm.sh"
bild="$(realpath -m "${1:-$wurzel/docs/tutorial/rechenweg.png}")"
cd "$wurzel"

# The positions belong to the maximised main window on a 1600 x 1000 screen without a window
# manager: menu bar 19 pixels ("Anzeige" at x = 160), the tool panel's buttons at x = 16
# ("Netz propagieren" at y = 280, "Backpropagation" at y = 311), N6 of the example net at
# (417, 167); the items of "Anzeige" 22 pixels apart ("Änderungen" at y = 191).
xvfb-run -a -s "-screen 0 1600x1000x24" bash -c '
    set -e
    source "$NERVALO_WURZEL/scripts/xdotool-hilfen.sh"
    starten "$1" examples/xor-2-4-1.net
    klick 16 280                                  # Netz propagieren
    klick 16 311                                  # Backpropagation
    klick 160 8; klick 190 191                    # Anzeige › Änderungen
    klick 160 8; klick 190 213                    # Anzeige › Rechenweg
    rechenweg=$(fenster Rechenweg)
    sleep 0.5
    klick 417 167                                 # N6
    eval "$(xdotool getwindowgeometry --shell "$rechenweg")"
    klick $((X + 320)) $((Y + 21))                # Üben
    feld() { klick $((X + 757)) $((Y + $1)); xdotool type -- "$2"; }
    feld 101 "0,38"                               # Netzeingabe s
    feld 161 "0,60"                               # Output o (wrong: 0,59)
    feld 251 "-0,14"                              # Delta
    klick $((X + 51)) $((Y + 476))                # Prüfen
    sleep 0.5
    xdotool mousemove 800 980                     # the pointer out of the way
    import -window root "$2"
    kill "$pid"
' _ "$programm" "$bild"
echo "$bild"
