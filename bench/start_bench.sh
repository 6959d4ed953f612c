#!/usr/bin/env bash
# Start-up time of the desktop program: from the start of the process to the first shown main
# window, 10 runs each on Qt's offscreen platform and on a virtual X server (Xvfb), median in
# milliseconds.
#
#   bench/start_bench.sh [runs]
#
# "im Programm": what the program measures itself with --startzeit (from main() to the first
# exposed and painted main window). "gesamt": wall time of the whole process from launch to exit,
# so it includes loading the libraries and shutting down.
# The program is build/default/app/nervalo (or $NERVALO_PROGRAMM); it is built first if it is
# missing.
set -euo pipefail
wurzel="$(cd "$(dirname "$0")/.." && pwd)"
programm="${NERVALO_PROGRAMM:-$wurzel/build/default/app/nervalo}"
laeufe="${2:-${1:-10}}"
if [ ! -x "$programm" ]; then
    (cd "$wurzel" && cmake --preset default >/dev/null && cmake --build --preset default --target nervalo)
fi

# Runs the program $laeufe times and prints "median-im-programm median-gesamt".
messen() {
    local innen=() gesamt=() t0 t1 ms
    for _ in $(seq "$laeufe"); do
        t0=$(date +%s%N)
        ms=$("$programm" --startzeit 2>/dev/null)
        t1=$(date +%s%N)
        innen+=("$ms")
        gesamt+=($(((t1 - t0) / 1000000)))
    done
    median() { printf '%s\n' "$@" | sort -n | awk '{a[NR]=$1} END {print (NR % 2) ? a[(NR+1)/2] : (a[NR/2] + a[NR/2+1]) / 2}'; }
    echo "$(median "${innen[@]}") $(median "${gesamt[@]}")"
}
# Inside the virtual X server the script calls itself to measure.
if [ "${1:-}" = "--messen" ]; then
    messen
    exit 0
fi
export NERVALO_PROGRAMM="$programm"

read -r off_innen off_gesamt < <(QT_QPA_PLATFORM=offscreen messen)
read -r x_innen x_gesamt < <(xvfb-run -a -s "-screen 0 1600x1000x24" "$0" --messen "$laeufe")

echo "Startzeit bis zum ersten gezeigten Hauptfenster, Median aus $laeufe Läufen (ms):"
printf '  %-10s im Programm %6s   gesamt %6s\n' offscreen "$off_innen" "$off_gesamt"
printf '  %-10s im Programm %6s   gesamt %6s\n' Xvfb "$x_innen" "$x_gesamt"
