#!/usr/bin/env bash
# Builds the fuzz targets and runs each for a bounded time on a scratch copy
# of its committed seed corpus (fuzz/corpus/<target>), one per core at a time.
#   scripts/fuzz.sh [seconds-per-target] [target...]
# FUZZ_MAX_RUNS=<n> also ends each target after n executions; FUZZ_SEED=<n>
# fixes libFuzzer's random seed (0, the default, picks one); FUZZ_JOBS=<n>
# runs n targets side by side (default: one per core). Prints executions per
# target; fails when a target crashed, leaving the crashing input in
# build/fuzz/runs/<target>/ (override with BUILD_ROOT).
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build_root="${BUILD_ROOT:-$root/build}"
seconds="${1:-60}"
shift || true
# A single input running longer than this counts as a hang.
input_timeout=25

"$root/scripts/setup.sh"
"$root/scripts/build.sh" fuzz >/dev/null

fuzzers="$build_root/fuzz/fuzzers"
targets=("$@")
if [ "${#targets[@]}" -eq 0 ]; then
    for binary in "$fuzzers"/fuzz_*; do
        name="$(basename "$binary")"
        [ "$name" = fuzz_seed_writer ] || targets+=("$name")
    done
fi

# A smaller quarantine and shorter allocation stacks than ASan's defaults:
# use-after-free is still caught for recent frees, and the targets that
# allocate on every key run about a fifth faster.
export ASAN_OPTIONS="${ASAN_OPTIONS:-quarantine_size_mb=16:malloc_context_size=5}"

# Each target runs on a core of its own, as many side by side as there are
# cores: every target still gets its full time, the whole pass less of it.
jobs="${FUZZ_JOBS:-$(nproc 2>/dev/null || echo 1)}"

run_target() {
    local target="$1" run="$build_root/fuzz/runs/$1" status=0
    rm -rf "$run"
    mkdir -p "$run/corpus"
    if [ -d "$root/fuzz/corpus/$target" ]; then cp -r "$root/fuzz/corpus/$target/." "$run/corpus/"; fi
    "$fuzzers/$target" -max_total_time="$seconds" -runs="${FUZZ_MAX_RUNS:--1}" -seed="${FUZZ_SEED:-0}" -timeout="$input_timeout" -print_final_stats=1 \
        -artifact_prefix="$run/" "$run/corpus" >"$run/log" 2>&1 || status=$?
    echo "$status" >"$run/status"
}

for target in "${targets[@]}"; do
    while [ "$(jobs -rp | wc -l)" -ge "$jobs" ]; do wait -n || true; done
    run_target "$target" &
done
wait

failed=()
printf '%-26s %12s %10s  %s\n' target executions exec/s result
for target in "${targets[@]}"; do
    run="$build_root/fuzz/runs/$target"
    status="$(cat "$run/status" 2>/dev/null || echo '?')"
    executions="$(sed -n 's/^stat::number_of_executed_units: *//p' "$run/log" | tail -1)"
    speed="$(sed -n 's/^stat::average_exec_per_sec: *//p' "$run/log" | tail -1)"
    result=ok
    if [ "$status" != 0 ]; then
        result="CRASH (exit $status): $(ls "$run" | grep -E '^(crash|leak|timeout|oom)-' | head -1 || true)"
        failed+=("$target")
    fi
    printf '%-26s %12s %10s  %s\n' "$target" "${executions:-?}" "${speed:-?}" "$result"
done

if [ "${#failed[@]}" -gt 0 ]; then
    echo "Fuzz targets that failed: ${failed[*]} (inputs and logs in $build_root/fuzz/runs/)"
    exit 1
fi
