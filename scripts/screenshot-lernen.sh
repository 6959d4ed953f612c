#!/usr/bin/env bash
# Takes a picture of the learning curve and the decision map after XOR has been trained, on a
# virtual X server of 1600 x 1000 pixels: the example net examples/xor-2-4-1.net with its tasks
# examples/xor.lrn, the windows "Lernkurve" and "Entscheidungskarte" opened from the menu
# "Anzeige", then "Alle" for three seconds at the highest pace and "Stop".
#
#   scripts/screenshot-lernen.sh [bild.png]   (default docs/tutorial/lernkurve-karte.png)
#
# Everything is done with the mouse and keys as a user would (xdotool); the picture of the screen
# (imagemagick's import) is taken after "Stop". The program is build/default/app/nervalo (or
# $NERVALO_PROGRAMM); it is built first if it is missing. Needs xvfb-run, xdotool and imagemagick
# (scripts/install-deps.sh).
set -euo pipefail
wurzel="$(cd "$(dirname "$0")/.." && pwd)"
source "$wurzel/scripts/programm.sh"
bild="$(realpath -m "${1:-$wurzel/docs/tutorial/lernkurve-karte.png}")"
cd "$wurzel"

# The positions belong to the maximised main window on a 1600 x 1000 screen without a window
# manager: menu bar 19 pixels ("Anzeige" at x = 160, its items 22 pixels apart), the top tool
# bar's buttons from y = 27 ("Lernaufgabe öffnen" at x = 190).
xvfb-run -a -s "-screen 0 1600x1000x24" bash -c '
    set -e
    source "$NERVALO_WURZEL/scripts/xdotool-hilfen.sh"
    starten "$1" examples/xor-2-4-1.net
    klick 190 45                                  # Lernaufgabe öffnen (dialog "Lernaufgabe laden")
    fenster "Lernaufgabe laden" >/dev/null
    sleep 0.5
    xdotool type "$PWD/examples/xor.lrn"; xdotool key Return
    aufgaben=$(fenster Lernaufgaben)
    sleep 0.5
    xdotool windowmove "$aufgaben" 770 300        # beside the net window
    klick 160 8; klick 190 123                    # Anzeige › Lernkurve
    fenster Lernkurve >/dev/null
    klick 160 8; klick 210 145                    # Anzeige › Entscheidungskarte
    fenster Entscheidungskarte >/dev/null
    sleep 0.5
    eval "$(xdotool getwindowgeometry --shell "$aufgaben")"
    klick $((X + 215)) $((Y + 52))                # Alle
    sleep 3
    klick $((X + 40)) $((Y + 324))                # Stop
    sleep 0.5
    xdotool mousemove 800 980                     # the pointer out of the way
    import -window root "$2"
    kill "$pid"
' _ "$programm" "$bild"
echo "$bild"
