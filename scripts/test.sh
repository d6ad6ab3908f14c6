#!/usr/bin/env bash
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
ctest --test-dir "$build" --output-on-failure -j"$(nproc)" --timeout 600
