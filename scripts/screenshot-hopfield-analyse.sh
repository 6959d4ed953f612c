#!/usr/bin/env bash
# Takes a picture of the Hopfield analysis during a recall, on a virtual X server of 1600 x 1000
# pixels: a 7 x 7 grid net built with "Spezielle Netze" that stores the letters of the example
# net examples/hopfield-7x7.net (H, T and L) with "!", the pattern window "Hopfield" restoring a
# disturbed T, and the window "Hopfield-Analyse" beside it at a pace of 0,5 s.
#
#   scripts/screenshot-hopfield-analyse.sh [bild.png]   (default docs/tutorial/hopfield-analyse.png)
#
# The letters are stored anew rather than the example net opened: the analysis compares with
# the patterns stored since the net was built or opened, and the example's weights are exactly
# these three letters stored by the Hebb rule. Everything is done with the mouse and keys as a
# user would (xdotool); the picture of the screen (imagemagick's import) is taken 3.6 s after
# "?", about seven passes into the recall.
#
# The program is build/default/app/nervalo (or $NERVALO_PROGRAMM); it is built first if it is
# missing. Needs xvfb-run, xdotool and imagemagick (scripts/install-deps.sh).
set -euo pipefail
wurzel="$(cd "$(dirname "$0")/.." && pwd)"
source "$wurzel/scripts/programm.sh"
bild="$(realpath -m "${1:-$wurzel/docs/tutorial/hopfield-analyse.png}")"
cd "$wurzel"

# The positions belong to the maximised main window on a 1600 x 1000 screen without a window
# manager: menu bar 19 pixels, the top tool bar's buttons 37 pixels wide from y = 27, the left
# tool panel's buttons 32 pixels apart from y = 72.
xvfb-run -a -s "-screen 0 1600x1000x24" bash -c '
    set -e
    source "$NERVALO_WURZEL/scripts/xdotool-hilfen.sh"
    starten "$1"
    klick 26 45                                   # Neues Netz
    klick 16 248                                  # Spezielle Netze
    dialog=$(xdotool search --sync --name "^Dialog$" | head -1)
    sleep 0.5
    eval "$(xdotool getwindowgeometry --shell "$dialog")"
    klick $((X + 58)) $((Y + 113))                # rückgekoppelte Netze (Hopfield)
    for feld in 60 204; do                        # horizontal 7, vertikal 7
        xdotool mousemove $((X + feld)) $((Y + 179)) click 1 key ctrl+a type 7
        xdotool key Tab; sleep 0.2
    done
    klick $((X + 166)) $((Y + 233))               # OK
    klick 282 45                                  # Muster für Hopfield-Netz
    sleep 0.7; xdotool key Return                 # horizontal: 7
    sleep 0.7; xdotool key Return                 # vertikal: 7
    fenster=$(xdotool search --sync --name "^Hopfield$" | head -1)
    sleep 0.5
    xdotool windowmove "$fenster" 600 600         # below the net window
    sleep 0.5
    eval "$(xdotool getwindowgeometry --shell "$fenster")"
    knopf() { klick $((X + $1 + 12)) $((Y + 16)); }   # C 8, ! 48, ? 88
    # The grid lies at (10, 40) in the window; cells at a pitch of 21 inside a 1-pixel frame.
    # A letter is seven rows of seven characters, X for an on cell.
    buchstabe() {
        local r=0 zeile c
        for zeile in "$@"; do
            for c in 0 1 2 3 4 5 6; do
                if [ "${zeile:$c:1}" = X ]; then
                    xdotool mousemove $((X + 21 + 21 * c)) $((Y + 51 + 21 * r)) click 1
                    sleep 0.05
                fi
            done
            r=$((r + 1))
        done
    }
    H="X.....X X.....X X.....X XXXXXXX X.....X X.....X X.....X"
    T="XXXXXXX ...X... ...X... ...X... ...X... ...X... ...X..."
    L="X...... X...... X...... X...... X...... X...... XXXXXXX"
    for muster in "$H" "$T" "$L"; do
        knopf 8; buchstabe $muster; knopf 48      # C, the letter, !
    done
    klick 160 8; klick 210 99                     # Anzeige › Hopfield-Analyse
    analyse=$(xdotool search --sync --name "^Hopfield-Analyse$" | head -1)
    sleep 0.5
    eval "$(xdotool getwindowgeometry --shell "$analyse")"
    # The pace list at the top right: from "2 s" one up to "0,5 s".
    klick $((X + WIDTH - 40)) $((Y + 20)); xdotool key Up Return; sleep 0.3
    eval "$(xdotool getwindowgeometry --shell "$fenster")"
    # A T with one cell of the bar missing, one cell of the stem missing and two stray cells.
    knopf 8
    buchstabe "XX.XXXX" "...X..." "...X..." "...X..." ".X....." "...X..." "...X.X."
    knopf 88                                      # ?
    sleep 3.6
    import -window root "$2"
    kill "$pid"
' _ "$programm" "$bild"
echo "$bild"
