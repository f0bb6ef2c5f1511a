#!/usr/bin/env bash
# Builds the Qt for MinGW that the Windows edition uses (Qt 6.4.2: qtbase with the windows and
# offscreen platform plugins, qtserialport, qtcharts, as DLLs) from the sources, into PREFIX.
# About an hour on two cores. Then: VORTAN2_QT_WIN64=PREFIX scripts/windows.sh
#   scripts/build-qt-win64.sh WORKDIR PREFIX QTBASE_SRC SERIALPORT_SRC CHARTS_SRC
# Sources: qtbase from Debian's source package qt6-base 6.4.2+dfsg-10 (apt-get source
# qt6-base, with a deb-src line for Debian 12); qtserialport and qtcharts from the upstream tag
# v6.4.2 (qtserialport-6.4.2.tar.xz and qtcharts-6.4.2.tar.xz in ../shared/toolchains/).
# The tarball in ../shared/toolchains/ was made with this same recipe.
set -euo pipefail
if [ $# -ne 5 ]; then
    sed -n '2,9p' "$0" >&2
    exit 2
fi
. "$(dirname "$0")/packages.sh"
install_missing cmake ninja-build g++-mingw-w64-x86-64-posix mingw-w64-tools qt6-base-dev \
    qt6-base-dev-tools
# The toolchain file is written into PREFIX, so the installed Qt names only paths inside
# itself; source paths in the binaries are made relative to the folder of the three sources.
work=$1 prefix=$2 base=$3 serial=$4 charts=$5
mkdir -p "$work" "$prefix"
srcroot=$(cd "$(dirname "$base")" && pwd)
export CFLAGS="-ffile-prefix-map=$srcroot/= -ffile-prefix-map=$work/=build/"
export CXXFLAGS="$CFLAGS"
tc=$prefix/mingw64.cmake
cat > "$tc" <<'TC'
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(CMAKE_C_COMPILER x86_64-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER x86_64-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER x86_64-w64-mingw32-windres)
set(CMAKE_FIND_ROOT_PATH /usr/x86_64-w64-mingw32)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE BOTH)
TC
common=(-G Ninja -DCMAKE_TOOLCHAIN_FILE="$tc" -DCMAKE_BUILD_TYPE=Release
        -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake
        -DCMAKE_INSTALL_PREFIX="$prefix" -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF)
cmake -S "$base" -B "$work/qtbase" "${common[@]}" -DBUILD_SHARED_LIBS=ON \
  -DFEATURE_sql=OFF -DFEATURE_network=OFF -DFEATURE_dbus=OFF -DFEATURE_opengl=OFF -DFEATURE_dynamicgl=OFF \
  -DFEATURE_vulkan=OFF -DFEATURE_tabletevent=OFF -DFEATURE_direct2d=ON \
  -DFEATURE_concurrent=ON -DFEATURE_testlib=ON -DFEATURE_printsupport=ON
cmake --build "$work/qtbase" --parallel 2
cmake --install "$work/qtbase"
for m in serial:"$serial" charts:"$charts"; do
  name=${m%%:*} src=${m#*:}
  "$prefix/bin/qt-cmake" -S "$src" -B "$work/$name" -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
    -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF
  cmake --build "$work/$name" --parallel 2
  cmake --install "$work/$name"
done
