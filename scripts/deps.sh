#!/usr/bin/env bash
# Installs the Debian packages the build needs, or says which ones to install.
# Sourced by run.sh and test.sh; usable alone: scripts/deps.sh [extra packages...]
set -euo pipefail

TOLVANE_PACKAGES=(
    g++ cmake ninja-build pkg-config
    libgtest-dev libgmock-dev libbenchmark-dev
    libhidapi-dev libudev-dev
    libcli11-dev nlohmann-json3-dev
    qt6-base-dev qt6-svg-dev libgl-dev
    fonts-noto-cjk fonts-liberation2
    libexpat1-dev poppler-utils
)

# Making the Debian packages (dpkg-shlibdeps, file), and checking them.
TOLVANE_PACKAGING_PACKAGES=(
    dpkg-dev file
)
TOLVANE_PACKAGE_CHECK_PACKAGES=(
    "${TOLVANE_PACKAGING_PACKAGES[@]}" lintian desktop-file-utils appstream poppler-utils
)

# The windows preset: the cross compiler (posix threads), GoogleTest's sources to build with
# it, wine to run the programs, a virtual X display for the window tests, and the SVG
# rasteriser that turns the artwork into the Windows program's pictures.
TOLVANE_WINDOWS_PACKAGES=(
    g++-mingw-w64-x86-64-posix googletest wine wine64 xvfb xauth librsvg2-bin
)

# The fuzz preset's compiler; libFuzzer itself comes with clang's runtime libraries.
TOLVANE_FUZZ_PACKAGES=(
    clang-14 libclang-rt-14-dev
)

tolvane_missing_packages() {
    local pkg
    for pkg in "$@"; do
        if ! dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed'; then
            printf '%s\n' "$pkg"
        fi
    done
}

tolvane_install_deps() {
    local missing
    mapfile -t missing < <(tolvane_missing_packages "${TOLVANE_PACKAGES[@]}" "$@")
    if [ "${#missing[@]}" -eq 0 ]; then
        return 0
    fi
    if [ "$(id -u)" -ne 0 ]; then
        echo "Missing packages. Install them with:" >&2
        echo "  sudo apt-get install -y ${missing[*]}" >&2
        exit 1
    fi
    echo "Installing: ${missing[*]}"
    export DEBIAN_FRONTEND=noninteractive
    apt-get update -qq
    apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

if [ "${BASH_SOURCE[0]}" = "$0" ]; then
    tolvane_install_deps "$@"
fi
