#!/bin/sh
# Runs a Windows program under Wine; CTest's emulator for every test program.
# The environment (WINEPREFIX, DISPLAY) comes from tests/testenv.sh.
if [ -z "$WINEPREFIX" ]; then
    echo "wine-exec: WINEPREFIX is not set; run the tests through tests/run-all.sh" >&2
    exit 2
fi
export WINEDEBUG="${WINEDEBUG:--all}"
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml=}"
exec wine "$@"
