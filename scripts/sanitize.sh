#!/usr/bin/env bash
# Builds everything with AddressSanitizer and UBSan into build-asan/ and runs the whole CTest
# suite under them. Any finding stops its test and fails the run. Extra words go to ctest.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD

packages=(cmake g++ make qt6-base-dev qt6-serialport-dev qt6-translations-l10n
          libgl-dev qt6-qpa-plugins)
missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
    SUDO=""
    [ "$(id -u)" -ne 0 ] && SUDO="sudo"
    $SUDO env DEBIAN_FRONTEND=noninteractive apt-get update -qq
    $SUDO env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "${missing[@]}"
fi

build=build-asan
# Configured every time, so that test folders added since are found.
cmake -S . -B "$build" -G "Unix Makefiles" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DVORTAN2_SANITIZE=ON >/dev/null
cmake --build "$build" -j2

export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
# Leaks inside Qt's and the system's libraries only; each entry says why.
export LSAN_OPTIONS=suppressions=$root/scripts/sanitize.supp:print_suppressions=0
cd "$build"
QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j2 "$@"
