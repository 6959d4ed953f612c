# Sourced by the screenshot scripts after they set $wurzel (the source tree): sets $programm to
# build/default/app/nervalo (or $NERVALO_PROGRAMM) and builds it first if it is missing. Exports
# the source tree as $NERVALO_WURZEL for the shell that runs on the virtual X server.
programm="$(realpath -m "${NERVALO_PROGRAMM:-$wurzel/build/default/app/nervalo}")"
if [ ! -x "$programm" ]; then
    (cd "$wurzel" && cmake --preset default >/dev/null && cmake --build --preset default --target nervalo)
fi
export NERVALO_WURZEL="$wurzel"
