#!/usr/bin/env bash
# Builds and starts vortan2. Without arguments it runs against the built-in simulated unit
# (--demo); with arguments (for example ENGLISH, or nothing but a configured port: pass
# --port) they go to the program.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
if [ $# -eq 0 ]; then
    exec build/app/vortan2 --demo
elif [ "$1" = "--port" ]; then
    shift
    exec build/app/vortan2 "$@"
else
    exec build/app/vortan2 "$@"
fi
