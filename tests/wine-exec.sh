#!/bin/sh
# Runs a Windows program under Wine; CTest's emulator for every test program.
# tests/testenv.sh prepares the Wine prefix. Each test program runs in a copy
# of it with a wineserver and an X display of its own: pixel checks read the
# screen back, the mouse pointer is shared per display, and one wineserver
# cannot serve two displays, so programs running side by side must not share.
# KW_SHARED_DISPLAY=1 runs in the prepared prefix and display instead.
if [ -z "$WINEPREFIX" ]; then
    echo "wine-exec: WINEPREFIX is not set; run the tests through tests/run-all.sh" >&2
    exit 2
fi
export WINEDEBUG="${WINEDEBUG:--all}"
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml=}"
[ "${KW_SHARED_DISPLAY:-}" = 1 ] && exec wine "$@"

base="$WINEPREFIX"
own="$(mktemp -d "${base}.run.XXXXXX")" || exit 2
xvfb=
cleanup() {
    WINEPREFIX="$own" wineserver -k >/dev/null 2>&1
    pkill -f "socat pty,raw,echo=0,link=$own/" >/dev/null 2>&1
    [ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null
    rm -rf "$own"
}
trap cleanup EXIT
trap 'exit 130' INT TERM

# Wine rewrites its registry files in place, so only the big system folders,
# which nothing writes, are linked rather than copied.
big="drive_c/windows/system32 drive_c/windows/winsxs"
tar -C "$base" --exclude=./kw-locks --exclude=./drive_c/windows/system32 \
    --exclude=./drive_c/windows/winsxs -cf - . | tar -C "$own" -xf - || exit 2
for d in $big; do
    cp -al "$base/$d" "$own/$d" || exit 2
done
rm -f "$own"/dosdevices/com[0-9]*
export WINEPREFIX="$own"

fifo="$own/displayfd"
mkfifo "$fifo" || exit 2
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$fifo" >/dev/null 2>&1 &
xvfb=$!
read -r n <"$fifo"
[ -n "$n" ] || { echo "wine-exec: cannot start Xvfb" >&2; exit 2; }
export DISPLAY=":$n"

# COM links made before the device manager has run are not usable as ports.
wineserver -p >/dev/null 2>&1
wine cmd /c exit >/dev/null 2>&1
wine "$@"
rc=$?
exit $rc
