#!/usr/bin/env bash
# Installs what is missing, then builds and runs the tests.
#
#   ./test.sh          the quick check that a checkout works: one build, every test
#   ./test.sh --all    also every test again under AddressSanitizer and
#                      UndefinedBehaviorSanitizer, and every fuzz target for 30 seconds (CI)
#
# The last line is CTest's summary of the test runs.
set -euo pipefail
cd "$(dirname "$0")"
all=false
case ${1-} in
    "") ;;
    --all) all=true ;;
    *)
        echo "usage: ./test.sh [--all]" >&2
        exit 2
        ;;
esac
source scripts/setup.sh
cantrel_install_dependencies "${CANTREL_TEST_PACKAGES[@]}"
$all && cantrel_install_fuzz_dependencies
export QT_QPA_PLATFORM=offscreen
log=$(mktemp)
trap 'rm -f "$log"' EXIT

run_tests()
{
    local dir=$1
    shift
    (cd "$dir" && env "$@" ctest --output-on-failure --timeout 600 -j "$(nproc)") | tee -a "$log"
}

summary()
{
    # CTest lists skipped tests after its summary; end on the summary itself.
    echo
    grep -E '^[0-9]+% tests passed' "$log" | tail -n 1
}

cantrel_build build -DBUILD_TESTING=ON -DCANTREL_WERROR=ON
run_tests build
if ! $all; then
    summary
    exit 0
fi

cantrel_build build-sanitize -DBUILD_TESTING=ON -DCANTREL_SANITIZE=ON -DCANTREL_WERROR=ON -DCMAKE_BUILD_TYPE=Debug
run_tests build-sanitize ASAN_OPTIONS=detect_leaks=0 UBSAN_OPTIONS=print_stacktrace=1

# Every fuzz target for 30 seconds (clang and libFuzzer, its own build folder); a finding fails
# the run once the summary is printed.
fuzz_status=0
scripts/fuzz.sh 30 || fuzz_status=1
summary
exit $fuzz_status
