#!/usr/bin/env bash
# Builds the Windows edition on Debian 12 into build-win64/build/ (or $BUILD_DIR): everything,
# or only the targets named. Cross-built with MinGW-w64 (posix threads) and Qt 6.4.2 for
# MinGW: $VORTAN2_QT_WIN64 when set, else unpacked once into build-win64/ from the tarball in
# ../shared/toolchains/ (scripts/build-qt-win64.sh makes that Qt again from the sources).
# Debian's own Qt supplies the host tools (moc, rcc, uic). The suites then run under Wine:
#   scripts/windows.sh && (cd build-win64/build && ctest -j2)
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
build="${BUILD_DIR:-build-win64/build}"
case $build in /*) ;; *) build=$root/$build ;; esac

. scripts/packages.sh
install_missing "${build_packages[@]}" ninja-build g++-mingw-w64-x86-64-posix mingw-w64-tools \
    nsis wine64 fonts-dejavu-core

tarball="$root/../shared/toolchains/qt-6.4.2-win64-mingw.tar.xz"
qt="${VORTAN2_QT_WIN64:-}"
if [ -z "$qt" ]; then
    qt="$root/build-win64/qt-6.4.2-win64-mingw"
    if [ ! -f "$qt/lib/cmake/Qt6/Qt6Config.cmake" ]; then
        [ -f "$tarball" ] || {
            echo "No Qt for MinGW: set VORTAN2_QT_WIN64, or build one with scripts/build-qt-win64.sh" >&2
            exit 1
        }
        echo "Unpacking $(basename "$tarball") into build-win64/"
        mkdir -p build-win64
        tar -xJf "$tarball" -C build-win64
    fi
fi

# Extra CMake arguments may come in VORTAN2_CMAKE_ARGS (-DVORTAN2_WERROR=ON, a launcher).
# shellcheck disable=SC2086
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw64-posix.cmake" -DCMAKE_PREFIX_PATH="$qt" \
    -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
    ${VORTAN2_CMAKE_ARGS:-} >/dev/null
# The Wine prefix the suites run in, made once. Wine does not hand QT_* variables of the Linux
# environment to a program, so the suites' platform (offscreen) and its fonts are set in the
# prefix's own environment.
if [ ! -f "$build/wine/.vortan2-suites" ]; then
    export WINEPREFIX="$build/wine" WINEDEBUG=-all
    WINEDLLOVERRIDES="mscoree,mshtml=" wineboot -i >/dev/null 2>&1
    wine reg add 'HKCU\Environment' /v QT_QPA_PLATFORM /t REG_SZ /d offscreen /f >/dev/null
    wine reg add 'HKCU\Environment' /v QT_QPA_FONTDIR /t REG_SZ \
        /d 'Z:\usr\share\fonts\truetype\dejavu' /f >/dev/null
    wineserver -w
    touch "$build/wine/.vortan2-suites"
    unset WINEPREFIX WINEDEBUG
fi
if [ $# -gt 0 ]; then
    cmake --build "$build" -j2 --target "$@"
else
    cmake --build "$build" -j2
fi
