#!/usr/bin/env bash
# Takes the tutorial's pictures of single steps, on a virtual X server of 1600 x 1000 pixels,
# with the example net examples/xor-2-4-1.net opened from the source tree:
#
#   scripts/screenshot-tutorium.sh bearbeiten [bild.png]    the dialog "Neuronwerte editieren"
#       of N0, opened with the right mouse button in the tool "Neuron verschieben"
#       (default docs/tutorial/bearbeiten.png)
#   scripts/screenshot-tutorium.sh propagieren [bild.png]   the net after "Netz propagieren"
#       with the inputs 1 (N0, set in its dialog) and 0 (default
#       docs/tutorial/propagieren.png)
#   scripts/screenshot-tutorium.sh testneuron [bild.png]    the window "Neuron" beside the net
#       (default docs/tutorial/testneuron.png)
#   scripts/screenshot-tutorium.sh dateien [bild.png]       the menu "Datei" opened, with its
#       shortcuts (default docs/tutorial/dateien.png)
#
# Everything is done with the mouse and keys as a user would (xdotool); the picture of the screen
# (imagemagick's import) is taken once the step is done. The program is build/default/app/nervalo
# (or $NERVALO_PROGRAMM); it is built first if it is missing. Needs xvfb-run, xdotool and
# imagemagick (scripts/install-deps.sh).
set -euo pipefail
wurzel="$(cd "$(dirname "$0")/.." && pwd)"
source "$wurzel/scripts/programm.sh"
szene="${1:-}"
case "$szene" in
bearbeiten | propagieren | testneuron | dateien) ;;
*)
    echo "Aufruf: $0 bearbeiten|propagieren|testneuron|dateien [bild.png]" >&2
    exit 2
    ;;
esac
bild="$(realpath -m "${2:-$wurzel/docs/tutorial/$szene.png}")"
# Started in the source tree, so that the net window's caption shows the short path.
cd "$wurzel"

# The positions belong to the maximised main window on a 1600 x 1000 screen without a window
# manager: menu bar 19 pixels ("Datei" at x = 25), the top tool bar's buttons from y = 27
# ("Test-Neuron" at x = 338), the left tool panel's buttons 32 pixels apart from y = 72, the net
# window's paint box starting at (37, 96); N0 of the example net lies at (80, 70) in it, N1 at
# (80, 210).
xvfb-run -a -s "-screen 0 1600x1000x24" bash -c '
    set -e
    KLICKPAUSE=0.4
    source "$NERVALO_WURZEL/scripts/xdotool-hilfen.sh"
    starten "$1" examples/xor-2-4-1.net
    netz() { echo $((37 + $1)) $((96 + $2)); }
    # Opens the dialog of the neuron at (x, y) of the net with the right mouse button.
    dialog() {
        klick 16 120                                  # Neuron verschieben oder editieren
        klick $(netz "$1" "$2") 3
        fenster=$(xdotool search --sync --name " editieren$" | head -1)
        sleep 0.7
        eval "$(xdotool getwindowgeometry --shell "$fenster")"
    }
    case "$3" in
    bearbeiten)
        dialog 80 70
        ;;
    propagieren)
        # N0 gives 1: its field "Sollwert" (at (168, 72) in the dialog) holds an input neuron'"'"'s
        # output; Enter presses OK.
        dialog 80 70
        xdotool mousemove $((X + 220)) $((Y + 82)) click 1 key ctrl+a type 1
        xdotool key Return
        sleep 0.5
        klick 16 280                                  # Netz propagieren
        sleep 0.3
        ;;
    testneuron)
        klick 338 45                                  # Test-Neuron, a window inside the frame
        sleep 0.7
        ;;
    dateien)
        klick 25 8
        sleep 0.5
        ;;
    esac
    import -window root "$2"
    kill "$pid"
' _ "$programm" "$bild" "$szene"
echo "$bild"
