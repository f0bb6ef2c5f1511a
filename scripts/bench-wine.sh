#!/usr/bin/env bash
# Start-up of the Windows edition under Wine: from the launch to the main window's first paint,
# vortan2 (bench/startup_vortan2: main.cpp's start-up, quitting after the first paint) beside a
# minimal Qt program (bench/startup_minimal), both cross-built, run in turns in the same Wine
# prefix on an X display of its own (the windows platform, as a tuner sees it), with the settings
# naming no port (ComPort=0). The Wine server stays up between the runs, so that the figures are
# the programs' start, not Wine's; one run of each first warms the caches. Memory: the working
# set and its peak at the first paint, as Windows reports them to the program (under Wine, the
# resident memory of the wine process that runs it). Prints Markdown rows; the medians of RUNS.
# usage: scripts/bench-wine.sh [RUNS]   (after scripts/windows.sh; DISPLAY_NUMBER, default 18)
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-7}
win="$PWD/build-win64"
work="$win/bench"
display=":${DISPLAY_NUMBER:-18}"

. scripts/packages.sh
install_missing xvfb
cmake --build "$win/build" --target vortan2 startup_minimal startup_vortan2 >/dev/null
. scripts/wine-run.sh
cp "$win/build/startup_minimal.exe" "$win/build/startup_vortan2.exe" "$work/Vortan2/"

fresh_settings 0
start_xvfb
wineserver -p </dev/null >/dev/null 2>&1
wine wineboot >/dev/null 2>&1 # Wine's own background programs, before the first run

# One run: "milliseconds working-set-KiB peak-KiB".
run() {
    local start out
    start=$(date +%s%N)
    out=$(wine "$work/Vortan2/$1.exe" ENGLISH 2>/dev/null | tr -d '\r' | grep '^shown ' || true)
    [ -n "$out" ] || { echo "FAIL: $1 reported no first paint" >&2; exit 1; }
    set -- $out
    echo "$(((${2} - start) / 1000000)) $4 $6"
}
median() { sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }

run startup_minimal >/dev/null
run startup_vortan2 >/dev/null
: >"$work/startup_minimal" && : >"$work/startup_vortan2"
for _ in $(seq "$runs"); do
    run startup_minimal >>"$work/startup_minimal"
    run startup_vortan2 >>"$work/startup_vortan2"
done
load=$(cut -d' ' -f1-3 /proc/loadavg)
for p in startup_vortan2 startup_minimal; do
    printf '%s %s %s %s\n' "$p" "$(cut -d' ' -f1 "$work/$p" | median)" \
        "$(cut -d' ' -f2 "$work/$p" | median)" "$(cut -d' ' -f3 "$work/$p" | median)"
done >"$work/medians"
read -r _ v_ms v_ws v_peak < <(grep '^startup_vortan2 ' "$work/medians")
read -r _ m_ms m_ws m_peak < <(grep '^startup_minimal ' "$work/medians")
echo "| Start-up to first paint under Wine (median of $runs, load $load) | vortan2 $v_ms ms, minimal Qt program $m_ms ms |"
echo "| Memory at first paint under Wine (working set, its peak) | vortan2 $((v_ws / 1024)) MiB ($((v_peak / 1024)) MiB), minimal Qt program $((m_ws / 1024)) MiB ($((m_peak / 1024)) MiB) |"
