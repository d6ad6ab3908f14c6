#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Sets up a fresh Debian machine, builds Plenta and runs the whole test suite.
# BUILD_DIR and PLENTA_SANITIZE (ON/OFF) choose the build; the default is a plain Debug build.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh --test
build=${BUILD_DIR:-build}
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=${BUILD_TYPE:-Debug} -DPLENTA_SANITIZE=${PLENTA_SANITIZE:-OFF} \
    -DPLENTA_WERROR=ON -DPLENTA_BUILD_TESTS=ON -DPLENTA_BUILD_BENCH=ON
cmake --build "$build" -j"$(nproc)"
export QT_QPA_PLATFORM=offscreen
# The package test builds its own Release programs whatever this build is, so the sanitizer build leaves it out.
skip=()
[ "${PLENTA_SANITIZE:-OFF}" = "ON" ] && skip=(-LE package)
ctest --test-dir "$build" --output-on-failure -j"$(nproc)" --timeout 600 "${skip[@]}"
