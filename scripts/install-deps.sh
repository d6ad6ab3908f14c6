#!/usr/bin/env bash
# Installs the Debian packages that building, running and testing Plenta need, skipping those present.
set -euo pipefail
packages=(
    build-essential cmake ninja-build pkg-config
    qt6-base-dev qt6-base-dev-tools qt6-image-formats-plugins libgl-dev
    libpng-dev libgtest-dev libgmock-dev libbenchmark-dev nlohmann-json3-dev libcli11-dev
    clang clang-format clang-tidy libclang-rt-14-dev strace
    xvfb xauth fonts-dejavu-core libfontconfig-dev
    syncthing curl jq
    appstream desktop-file-utils dpkg-dev file man-db
    xdotool x11-utils openbox wmctrl xclip sway wtype qt6-wayland locales
)
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
# The end-to-end tests run the program in a German and a US locale as its users do; generated once.
wanted=(de_DE.UTF-8 en_US.UTF-8)
generate=0
for l in "${wanted[@]}"; do
    locale -a 2>/dev/null | grep -qix "${l/UTF-8/utf8}" || generate=1
done
if ((generate)); then
    sudo=""
    [ "$(id -u)" -eq 0 ] || sudo="sudo"
    for l in "${wanted[@]}"; do
        grep -qx "$l UTF-8" /etc/locale.gen 2>/dev/null || echo "$l UTF-8" | $sudo tee -a /etc/locale.gen >/dev/null
    done
    $sudo locale-gen >/dev/null
fi
