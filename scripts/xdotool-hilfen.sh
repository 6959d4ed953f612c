# Sourced inside the screenshot scripts' shell on the virtual X server: the mouse as a user
# moves it (xdotool).

# Click at (x, y) with button $3 (default the left one), then give the program time to answer
# ($KLICKPAUSE seconds, default 0.3).
klick() { xdotool mousemove "$1" "$2" click "${3:-1}"; sleep "${KLICKPAUSE:-0.3}"; }

# The first window of that name once it shows; a search can meet a window that is just going
# away, so it is simply asked again.
fenster() {
    local w=""
    until [ -n "$w" ]; do sleep 0.2; w=$(xdotool search --name "^$1\$" 2>/dev/null | head -1) || true; done
    echo "$w"
}

# Starts the program with its arguments in the background ($pid) and waits until its main window
# shows and has settled.
starten() {
    "$@" &
    pid=$!
    xdotool search --sync --name "^Nervalo$" >/dev/null
    sleep 1.5
}
