#!/bin/bash
# The start command's checks that need no build: refused options and a second
# start command on the same build folder end at once, with a clear message,
# touching nothing; the password of --locked reaches the simulated block 3.
set -euo pipefail

start="$(cd "$(dirname "$0")/../.." && pwd)/tools/start.sh"
tmp="$(mktemp -d)"
pty_pair=""
trap '[ -z "$pty_pair" ] || kill "$pty_pair"; rm -rf "$tmp"' EXIT
failures=0

fail() {
    echo "FAILED: $*"
    failures=$((failures + 1))
}

# expect CODE TEXT ARGS...: start.sh ARGS exits with CODE within seconds and
# says TEXT (a fixed string; "" for no check).
expect() {
    local code="$1" text="$2" out status=0
    shift 2
    out="$(timeout 20 "$start" "$@" 2>&1)" || status=$?
    [ "$status" = "$code" ] || fail "start.sh $* exited with $status, not $code: $out"
    [ -z "$text" ] || grep -qF -- "$text" <<<"$out" || fail "start.sh $* did not say \"$text\": $out"
    printf '%s' "$out"
}

touch "$tmp/plain"
socat "pty,raw,echo=0,link=$tmp/tty" "pty,raw,echo=0,link=$tmp/other" >/dev/null 2>&1 &
pty_pair=$!
for _ in $(seq 1 50); do [ -e "$tmp/tty" ] && break; sleep 0.1; done

help="$(expect 0 "usage: tools/start.sh" --help)"
grep -q "set -euo" <<<"$help" && fail "--help prints the script"

b="$tmp/never" # refused options must not even create the build folder
expect 2 "$tmp/plain is not a serial device" --build "$b" --port "$tmp/plain" >/dev/null
expect 2 "/dev/null is not a serial device" --build "$b" --port /dev/null >/dev/null
expect 2 "no device $tmp/none" --build "$b" --port "$tmp/none" >/dev/null
expect 2 "--port needs a device" --build "$b" --port >/dev/null
expect 2 'not "123456789"' --build "$b" --locked 123456789 >/dev/null
expect 2 'not "12-34"' --build "$b" --locked 12-34 >/dev/null
both="$(expect 2 "simulator options (--silent --locked) do not go with --port" --build "$b" --port "$tmp/plain" --silent --locked)"
grep -qF "is not a serial device" <<<"$both" || fail "a plain file with simulator options is not refused as a device: $both"
pty="$(expect 2 "(--drop 0.1)" --build "$b" --port "$tmp/tty" --drop 0.1)"
grep -qF "not a serial device" <<<"$pty" && fail "a pty is refused as a serial device: $pty"
[ -e "$b" ] && fail "refused options created the build folder"

# A second start command leaves the running one's folder and picture alone.
mkdir -p "$tmp/build/screenshots"
touch "$tmp/build/screenshots/start.png"
exec {running}>"$tmp/build/.start-lock"
flock -n "$running"
expect 2 "another start command is using $tmp/build" --build "$tmp/build" >/dev/null
exec {running}>&-
[ -e "$tmp/build/screenshots/start.png" ] || fail "a refused start command removed the running one's picture"

# The password goes into bytes 36 to 43 of block 3, the other bytes 0.
zeros() { printf '%0*d' "$1" 0; }
# shellcheck source=/dev/null
. "$start"
check_locked() {
    local want="$1"
    shift
    sim_options=() typed=() problems=()
    parse_options "$@"
    [ "${sim_options[*]}" = "$want" ] || fail "$*: the simulator gets ${sim_options[*]}, not $want"
}
check_locked "--block 3:$(zeros 72)3132333435363738$(zeros 32)" --locked
check_locked "--block 3:$(zeros 72)61623132$(zeros 40) --silent" --locked ab12 --silent
check_locked "--cylinders 8 --block 3:$(zeros 72)5a39$(zeros 44)" --cylinders 8 --locked Z9

[ "$failures" -eq 0 ] || exit 1
echo "start command checks passed"
