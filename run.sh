#!/usr/bin/env bash
# Installs what is missing, builds the program alone (no tests), and starts Cantrel with the
# arguments given (a folder or a file to open).
set -euo pipefail
cd "$(dirname "$0")"
source scripts/setup.sh
cantrel_install_dependencies
cantrel_build build -DBUILD_TESTING=OFF -- cantrel
exec ./build/cantrel "$@"
