#!/usr/bin/env bash
# Builds and starts vortan2. By default it runs against the built-in simulated unit (--demo);
# `--port` as the first word uses the port configured in the settings file instead (a real
# unit). Further words go to the program, e.g. `scripts/run.sh ENGLISH`.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh vortan2 vortan2-sim
if [ "${1:-}" = "--port" ]; then
    shift
    exec build/app/vortan2 "$@"
fi
exec build/app/vortan2 "$@" --demo
