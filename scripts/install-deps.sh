#!/usr/bin/env bash
# Installs the Debian packages that building and testing Brelvix need, when
# any is missing. Run as root on Debian 12.
set -euo pipefail

PACKAGES=(
    cmake g++ make googletest python3
    mingw-w64 g++-mingw-w64-x86-64-posix g++-mingw-w64-i686-posix binutils-mingw-w64-x86-64
    wine wine64 xvfb xdotool x11-utils imagemagick
    xserver-xorg-core xserver-xorg-video-dummy x11-xserver-utils
    gstreamer1.0-plugins-base gstreamer1.0-plugins-good gstreamer1.0-libav
    sox lame fonts-liberation2 fonts-wine
    clang libclang-rt-14-dev
    nsis zip
)

# The setup is a 32-bit program: Wine runs it (and a 32-bit Windows) with its
# 32-bit half, which comes from the i386 side of the archive. Where the kernel
# runs no 32-bit code that half cannot start, and installed it would make
# `wine` pick it and fail on everything: there it is left out.
added_i386=false
if "$(dirname "$0")/runs-32bit"; then
    PACKAGES+=(wine32:i386)
    if ! dpkg --print-foreign-architectures | grep -qx i386; then
        dpkg --add-architecture i386
        added_i386=true
    fi
fi

missing=()
for pkg in "${PACKAGES[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$pkg")
    fi
done

if [ ${#missing[@]} -eq 0 ] && ! $added_i386; then
    exit 0
fi
echo "Installing: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
apt-get update -q
apt-get install -y -q --no-install-recommends "${missing[@]}"
