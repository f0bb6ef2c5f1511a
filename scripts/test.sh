#!/usr/bin/env bash
# Builds vortan2 and runs every test through CTest, headless. Exits non-zero when a test fails.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
. scripts/packages.sh
install_missing "${test_packages[@]}"
cd build
QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j2 "$@"
