#!/usr/bin/env bash
# Installs the Debian packages that a make target needs, when any of them is missing.
# Usage: tools/ensure-packages.sh host|product|windows|wine|dist
set -euo pipefail

case "${1:-}" in
host) packages=(cmake make g++ googletest libgtest-dev libgmock-dev) ;;
product) packages=(cmake make g++-mingw-w64-i686-win32 binutils-mingw-w64-i686) ;;
windows) packages=(cmake make g++-mingw-w64-i686-posix binutils-mingw-w64-i686 googletest) ;;
# 64-bit Wine and compilers too, for a machine whose kernel runs no 32-bit programs
# (tools/wine-env.sh).
wine) packages=(wine wine32:i386 wine64 fonts-wine xvfb xauth x11-apps imagemagick locales
    fonts-ipafont-gothic g++-mingw-w64-x86-64-posix g++-mingw-w64-x86-64-win32) ;;
dist) packages=(zip coreutils) ;;
*)
    echo "usage: $0 host|product|windows|wine|dist" >&2
    exit 2
    ;;
esac

sudo=()
if [ "$(id -u)" -ne 0 ]; then
    sudo=(sudo)
fi

missing=()
for package in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$package")
    fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
if [ "$1" = wine ] && ! dpkg --print-foreign-architectures | grep -qx i386; then
    "${sudo[@]}" dpkg --add-architecture i386
fi
"${sudo[@]}" apt-get update -qq
DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq "${missing[@]}"
