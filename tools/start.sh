#!/bin/bash
# Starts Kestrelwave on this machine; `tools/start.sh --help` tells how.
set -euo pipefail

usage() {
    cat <<'EOF'
usage: tools/start.sh [--build FOLDER] [--locked [PASSWORD]] [SIMULATOR OPTIONS]
       tools/start.sh [--build FOLDER] --port DEVICE

Installs what is missing (apt-get, through sudo unless run as root), builds
Kestrelwave in FOLDER (default: build in the project folder; the first start
builds for several minutes and needs about 1 GB), prepares a Wine prefix of
its own there and starts the program on COM1.

  --build FOLDER       the build folder
  --port DEVICE        COM1 is DEVICE, the serial device of a real controller
                       (for example /dev/ttyUSB0); no simulator runs
  --locked [PASSWORD]  the simulated controller is locked with PASSWORD, 1 to 8
                       letters and digits (default 12345678); to unlock it,
                       press "Unlock" on the page "Credit And Inspection" and
                       type the password
  -h, --help           this text

Without --port the project's simulated controller answers on COM1. Its
options (kwsim's, but for --port):
  --version N  --hardware C  --cylinders N  --obd-module  --trim-car MASK
  --ecu none|can11|can11-250|can29|can29-250|kline-slow|kline-fast
  --dtc P0301,...  --pending P0171,...  --no-live-data
  --bootloader  --boot-code N  --access-code CODE
  --switch-delay SAMPLES  --switch-never  --block N:HEX  --refuse-block N
  --silent  --drop RATE  --bad-checksum RATE  --garbage RATE[:MAX]
  --stop-after N  --reply-delay MS  --log FILE (the requests it received)

With DISPLAY set the window opens there. Without it the program runs on a
display of its own where nobody can use it, and the command gives a picture
only: FOLDER/screenshots/start.png, of the main window once it is connected,
or of the screen when the program shows a message box (whose text it prints).
Ctrl-C ends the program, then the simulator and the display. One start
command at a time may use a build folder.
EOF
}

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="$root/build"
device=""
sim_options=() # as kwsim takes them
typed=()       # the simulator options as the user gave them
problems=()

# Block 3 with the password in its bytes 36 to 43, the others 0.
locked_block() {
    local hex
    hex="$(printf '%s' "$1" | od -An -tx1 | tr -d ' \n')"
    printf '3:%072d%s%0*d' 0 "$hex" $((48 - ${#hex})) 0
}

# The lock page takes only letters and digits, at most 8.
lock_with() {
    if [[ "$1" =~ ^[A-Za-z0-9]{1,8}$ ]]; then
        sim_options+=(--block "$(locked_block "$1")")
    else
        problems+=("--locked takes a password of 1 to 8 letters and digits, not \"$1\"")
    fi
}

parse_options() {
    local password
    while [ $# -gt 0 ]; do
        case "$1" in
            --port) [ -n "${2:-}" ] || { problems+=("--port needs a device"); return; }
                device="$2"; shift 2 ;;
            --build) [ -n "${2:-}" ] || { problems+=("--build needs a folder"); return; }
                build="$2"; shift 2 ;;
            --locked)
                typed+=("$1")
                shift
                password=12345678
                if [ $# -gt 0 ] && [ "${1#-}" = "$1" ]; then
                    password="$1"
                    typed+=("$1")
                    shift
                fi
                lock_with "$password" ;;
            -h|--help) usage; exit 0 ;;
            *) sim_options+=("$1"); typed+=("$1"); shift ;;
        esac
    done
    [ -z "$device" ] || check_port
}

# A real controller answers on a terminal device; nothing is simulated then.
check_port() {
    [ ${#typed[@]} -eq 0 ] ||
        problems+=("simulator options (${typed[*]}) do not go with --port: no simulator runs, the device answers")
    if [ ! -e "$device" ]; then
        problems+=("no device $device")
    elif [ ! -c "$device" ] || ! stty -F "$device" >/dev/null 2>&1; then
        if [ -c "$device" ] && { [ ! -r "$device" ] || [ ! -w "$device" ]; }; then
            problems+=("$device cannot be opened for reading and writing (is your user in the group dialout?)")
        else
            problems+=("$device is not a serial device (a terminal device such as /dev/ttyUSB0 is expected)")
        fi
    fi
}

# The prefix, its wineserver, the ports and the picture belong to one run.
lock_build() {
    mkdir -p "$build"
    build="$(cd "$build" && pwd)"
    exec 9>"$build/.start-lock"
    if ! flock -n 9; then
        echo "start: another start command is using $build (its Wine prefix, program and simulator);" >&2
        echo "start: end that one first (Ctrl-C there), or give this one a build folder of its own (--build)" >&2
        exit 2
    fi
    rm -f "$build"/screenshots/start*.png
}

install_missing() {
    local packages=(g++-mingw-w64-x86-64-posix wine64 wine xvfb xauth socat cmake ninja-build googletest python3 fonts-liberation fonts-wine)
    local missing=() p sudo=""
    for p in "${packages[@]}"; do
        dpkg -s "$p" >/dev/null 2>&1 || missing+=("$p")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    [ "$(id -u)" -ne 0 ] && sudo="sudo"
    echo "Installing: ${missing[*]}"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

build_program() {
    [ -f "$build/bin/Kestrelwave.exe" ] || echo "Building Kestrelwave in $build (the first build takes several minutes)"
    # A release build whose debug information Wine does not load; once set up,
    # the build itself configures again when it needs to.
    grep -qs '^KW_SPLIT_DEBUG_INFO:BOOL=ON$' "$build/CMakeCache.txt" ||
        cmake -S "$root" -B "$build" -G Ninja -DKW_SPLIT_DEBUG_INFO=ON >/dev/null
    cmake --build "$build" --target kestrelwave kwsim kwshot
}

program_pid=""
xvfb_pid=""
socat_pid=""
sim_pid=""
prefix_used=""

# Waits up to $2 seconds for process $1 to end.
await_end() {
    for _ in $(seq 1 $(($2 * 10))); do
        kill -0 "$1" 2>/dev/null || return 0
        sleep 0.1
    done
    return 1
}

# The program first, as its close box would (a running procedure puts the
# controller back), then what it used: the simulator, the port, the display.
cleanup() {
    trap - EXIT
    trap : INT TERM # a second Ctrl-C only hurries the close
    if [ -n "$program_pid" ] && kill -0 "$program_pid" 2>/dev/null; then
        echo "Ending Kestrelwave"
        if wine "$build/bin/kwshot.exe" --close --timeout 15 >/dev/null 2>&1; then
            await_end "$program_pid" 5 || true
        fi
    fi
    if [ -n "$prefix_used" ]; then
        wineserver -k >/dev/null 2>&1 || true
        wineserver -w >/dev/null 2>&1 || true
        rm -f "$WINEPREFIX"/dosdevices/com[0-9]* "$WINEPREFIX"/kw-com1 "$WINEPREFIX"/kw-sim
    fi
    [ -z "$socat_pid" ] || kill "$socat_pid" 2>/dev/null || true
    if [ -n "$xvfb_pid" ]; then
        kill "$xvfb_pid" 2>/dev/null || true
        await_end "$xvfb_pid" 5 || true
    fi
    wait 2>/dev/null || true
}

start_xvfb() {
    . "$root/tools/xvfb.sh"
    kw_start_xvfb || { echo "start: cannot start Xvfb" >&2; exit 1; }
    xvfb_pid=$KW_XVFB_PID
}

# A prefix of its own: no Mono or Gecko prompt, no crash dialog, the
# program's font faces.
prepare_prefix() {
    export WINEPREFIX="$build/wineprefix-start" WINEARCH=win64 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
    prefix_used=1
    if [ ! -f "$WINEPREFIX/.kw-ready" ]; then
        echo "Preparing the Wine prefix $WINEPREFIX"
        rm -rf "$WINEPREFIX"
        wine wineboot -i >/dev/null 2>&1
        wine reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f >/dev/null 2>&1
        wineserver -w
        touch "$WINEPREFIX/.kw-ready"
    fi
    # Without a window manager Wine must not wait for one.
    local managed=Y
    [ -n "$xvfb_pid" ] && managed=N
    wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d "$managed" /f >/dev/null 2>&1
    . "$root/tools/wine-fonts.sh"
    kw_wine_fonts || echo "start: the font faces could not be mapped" >&2
}

# Wine's device manager maps the host's serial devices (/dev/ttyS0 and the
# like) to COM ports whenever the wineserver starts, and links made before it
# ran are not usable: so start the server, then keep only the ports linked
# here. COM11 is the simulator's end; the program looks at COM1 to COM9 only.
link_ports() {
    wineserver -p >/dev/null 2>&1 || true
    wine cmd /c exit >/dev/null 2>&1 || true
    rm -f "$WINEPREFIX"/dosdevices/com[0-9]*
    if [ -n "$device" ]; then
        ln -s "$device" "$WINEPREFIX/dosdevices/com1"
        echo "COM1 is $device"
        return
    fi
    setsid socat "pty,raw,echo=0,link=$WINEPREFIX/kw-com1" "pty,raw,echo=0,link=$WINEPREFIX/kw-sim" &
    socat_pid=$!
    for _ in $(seq 1 50); do
        [ -e "$WINEPREFIX/kw-com1" ] && [ -e "$WINEPREFIX/kw-sim" ] && break
        sleep 0.1
    done
    ln -s "$WINEPREFIX/kw-com1" "$WINEPREFIX/dosdevices/com1"
    ln -s "$WINEPREFIX/kw-sim" "$WINEPREFIX/dosdevices/com11"
}

start_simulator() {
    [ -n "$device" ] && return
    local ready="$WINEPREFIX/kw-sim-ready" errors="$WINEPREFIX/kw-sim-errors"
    rm -f "$ready"
    setsid wine "$build/bin/kwsim.exe" --port 11 --pace --ready "$(winepath -w "$ready")" "${sim_options[@]}" \
        >/dev/null 2>"$errors" &
    sim_pid=$!
    for _ in $(seq 1 300); do
        if [ -e "$ready" ]; then
            echo "Simulated controller on COM1${typed[*]:+ (${typed[*]})}"
            return
        fi
        kill -0 "$sim_pid" 2>/dev/null || break
        sleep 0.1
    done
    echo "start: the simulator did not start: $(head -n 1 "$errors" | tr -d '\r' | sed 's/^kwsim: //')" >&2
    echo "start: tools/start.sh --help lists the simulator's options" >&2
    exit 1
}

# Headless nobody sees the window: report what it shows.
watch_headless() {
    local shot="$build/screenshots/start.png" text status=0
    mkdir -p "$build/screenshots"
    text="$(wine "$build/bin/kwshot.exe" --connected --timeout 120 "$(winepath -w "$shot")" | tr -d '\r')" ||
        status=$?
    case $status in
        0) echo "Kestrelwave is connected. Picture of its main window: $shot" ;;
        3) echo "Kestrelwave shows a message box:"
            sed 's/^/    /' <<<"$text"
            echo "Picture of the screen with the box: $shot"
            echo "The program waits for OK in this box, which nobody can press without a display; Ctrl-C ends it." ;;
        1) echo "start: Kestrelwave showed no connection within 120 s. Picture of the screen: $shot" >&2 ;;
        *) echo "start: cannot watch Kestrelwave's window" >&2 ;;
    esac
}

main() {
    parse_options "$@"
    if [ ${#problems[@]} -gt 0 ]; then
        printf 'start: %s\n' "${problems[@]}" >&2
        echo "start: tools/start.sh --help tells how to use it" >&2
        exit 2
    fi
    lock_build
    trap cleanup EXIT
    trap 'exit 130' INT TERM
    install_missing
    build_program
    [ -n "${DISPLAY:-}" ] || start_xvfb
    prepare_prefix
    link_ports
    start_simulator
    # The program looks for the controller on the port it used last.
    wine reg add 'HKCU\Software\Kestrelwave' /v 'Last RS nr' /t REG_DWORD /d 1 /f >/dev/null 2>&1 || true

    echo "Starting Kestrelwave (Ctrl-C ends it)"
    setsid wine "$build/bin/Kestrelwave.exe" &
    program_pid=$!
    if [ -n "$xvfb_pid" ]; then
        watch_headless
    else
        echo "Kestrelwave opens on the display $DISPLAY"
    fi
    wait "$program_pid" || true
    program_pid=""
    echo "Kestrelwave has ended"
}

# Sourced by the start command's test, which calls the functions itself.
if [ "${BASH_SOURCE[0]}" = "$0" ]; then
    main "$@"
fi
