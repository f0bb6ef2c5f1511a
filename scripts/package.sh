#!/usr/bin/env bash
# Builds the Debian package of vortan2 into build-package/ (or $BUILD_DIR):
#   scripts/package.sh && sudo apt install ./build-package/vortan2_*.deb
# Installs what the build and dpkg-shlibdeps need (Debian 12) when something is missing.
set -euo pipefail
cd "$(dirname "$0")/.."
build="${BUILD_DIR:-build-package}"

. scripts/packages.sh
install_missing "${build_packages[@]}" dpkg-dev

# Only the two programs are packaged: the tests and benchmarks need not be built for it.
cmake -S . -B "$build" -G "Unix Makefiles" -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_INSTALL_PREFIX=/usr -DCMAKE_SKIP_INSTALL_ALL_DEPENDENCY=ON
cmake --build "$build" -j2 --target vortan2 vortan2-sim
rm -f "$build"/vortan2_*.deb
(cd "$build" && cpack -G DEB)
ls "$build"/vortan2_*.deb
