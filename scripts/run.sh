#!/usr/bin/env bash
# Sets up a fresh Debian machine, builds Plenta and starts it. Any arguments go to Qt (e.g. -platform vnc).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j"$(nproc)" --target plenta plenta-journal
exec build/src/app/plenta "$@"
