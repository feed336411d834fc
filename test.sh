#!/usr/bin/env bash
# Installs what is missing, then builds and runs every test twice: once as shipped, once under
# AddressSanitizer and UndefinedBehaviorSanitizer. The last line is CTest's summary.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/setup.sh
cantrel_install_dependencies
export QT_QPA_PLATFORM=offscreen

cantrel_build build -DCANTREL_WERROR=ON
(cd build && ctest --output-on-failure --timeout 300 -j "$(nproc)")

cantrel_build build-sanitize -DCANTREL_SANITIZE=ON -DCANTREL_WERROR=ON -DCMAKE_BUILD_TYPE=Debug
cd build-sanitize
ASAN_OPTIONS=detect_leaks=0 UBSAN_OPTIONS=print_stacktrace=1 \
    ctest --output-on-failure --timeout 600 -j "$(nproc)"
