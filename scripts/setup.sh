#!/usr/bin/env bash
# Installs the Debian packages the build needs, when they are missing, and configures a build
# folder. Sourced by run.sh and test.sh; call cantrel_build FOLDER [cmake options...].
set -euo pipefail

CANTREL_PACKAGES=(cmake g++ make qt6-base-dev libgtest-dev)

cantrel_install_dependencies()
{
    local missing=()
    for pkg in "${CANTREL_PACKAGES[@]}"; do
        dpkg -s "$pkg" >/dev/null 2>&1 || missing+=("$pkg")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing missing build dependencies: ${missing[*]}"
    local sudo=()
    [ "$(id -u)" -ne 0 ] && sudo=(sudo)
    "${sudo[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y --no-install-recommends "${missing[@]}"
}

cantrel_build()
{
    local dir=$1
    shift
    cmake -S . -B "$dir" "$@" >/dev/null
    cmake --build "$dir" --parallel "$(nproc)"
}
