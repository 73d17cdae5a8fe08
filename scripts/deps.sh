#!/usr/bin/env bash
# Installs the Debian packages the project needs, only when something is missing.
set -euo pipefail

packages=(
    cmake ninja-build g++ pkg-config
    qt6-base-dev qt6-base-dev-tools qt6-qpa-plugins
    libgtest-dev libgmock-dev libbenchmark-dev
    xvfb xauth fonts-dejavu-core
    locales clang libclang-rt-14-dev
    # The installed tree's checks and the Debian package (cpack -G DEB reads the programs'
    # library dependencies with dpkg-shlibdeps).
    desktop-file-utils appstream shared-mime-info groff-base xdotool dpkg-dev
)
# kiv.dll: the MinGW-w64 cross compiler, its IDL compiler, the system IDL files (from Wine's
# development files) and Wine to register and run it. Their recommends (32-bit Wine, fonts,
# multimedia) are not needed.
bare_packages=(g++-mingw-w64-x86-64 mingw-w64-tools libwine-dev wine wine64)

missing_from() {
    for p in "$@"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || echo "$p"
    done
}
mapfile -t missing < <(missing_from "${packages[@]}")
mapfile -t missing_bare < <(missing_from "${bare_packages[@]}")

if [ ${#missing[@]} -gt 0 ] || [ ${#missing_bare[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]} ${missing_bare[*]}"
    SUDO=""
    [ "$(id -u)" -ne 0 ] && SUDO="sudo"
    $SUDO apt-get update -qq
    if [ ${#missing[@]} -gt 0 ]; then
        DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq "${missing[@]}"
    fi
    if [ ${#missing_bare[@]} -gt 0 ]; then
        DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends \
            "${missing_bare[@]}"
    fi
fi
