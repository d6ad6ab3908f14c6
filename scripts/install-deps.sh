#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the Debian packages Plenta needs, skipping those present: by default only what building and running
# it takes (scripts/run.sh); with --test also the test kit that scripts/test.sh and CI use (GoogleTest, Google
# Benchmark, clang and its tools, an X server and xdotool, the accessibility bus and pyatspi, syncthing,
# lintian, ...).
set -euo pipefail
packages=(
    build-essential cmake ninja-build pkg-config
    qt6-base-dev qt6-base-dev-tools libgl-dev libpng-dev libfontconfig-dev fonts-dejavu-core
    qt6-l10n-tools qt6-tools-dev
    nlohmann-json3-dev libcli11-dev
)
if [ "${1:-}" = "--test" ]; then
    packages+=(
        qt6-image-formats-plugins libgtest-dev libgmock-dev libbenchmark-dev
        clang clang-format clang-tidy libclang-rt-14-dev strace
        xvfb xauth xdotool x11-utils dbus-daemon at-spi2-core python3-pyatspi
        syncthing curl jq python3
        appstream desktop-file-utils dpkg-dev file man-db lintian
        poppler-utils openbox wmctrl xclip sway wtype qt6-wayland locales
    )
elif [ $# -gt 0 ]; then
    echo "usage: scripts/install-deps.sh [--test]" >&2
    exit 2
fi
missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if ((${#missing[@]})); then
    sudo=""
    [ "$(id -u)" -eq 0 ] || sudo="sudo"
    export DEBIAN_FRONTEND=noninteractive
    $sudo apt-get update -qq
    $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
# The end-to-end tests run the program in a German and a US locale as its users do; generated once, for --test.
wanted=(de_DE.UTF-8 en_US.UTF-8)
generate=0
for l in "${wanted[@]}"; do
    locale -a 2>/dev/null | grep -qix "${l/UTF-8/utf8}" || generate=1
done
if [ "${1:-}" = "--test" ] && ((generate)); then
    sudo=""
    [ "$(id -u)" -eq 0 ] || sudo="sudo"
    for l in "${wanted[@]}"; do
        grep -qx "$l UTF-8" /etc/locale.gen 2>/dev/null || echo "$l UTF-8" | $sudo tee -a /etc/locale.gen >/dev/null
    done
    $sudo locale-gen >/dev/null
fi
