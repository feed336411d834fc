#!/usr/bin/env bash
# Installs what is missing, then builds and runs every test twice: once as shipped, once under
# AddressSanitizer and UndefinedBehaviorSanitizer, and then runs every fuzz target for 30 seconds.
# The last line is CTest's summary of both test runs.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/setup.sh
cantrel_install_dependencies "${CANTREL_TEST_PACKAGES[@]}"
export QT_QPA_PLATFORM=offscreen
log=$(mktemp)
trap 'rm -f "$log"' EXIT

run_tests()
{
    local dir=$1
    shift
    (cd "$dir" && env "$@" ctest --output-on-failure --timeout 600 -j "$(nproc)") | tee -a "$log"
}

cantrel_build build -DBUILD_TESTING=ON -DCANTREL_WERROR=ON
run_tests build

cantrel_build build-sanitize -DBUILD_TESTING=ON -DCANTREL_SANITIZE=ON -DCANTREL_WERROR=ON -DCMAKE_BUILD_TYPE=Debug
run_tests build-sanitize ASAN_OPTIONS=detect_leaks=0 UBSAN_OPTIONS=print_stacktrace=1

# Every fuzz target for 30 seconds (clang and libFuzzer, its own build folder); a finding fails
# the run once the summary is printed.
fuzz_status=0
scripts/fuzz.sh 30 || fuzz_status=1

# CTest lists skipped tests after its summary; end on the summary itself.
echo
grep -E '^[0-9]+% tests passed' "$log" | tail -n 1
exit $fuzz_status
