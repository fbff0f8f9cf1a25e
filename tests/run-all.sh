#!/bin/bash
# Sets up, builds and runs every test under Wine. Usage: tests/run-all.sh [build folder]
set -euo pipefail

root="$(cd "$(dirname "$0")/.." && pwd)"
build="${1:-$root/build}"

packages=(g++-mingw-w64-x86-64-posix wine64 wine xvfb xauth socat cmake ninja-build googletest python3 fonts-liberation fonts-wine)
missing=()
for p in "${packages[@]}"; do
    dpkg -s "$p" >/dev/null 2>&1 || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
    sudo=""
    [ "$(id -u)" -ne 0 ] && sudo="sudo"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

cmake -S "$root" -B "$build" -G Ninja
cmake --build "$build"

. "$root/tests/testenv.sh" "$build"
trap kw_testenv_cleanup EXIT

cd "$build"
# Timing checks can miss under a heavily loaded machine: a failed program
# gets one more run.
ctest --output-on-failure --no-tests=error -j "${KW_TEST_JOBS:-4}" --timeout 600 --repeat until-pass:2
