#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package as a distribution would: a Release build of the programs alone with Debian's
# hardening flags (fortify, stack protector, relro, bindnow, PIE), then cpack. Prints the package's path.
#   scripts/build-package.sh [BUILD_DIR]     (default: build-package)
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build-package}
export DEB_BUILD_MAINT_OPTIONS=hardening=+all
# CMake reads no CPPFLAGS, so the preprocessor's part (_FORTIFY_SOURCE) goes with the compiler's flags.
cxxflags="$(dpkg-buildflags --get CPPFLAGS) $(dpkg-buildflags --get CXXFLAGS)"
ldflags=$(dpkg-buildflags --get LDFLAGS)
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DPLENTA_BUILD_TESTS=OFF -DPLENTA_BUILD_BENCH=OFF \
    -DPLENTA_WERROR=OFF -DCMAKE_CXX_FLAGS="$cxxflags" -DCMAKE_EXE_LINKER_FLAGS="$ldflags" >/dev/null
cmake --build "$build" -j"$(nproc)" >/dev/null
rm -f "$build"/plenta_*.deb
(cd "$build" && cpack -G DEB >cpack.log) || { cat "$build/cpack.log"; exit 1; }
ls "$(realpath "$build")"/plenta_*.deb
