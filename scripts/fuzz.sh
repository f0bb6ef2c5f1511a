#!/usr/bin/env bash
# Builds the libFuzzer targets (clang, ASan + UBSan) into build-fuzz/ and runs each for
# SECONDS_PER_TARGET seconds (default 15) from its seeds in fuzz/corpus/<target>/.
# Non-zero when a target finds a crash, a sanitizer report or a broken check; the input
# that did it is left in build-fuzz/findings/.
#   scripts/fuzz.sh [SECONDS_PER_TARGET] [TARGET...]
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
seconds=${1:-15}
shift || true
targets=("$@")
[ ${#targets[@]} -gt 0 ] || targets=(fuzz_paramfile fuzz_lastimage fuzz_inifile fuzz_frames fuzz_logcsv)

# clang and its runtimes (libFuzzer, sanitizers) besides what the normal build needs.
. scripts/packages.sh
install_missing "${build_packages[@]}" clang libclang-rt-dev

build=build-fuzz
[ -f "$build/CMakeCache.txt" ] ||
    cmake -S . -B "$build" -G "Unix Makefiles" -DCMAKE_CXX_COMPILER=clang++ \
        -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVORTAN2_FUZZ=ON
cmake --build "$build" -j2 --target "${targets[@]}"

export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
export QT_QPA_PLATFORM=offscreen
findings=$root/$build/findings
mkdir -p "$findings"
failed=()
for t in "${targets[@]}"; do
    # New inputs go to a scratch corpus; the committed seeds stay as they are.
    work=$root/$build/corpus/$t
    mkdir -p "$work"
    echo "== $t: ${seconds}s"
    if ! "$build/fuzz/$t" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
        -artifact_prefix="$findings/$t-" -print_final_stats=1 "$work" "fuzz/corpus/$t" \
        >"$build/$t.log" 2>&1; then
        failed+=("$t")
        tail -n 60 "$build/$t.log"
    fi
    grep -E "^stat::number_of_executed_units|^Done [0-9]+ runs" "$build/$t.log" || true
done
passed=$((${#targets[@]} - ${#failed[@]}))
if [ ${#failed[@]} -gt 0 ]; then
    echo "findings in ${failed[*]} (inputs in $findings)"
fi
echo "fuzz: $passed passed, ${#failed[@]} failed"
[ ${#failed[@]} -eq 0 ]
