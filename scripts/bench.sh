#!/usr/bin/env bash
# Builds the benchmarks (Release, in build-bench) and prints one table of measured figures
# as Markdown: start-up against a minimal Qt program, memory, tick costs, CPU use and device
# operation times. All on the offscreen platform; no serial port is touched.
# usage: scripts/bench.sh [--long]
#   --long  memory and CPU of --demo over 10 minutes instead of 60 s
set -euo pipefail
cd "$(dirname "$0")/.."
build=${BENCH_BUILD_DIR:-build-bench}
demo_seconds=60
[ "${1:-}" = "--long" ] && demo_seconds=600
runs=${BENCH_STARTUP_RUNS:-10}

cmake -S . -B "$build" -G "Unix Makefiles" -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build" -j2 --target vortan2 startup_minimal startup_floor startup_vortan2 bench_startup \
    bench_window bench_mapediting bench_cpu bench_operations bench_log >/dev/null
b=$build/bench
# The raw output of each program stays beside the build for a closer look.
out=$build/bench-results
rm -rf "$out"
mkdir -p "$out"
export QT_QPA_PLATFORM=offscreen
# Other work on the machine shows in the p99 figures: note how busy it was.
load=$(cut -d' ' -f1-3 /proc/loadavg)

# Start-up first and alone: the launches of the background runs below would land in its runs.
"$b/bench_startup" "$runs" "$b/startup_vortan2" "$b/startup_minimal" "$b/startup_floor" \
    >"$out/startup"

# No port: ComPort=0 opens nothing, so the idle figure never waits on a UART.
printf '[FORM_HLAV]\nComPort=0\n' >"$out/noport.ini"
# CPU and memory runs mostly sleep; they go on in the background while the rest is timed.
BENCH_SETTINGS=$out/noport.ini "$b/bench_cpu" "$build/app/vortan2" 60 ENGLISH >"$out/idle" &
idle_pid=$!
"$b/bench_cpu" "$build/app/vortan2" "$demo_seconds" --demo >"$out/demo" &
demo_pid=$!

"$b/bench_window" >"$out/window" 2>"$out/window.err"
"$b/bench_mapediting" >>"$out/window" 2>>"$out/window.err"
"$b/bench_operations" >"$out/operations"
"$b/bench_log" >"$out/log" 2>"$out/log.err"
wait "$idle_pid" "$demo_pid"

# ---- table ----------------------------------------------------------------------------
field() { sed -nE "$2" "$1"; }
mib() { awk -v k="$1" 'BEGIN { printf "%.1f MiB", k / 1024 }'; }
cpu_of() { field "$1" 's/.*= ([0-9.]+) % of one core.*/\1/p'; }
rss_start() { field "$1" 's/.*resident ([0-9-]+) KiB -> .*/\1/p'; }
rss_end() { field "$1" 's/.* -> ([0-9-]+) KiB.*/\1/p'; }

model=$(lscpu | sed -nE 's/^Model name: +//p' | head -1)
span=$([ "$demo_seconds" = 600 ] && echo "10 min" || echo "60 s (default run; --long: 10 min)")

echo "Machine: ${model:-unknown CPU}, $(nproc) cores, Linux $(uname -r), offscreen platform," \
    "Release build, $(date +%Y-%m-%d), load average at start $load"
echo
echo "| Figure | Measured | Target / reference |"
echo "|---|---|---|"
v=$(field "$out/startup" 's/^startup .*startup_vortan2 median ([0-9.]+) ms min ([0-9.]+) ms max ([0-9.]+) ms.*/\1 ms (min \2, max \3)/p')
m=$(field "$out/startup" 's/^startup .*startup_minimal median ([0-9.]+) ms min ([0-9.]+) ms max ([0-9.]+) ms.*/\1 ms (min \2, max \3)/p')
f=$(field "$out/startup" 's/^startup .*startup_floor median ([0-9.]+) ms min ([0-9.]+) ms max ([0-9.]+) ms.*/\1 ms (min \2, max \3)/p')
r=$(field "$out/startup" 's/^startup ratio ([0-9.]+)/\1/p')
rf=$(field "$out/startup" 's/^startup ratio to .*startup_floor ([0-9.]+)/\1/p')
echo "| start-up to first painted window, vortan2 (median of $runs) | $v | |"
echo "| start-up, floor: the controls visible at start alone (median of $runs) | $f | |"
echo "| start-up, minimal QMainWindow + label (median of $runs) | $m | |"
echo "| start-up ratio vortan2 / floor | ${rf}x | ≤ 1.2x |"
echo "| start-up ratio vortan2 / minimal | ${r}x | |"
mem() { field "$out/startup" "s/^memory .*$1 at first paint median resident ([0-9]+) KiB.*/\1/p"; }
mr=$(field "$out/startup" 's/^memory ratio ([0-9.]+)/\1/p')
echo "| resident memory at first paint, vortan2 / minimal (median of $runs) | $(mib "$(mem startup_vortan2)") / $(mib "$(mem startup_minimal)") (${mr}x) | |"
echo "| resident memory at first paint, floor (median of $runs) | $(mib "$(mem startup_floor)") | |"
echo "| resident memory after start (--demo, 2 s after launch) | $(mib "$(rss_start "$out/demo")") | |"
echo "| resident memory of --demo after $span | $(mib "$(rss_end "$out/demo")") | no growth |"
echo "| resident memory, idle without port (2 s / 62 s) | $(mib "$(rss_start "$out/idle")") / $(mib "$(rss_end "$out/idle")") | |"
sed -nE 's/^(.*[^ ]) +median +([0-9.]+) ms +p99 +([0-9.]+) ms +target < ([0-9.]+) ms$/| \1 | median \2 ms, p99 \3 ms | < \4 ms |/p' \
    "$out/window"
echo "| CPU, idle program without port, over 60 s | $(cpu_of "$out/idle") % of one core | |"
echo "| CPU, --demo over $span | $(cpu_of "$out/demo") % of one core | < 1 % |"
sed -nE 's/^(.*[^ ]) +ticks +([0-9]+) \(floor ([0-9]+), +([0-9]+) ms\)( ABOVE FLOOR)? +wall +([0-9.]+) ms +(.*)$/| \1 | \2 ticks, \6 ms wall, \7\5 | floor \3 ticks (\4 ms at 55 ms) |/p' \
    "$out/operations"
sed -nE -e 's/^(.*[^ ]) +median +([0-9.]+) ms +p99 +([0-9.]+) ms +target < ([0-9.]+) ms$/| \1 | median \2 ms, p99 \3 ms | < \4 ms |/p' \
    -e 's/^(.*[^ ]) += (.*[^ ]) +target (.*)$/| \1 | \2 | \3 |/p' "$out/log"
