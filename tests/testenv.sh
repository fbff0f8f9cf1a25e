# Prepares what the tests need and exports it; source it with the build folder:
#   . tests/testenv.sh build
# - a private Wine prefix (made once per build folder): no Mono/Gecko prompts,
#   no crash dialog, COM1..COM20 left free for pty pairs, no window managed,
#   the program's font faces mapped to installed ones;
# - an Xvfb display of its own (test programs run through tests/wine-exec.sh
#   get their own copy of the prefix and their own display);
# - the test printer (tests/support/AddTestPrinter.cpp), once it is built;
# - a persistent wineserver, warmed up so that its device manager has run
#   before tests link COM ports (links made earlier are not usable as ports).
# kw_testenv_cleanup stops all of it.

kw_build="${1:?usage: . tests/testenv.sh <build folder>}"
kw_build="$(cd "$kw_build" && pwd)"

export WINEPREFIX="$kw_build/wineprefix"
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
export WINEARCH=win64

kw_make_prefix() {
    if [ -f "$WINEPREFIX/.kw-ready" ]; then
        return 0
    fi
    rm -rf "$WINEPREFIX"
    wine wineboot -i >/dev/null 2>&1 || return 1
    wine reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f >/dev/null 2>&1
    for n in $(seq 1 20); do
        wine reg add 'HKLM\Software\Wine\Ports' /v "COM$n" /d "" /f >/dev/null 2>&1
    done
    wineserver -w
    touch "$WINEPREFIX/.kw-ready"
}

# No window manager runs under Xvfb, so Wine is told to manage no window
# itself: hiding a managed (activated) top-level window would otherwise wait
# 2 seconds for a window manager that never answers.
kw_unmanaged_windows() {
    if [ -f "$WINEPREFIX/.kw-unmanaged" ]; then
        return 0
    fi
    wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1 || return 1
    wineserver -w
    touch "$WINEPREFIX/.kw-unmanaged"
}

# The printing tests preview and print on a PostScript printer at FILE:.
kw_test_printer() {
    if [ -f "$WINEPREFIX/.kw-printer" ]; then
        return 0
    fi
    local tool="$kw_build/bin/kw_add_printer.exe"
    if [ ! -f "$tool" ]; then
        return 0 # not built yet: the printing tests say so
    fi
    wine "$tool" >/dev/null 2>&1 || return 1
    wineserver -w
    touch "$WINEPREFIX/.kw-printer"
}

. "$(dirname "${BASH_SOURCE[0]}")/../tools/xvfb.sh"
. "$(dirname "${BASH_SOURCE[0]}")/../tools/wine-fonts.sh"

kw_testenv_cleanup() {
    # Runs from an EXIT trap of scripts with `set -e`: no step may fail.
    wineserver -k >/dev/null 2>&1 || true
    for own in "$WINEPREFIX".run.*; do
        [ -d "$own" ] || continue
        WINEPREFIX="$own" wineserver -k >/dev/null 2>&1 || true
        pkill -f "socat pty,raw,echo=0,link=$own/" >/dev/null 2>&1 || true
        rm -rf "$own" || true
    done
    pkill -f "socat pty,raw,echo=0,link=$WINEPREFIX/" >/dev/null 2>&1 || true
    rm -rf "$WINEPREFIX/kw-locks" || true
    rm -f "$WINEPREFIX"/dosdevices/com[0-9]* || true
    if [ -n "${KW_XVFB_PID:-}" ]; then
        kill "$KW_XVFB_PID" >/dev/null 2>&1 || true
    fi
    KW_XVFB_PID=
}

kw_make_prefix || { echo "testenv: cannot create the Wine prefix" >&2; return 1; }
kw_unmanaged_windows || { echo "testenv: cannot configure the Wine prefix" >&2; return 1; }
kw_test_printer || { echo "testenv: cannot add the test printer" >&2; return 1; }
kw_wine_fonts || { echo "testenv: cannot map the fonts in the Wine prefix" >&2; return 1; }
kw_start_xvfb || { echo "testenv: cannot start Xvfb" >&2; return 1; }
rm -rf "$WINEPREFIX/kw-locks"
rm -f "$WINEPREFIX"/dosdevices/com[0-9]*
# A server already running for the prefix answers -p with a failure: keep it.
wineserver -p >/dev/null 2>&1 || true
wine cmd /c exit >/dev/null 2>&1 || true
