#!/usr/bin/env bash
# Runs every fuzz target of fuzz/ for SECONDS each and prints, per target, the runs, the runs per
# second, the coverage (libFuzzer's "cov:", the instrumented edges reached) and whether it found
# anything.
#
#   scripts/fuzz.sh SECONDS [TARGET...]        (default: every target; names without "_fuzz")
#
# Builds with clang into build-fuzz (-DCANTREL_FUZZ=ON). Each target starts from its seeds
# (fuzz/corpus/<target>) and kept inputs (fuzz/regressions/<target>) and grows a working corpus
# in build-fuzz/fuzz-runs/<target>/corpus, which later runs reuse. A finding is left there as
# crash-*, timeout-*, leak-* or oom-*, with the fuzzer's log: copy it into fuzz/regressions/<target>/
# once the fault is fixed. Targets run at the lowest priority, FUZZ_JOBS (default 2) at a time;
# the exit code is 1 when any target found something.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
seconds=${1:?usage: scripts/fuzz.sh SECONDS [TARGET...]}
shift
jobs=${FUZZ_JOBS:-2}
build=${FUZZ_BUILD:-build-fuzz}

targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
    for src in fuzz/*_fuzz.cpp; do
        name=$(basename "$src" .cpp)
        targets+=("${name%_fuzz}")
    done
fi

launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
cmake -S . -B "$build" -DCANTREL_FUZZ=ON -DBUILD_TESTING=OFF -DCMAKE_CXX_COMPILER=clang++ \
    -DCMAKE_BUILD_TYPE=RelWithDebInfo "${launcher[@]}" >/dev/null
cmake --build "$build" --parallel "$(nproc)" --target "${targets[@]/%/_fuzz}" \
    >"$build/fuzz-build.log" 2>&1 || { tail -n 30 "$build/fuzz-build.log"; exit 1; }

# the MPEG target rewrites a scratch file for every input, and the settings target its stores:
# keep them in memory where possible
scratch=$(mktemp -d "$( [ -d /dev/shm ] && echo /dev/shm || echo "${TMPDIR:-/tmp}")/cantrel-fuzz.XXXXXX")
trap 'rm -rf "$scratch"' EXIT

run_target()
{
    local name=$1
    local work=$build/fuzz-runs/$name
    mkdir -p "$work/corpus"
    rm -f "$work"/crash-* "$work"/timeout-* "$work"/leak-* "$work"/oom-* "$work"/slow-unit-*
    local seeds=()
    for dir in fuzz/corpus/"$name" fuzz/regressions/"$name"; do
        [ -d "$dir" ] && seeds+=("$dir")
    done
    # the settings target spends most of its time in Qt's many small allocations: a smaller
    # quarantine of freed memory nearly doubles its speed
    local asan=${ASAN_OPTIONS:-}
    [ "$name" = settings_values ] && [ -z "$asan" ] && asan=quarantine_size_mb=16
    mkdir -p "$scratch/$name"
    ASAN_OPTIONS=$asan TMPDIR=$scratch/$name nice -n 19 "$build/fuzz/${name}_fuzz" \
        -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
        -artifact_prefix="$work/" \
        "$work/corpus" "${seeds[@]}" >"$work/log.txt" 2>&1 || true
}

# a summary line of one target from its log
summarize()
{
    local name=$1
    local work=$build/fuzz-runs/$name
    local runs cov found
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$work/log.txt" | tail -n 1)
    cov=$(grep -oE 'cov: [0-9]+' "$work/log.txt" | tail -n 1 | cut -d' ' -f2)
    found=$(cd "$work" && ls -d crash-* timeout-* leak-* oom-* 2>/dev/null | tr '\n' ' ')
    if [ -z "$found" ] && grep -qE '^==[0-9]+==ERROR|^SUMMARY: ' "$work/log.txt"; then
        found="(see $work/log.txt)"
    fi
    printf '%-18s %10s %8s %6s  %s\n' "$name" "${runs:-0}" "$(( ${runs:-0} / seconds ))" \
        "${cov:-?}" "${found:-none}"
    [ -z "$found" ]
}

pids=()
for name in "${targets[@]}"; do
    run_target "$name" &
    pids+=($!)
    if [ ${#pids[@]} -ge "$jobs" ]; then
        wait "${pids[0]}"
        pids=("${pids[@]:1}")
    fi
done
wait

status=0
printf '%-18s %10s %8s %6s  %s\n' target runs runs/s cov found
for name in "${targets[@]}"; do
    summarize "$name" || status=1
done
exit $status
