#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Sets up a fresh Debian machine, builds Plenta and starts it. Any arguments go to Qt (e.g. -platform vnc).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
# Only the programs: no tests, no benchmarks, in a folder of its own so that the test build is left as it is.
cmake -S . -B build-run -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DPLENTA_WERROR=OFF -DPLENTA_BUILD_TESTS=OFF \
    -DPLENTA_BUILD_BENCH=OFF >/dev/null
cmake --build build-run -j"$(nproc)" --target plenta plenta-journal
if [ $# -eq 0 ] && [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
    # Without a display the window is served over VNC, so it can still be seen and used.
    # The VNC screen is the handheld's size, so the window is not zoomed there.
    echo "No display: Plenta shows its window over VNC on port 5900 (connect a VNC viewer to this machine)."
    set -- -platform vnc:size=240x294:port=5900 --zoom 1
fi
exec build-run/src/app/plenta "$@"
