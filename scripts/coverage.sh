#!/usr/bin/env bash
# Line coverage of the whole test suite, per top folder of the sources.
#
#   scripts/coverage.sh [--core] [BUILD_DIR]      (default: build-coverage)
#
# Builds with -DCANTREL_COVERAGE=ON into its own folder, runs every test, and prints the covered
# and total lines of each folder. --core builds and runs only the GoogleTest programs (no windows,
# no window tests): much faster, and the figures of ui/ are then left out. Needs gcovr (Debian: apt-get install gcovr); it is not part of
# ./test.sh or CI. Set CANTREL_COVERAGE_JOBS to change the build's parallelism (default 2).
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
core=0
if [ "${1:-}" = "--core" ]; then
    core=1
    shift
fi
build=${1:-build-coverage}
jobs=${CANTREL_COVERAGE_JOBS:-2}

command -v gcovr >/dev/null || { echo "coverage.sh: gcovr is not installed" >&2; exit 2; }

launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
cmake -S . -B "$build" -DCANTREL_COVERAGE=ON -DCMAKE_BUILD_TYPE=Debug "${launcher[@]}" >/dev/null
targets=()
ctest_filter=()
folders=(engine scan extract catalogue workspace batch settings ui cli)
if [ "$core" -eq 1 ]; then
    targets=(--target engine_tests scan_tests extract_tests catalogue_tests workspace_tests
        batch_tests settings_tests cli_tests)
    # window tests are named after their file (*_test), GoogleTest cases Suite.Case
    ctest_filter=(-E '_test(_fresh_config)?$')
    folders=(engine scan extract catalogue workspace batch settings cli)
fi
cmake --build "$build" -j"$jobs" "${targets[@]}" >"$build/build.log" 2>&1 ||
    { tail -n 30 "$build/build.log"; exit 1; }

# Counters add up across runs: start from zero.
find "$build" -name '*.gcda' -delete
(cd "$build" && QT_QPA_PLATFORM=offscreen ctest -j"$jobs" --timeout 600 "${ctest_filter[@]}" >ctest.log 2>&1) ||
    { grep -E 'tests passed|Failed|\*\*\*' "$build/ctest.log" | tail -n 20; echo "coverage.sh: tests failed" >&2; }

filters=()
for f in "${folders[@]}"; do filters+=(--filter "$root/$f/"); done
# ccache with CCACHE_BASEDIR compiles with source paths relative to the build folder, so gcov
# must run there for them to resolve.
gcovr -j "$jobs" --root "$root" --object-directory "$build" "${filters[@]}" --json-summary "$build/summary.json" "$build" >/dev/null 2>"$build/gcovr.log"

python3 - "$build/summary.json" "${folders[@]}" <<'PY'
import json, sys
files = json.load(open(sys.argv[1]))["files"]
print(f"{'folder':<10} {'covered':>8} {'lines':>7} {'percent':>8}")
all_c = all_t = 0
for folder in sys.argv[2:]:
    c = sum(f["line_covered"] for f in files if f["filename"].startswith(folder + "/"))
    t = sum(f["line_total"] for f in files if f["filename"].startswith(folder + "/"))
    all_c += c
    all_t += t
    print(f"{folder:<10} {c:>8} {t:>7} {100.0 * c / t if t else 0:>7.1f}%")
print(f"{'total':<10} {all_c:>8} {all_t:>7} {100.0 * all_c / all_t if all_t else 0:>7.1f}%")
PY
