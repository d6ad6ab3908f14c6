#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the journal fuzzer with clang (libFuzzer, ASan, UBSan) and runs it for a given time.
#   scripts/fuzz.sh [SECONDS] [libFuzzer options...]      e.g. scripts/fuzz.sh 3600 -max_len=1024 -fork=1
# New inputs collect in $FUZZ_BUILD_DIR/corpus; a finding is written to $FUZZ_BUILD_DIR/crash-*.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
shift || true
build=${FUZZ_BUILD_DIR:-build-fuzz}
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
    -DPLENTA_FUZZ=ON -DPLENTA_SANITIZE=ON -DPLENTA_BUILD_TESTS=OFF -DPLENTA_BUILD_BENCH=OFF -DPLENTA_LTO=OFF >/dev/null
cmake --build "$build" --target journal_fuzz
mkdir -p "$build/corpus"
# No allocation stacks and no malloc fill: they double the cost of a run, and memory errors are caught without
# them, only reported with less detail. To see where a finding's memory came from, replay it with
# ASAN_OPTIONS= "$build/fuzz/journal_fuzz" "$build/crash-...".
export ASAN_OPTIONS=${ASAN_OPTIONS:-malloc_context_size=0:max_malloc_fill_size=0:quarantine_size_mb=64}
exec "$build/fuzz/journal_fuzz" -max_total_time="$seconds" -print_final_stats=1 -artifact_prefix="$build/" \
    "$@" "$build/corpus" tests/data/fuzz-seeds
