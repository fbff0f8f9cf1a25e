#!/bin/bash
# Starts Kestrelwave on this machine: installs what is missing, builds,
# prepares a Wine prefix and starts the program on COM1.
#
#   tools/start.sh [--port DEVICE] [--build FOLDER] [simulator options]
#
# Without --port the project's simulated controller (kwsim) serves COM1
# through a pty pair; its options pass through, for example
#   --version 790   --bootloader   --obd-module   --cylinders 8
#   --locked (a controller locked with a password)   --silent   --drop 0.1
# With --port /dev/ttyUSB0 (any serial device) COM1 is that device and no
# simulator runs. With DISPLAY set the window opens on the desktop; without
# one the program runs under Xvfb and a picture of the main window is saved
# once it is connected (the path is printed). Ctrl-C ends everything.
set -euo pipefail

root="$(cd "$(dirname "$0")/.." && pwd)"
build="$root/build"
device=""
sim_options=()
while [ $# -gt 0 ]; do
    case "$1" in
        --port) device="${2:?--port needs a device}"; shift 2 ;;
        --build) build="${2:?--build needs a folder}"; shift 2 ;;
        --locked)
            # Block 3 with a password set (its bytes 36 to 43).
            sim_options+=(--block "3:$(printf '00%.0s' $(seq 36))3132333435363738$(printf '00%.0s' $(seq 16))")
            shift ;;
        -h|--help) sed -n '2,16p' "$0"; exit 0 ;;
        *) sim_options+=("$1"); shift ;;
    esac
done

install_missing() {
    local packages=(g++-mingw-w64-x86-64-posix wine64 wine xvfb xauth socat cmake ninja-build googletest python3 fonts-liberation fonts-wine)
    local missing=()
    for p in "${packages[@]}"; do
        dpkg -s "$p" >/dev/null 2>&1 || missing+=("$p")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    local sudo=""
    [ "$(id -u)" -ne 0 ] && sudo="sudo"
    echo "Installing: ${missing[*]}"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

build_program() {
    cmake -S "$root" -B "$build" -G Ninja >/dev/null
    cmake --build "$build" --target kestrelwave kwsim kwshot
}

xvfb_pid=""
socat_pid=""
sim_pid=""
cleanup() {
    trap - EXIT INT TERM
    wineserver -k >/dev/null 2>&1 || true
    [ -n "$sim_pid" ] && kill "$sim_pid" >/dev/null 2>&1 || true
    [ -n "$socat_pid" ] && kill "$socat_pid" >/dev/null 2>&1 || true
    rm -f "$WINEPREFIX"/dosdevices/com1 "$WINEPREFIX"/dosdevices/com11 "$WINEPREFIX"/kw-com1 "$WINEPREFIX"/kw-sim
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" >/dev/null 2>&1 || true
    wait 2>/dev/null || true
}

# A prefix of its own: no Mono or Gecko prompt, no crash dialog, and no COM
# port mapped to a serial device of this machine unless asked for.
prepare_prefix() {
    export WINEPREFIX="$build/wineprefix-start" WINEARCH=win64 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
    if [ ! -f "$WINEPREFIX/.kw-ready" ]; then
        echo "Preparing the Wine prefix $WINEPREFIX"
        rm -rf "$WINEPREFIX"
        wine wineboot -i >/dev/null 2>&1
        wine reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f >/dev/null 2>&1
        for n in $(seq 1 20); do
            wine reg add 'HKLM\Software\Wine\Ports' /v "COM$n" /d "" /f >/dev/null 2>&1
        done
        wineserver -w
        touch "$WINEPREFIX/.kw-ready"
    fi
    # Without a window manager Wine must not wait for one.
    local managed=Y
    [ -n "$xvfb_pid" ] && managed=N
    wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d "$managed" /f >/dev/null 2>&1
    kw_wine_fonts || echo "start: the font faces could not be mapped" >&2
    rm -f "$WINEPREFIX"/dosdevices/com[0-9]*
}

. "$root/tools/xvfb.sh"
. "$root/tools/wine-fonts.sh"
start_xvfb() {
    kw_start_xvfb || { echo "start: cannot start Xvfb" >&2; exit 1; }
    xvfb_pid=$KW_XVFB_PID
}


# Links made before the wineserver's device manager ran are not usable.
link_ports() {
    wineserver -p >/dev/null 2>&1 || true
    wine cmd /c exit >/dev/null 2>&1 || true
    if [ -n "$device" ]; then
        [ -e "$device" ] || { echo "start: no device $device" >&2; exit 1; }
        ln -sf "$device" "$WINEPREFIX/dosdevices/com1"
        echo "COM1 is $device"
        return
    fi
    socat "pty,raw,echo=0,link=$WINEPREFIX/kw-com1" "pty,raw,echo=0,link=$WINEPREFIX/kw-sim" &
    socat_pid=$!
    for _ in $(seq 1 50); do
        [ -e "$WINEPREFIX/kw-com1" ] && [ -e "$WINEPREFIX/kw-sim" ] && break
        sleep 0.1
    done
    ln -sf "$WINEPREFIX/kw-com1" "$WINEPREFIX/dosdevices/com1"
    ln -sf "$WINEPREFIX/kw-sim" "$WINEPREFIX/dosdevices/com11"
}

start_simulator() {
    [ -n "$device" ] && return
    local ready="$WINEPREFIX/kw-sim-ready"
    rm -f "$ready"
    wine "$build/bin/kwsim.exe" --port 11 --pace --ready "$(winepath -w "$ready")" "${sim_options[@]}" &
    sim_pid=$!
    for _ in $(seq 1 100); do
        [ -e "$ready" ] && { echo "Simulated controller on COM1 ${sim_options[*]}"; return; }
        kill -0 "$sim_pid" 2>/dev/null || { echo "start: the simulator did not start" >&2; exit 1; }
        sleep 0.1
    done
    echo "start: the simulator did not start" >&2
    exit 1
}

trap cleanup EXIT
trap 'exit 130' INT TERM

install_missing
build_program
[ -z "${DISPLAY:-}" ] && start_xvfb
prepare_prefix
link_ports
start_simulator
# The program looks for the controller on the port it used last.
wine reg add 'HKCU\Software\Kestrelwave' /v 'Last RS nr' /t REG_DWORD /d 1 /f >/dev/null 2>&1 || true

echo "Starting Kestrelwave (Ctrl-C ends it)"
wine "$build/bin/Kestrelwave.exe" &
program_pid=$!
if [ -n "$xvfb_pid" ]; then
    mkdir -p "$build/screenshots"
    shot="$build/screenshots/start-connected.png"
    if wine "$build/bin/kwshot.exe" --connected --timeout 120 "$(winepath -w "$shot")" >/dev/null; then
        echo "Screenshot of the connected main window: $shot"
    else
        echo "start: the main window did not show a connection (see $build/screenshots)" >&2
        wine "$build/bin/kwshot.exe" --timeout 5 "$(winepath -w "$build/screenshots/start.png")" >/dev/null || true
    fi
fi
wait "$program_pid" || true
