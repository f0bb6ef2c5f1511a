#!/usr/bin/env bash
# Installs what the build needs (Debian 12) when something is missing, then configures and
# builds into build/: everything, or only the targets named. Quick when nothing changed.
set -euo pipefail
cd "$(dirname "$0")/.."

. scripts/packages.sh
install_missing "${build_packages[@]}"

# Configured every time (quick), so that test folders added since are found. Extra CMake
# arguments may come in VORTAN2_CMAKE_ARGS (CI sets -DVORTAN2_WERROR=ON).
# shellcheck disable=SC2086
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo ${VORTAN2_CMAKE_ARGS:-} >/dev/null
if [ $# -gt 0 ]; then
    cmake --build build -j2 --target "$@"
else
    cmake --build build -j2
fi
