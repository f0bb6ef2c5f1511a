#!/usr/bin/env bash
# Runs a cross-built test suite under Wine (the suites' CMAKE_CROSSCOMPILING_EMULATOR): Qt Test
# writes its log to a file here, which is then shown, so that CTest sees it; the suite's exit
# code is the result.
exe=$1
shift
log=$(mktemp --suffix=.txt)
wine "$exe" -o "Z:$log,txt" "$@"
rc=$?
cat "$log"
rm -f "$log"
exit $rc
