#!/usr/bin/env bash
# Installs what the build, the program and the tests need on Debian 12 (as root, or
# with sudo). Does nothing for packages already there.
set -euo pipefail

# Both Windows builds are compiled on every machine; 32-bit and 64-bit Wine are both
# installed, and the scripts find out which of them this machine can run.
packages=(cmake g++ libgtest-dev make python3 clang libclang-rt-14-dev
          g++-mingw-w64-i686 binutils-mingw-w64-i686
          g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64
          wine wine32:i386 wine64 xvfb xauth fonts-ipafont-gothic fonts-wine locales imagemagick xdotool
          e2fsprogs)

SUDO=""
if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ "${#missing[@]}" -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    if ! dpkg --print-foreign-architectures | grep -qx i386; then
        $SUDO dpkg --add-architecture i386
    fi
    if ! $SUDO apt-get update -qq; then
        echo "ERROR: apt-get update failed (see above)." >&2
        echo "  What to do: check that Debian's package archive can be reached, then run again." >&2
        exit 1
    fi
    if ! DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null; then
        echo "ERROR: installing ${missing[*]} failed (see above)." >&2
        echo "  What to do: run this script as root (or with sudo) on Debian 12." >&2
        exit 1
    fi
fi

# The locale sets Wine's ANSI code page: Japanese 932 for the program's own system,
# and western 1252 and Korean 949, on which the end-to-end tests run again.
for locale in ja_JP en_US ko_KR; do
    if ! locale -a 2>/dev/null | grep -qi "^$locale\.utf-\?8$"; then
        $SUDO sed -i "s/^# *$locale.UTF-8 UTF-8/$locale.UTF-8 UTF-8/" /etc/locale.gen
        grep -q "^$locale.UTF-8 UTF-8" /etc/locale.gen || echo "$locale.UTF-8 UTF-8" | $SUDO tee -a /etc/locale.gen >/dev/null
        generate=1
    fi
done
if [ -n "${generate:-}" ]; then
    $SUDO locale-gen >/dev/null || { echo "ERROR: generating the locales failed." >&2; exit 1; }
fi
