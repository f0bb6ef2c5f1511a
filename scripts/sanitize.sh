#!/usr/bin/env bash
# Builds everything with AddressSanitizer and UBSan into build-asan/ and runs the whole CTest
# suite under them. Any finding stops its test and fails the run. Extra words go to ctest.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD

. scripts/packages.sh
install_missing "${build_packages[@]}"

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
