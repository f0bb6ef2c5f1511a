#!/usr/bin/env bash
# Fault soak: complete device operations (default 10000) through the main window against the
# misbehaving simulated unit, driven tick by tick. Prints operations, faults injected, false
# successes and CPU time; non-zero on any false success, hang or ending without a message.
# usage: scripts/soak.sh [OPERATIONS]
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh tst_faults
VORTAN2_SOAK=${1:-10000} QT_QPA_PLATFORM=offscreen build/tests/faults/tst_faults soak
