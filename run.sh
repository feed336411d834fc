#!/usr/bin/env bash
# Installs what is missing, builds, and starts Cantrel.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/setup.sh
cantrel_install_dependencies
cantrel_build build
exec ./build/cantrel "$@"
