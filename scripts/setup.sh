#!/usr/bin/env bash
# Installs the Debian packages the build needs, when they are missing, and configures a build
# folder. Sourced by run.sh and test.sh; call cantrel_build FOLDER [cmake options...] [-- TARGET...].
set -euo pipefail

# What the program needs to build; the tests add their own through CANTREL_TEST_PACKAGES.
CANTREL_PACKAGES=(cmake g++ make pkg-config qt6-base-dev qt6-tools-dev qt6-l10n-tools libtag1-dev
    liburing-dev libcli11-dev nlohmann-json3-dev)
# GoogleTest, the validators of the desktop entry and the AppStream metadata, and mutagen, the
# independent reader of the ID3v2 tags the program writes. The fuzz targets add clang and its
# libFuzzer (cantrel_install_fuzz_dependencies).
CANTREL_TEST_PACKAGES=(libgtest-dev desktop-file-utils appstream python3-mutagen)

# cantrel_install_dependencies [PACKAGE...]: the build's packages and the ones given.
cantrel_install_dependencies()
{
    local missing=()
    for pkg in "${CANTREL_PACKAGES[@]}" "$@"; do
        dpkg -s "$pkg" >/dev/null 2>&1 || missing+=("$pkg")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing missing build dependencies: ${missing[*]}"
    local sudo=()
    [ "$(id -u)" -ne 0 ] && sudo=(sudo)
    "${sudo[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y --no-install-recommends "${missing[@]}"
}

# cantrel_install_fuzz_dependencies: clang, and the libFuzzer of the clang version installed (the
# package name carries the version: libfuzzer-14-dev goes with clang 14).
cantrel_install_fuzz_dependencies()
{
    cantrel_install_dependencies clang
    local major
    major=$(clang --version | sed -n 's/.*clang version \([0-9][0-9]*\).*/\1/p' | head -n 1)
    if [ -z "$major" ]; then
        echo "Cannot tell the version of clang from: $(clang --version | head -n 1)" >&2
        return 1
    fi
    cantrel_install_dependencies "libfuzzer-$major-dev"
}

cantrel_build()
{
    local dir=$1
    shift
    local options=() targets=()
    while [ $# -gt 0 ] && [ "$1" != "--" ]; do
        options+=("$1")
        shift
    done
    [ $# -gt 0 ] && shift && targets=(--target "$@")
    cmake -S . -B "$dir" "${options[@]}" >/dev/null
    cmake --build "$dir" --parallel "$(nproc)" "${targets[@]}"
}
