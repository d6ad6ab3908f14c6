#!/usr/bin/env bash
# Builds the journal fuzzer with clang (libFuzzer, ASan, UBSan) and runs it for a given time.
#   scripts/fuzz.sh [SECONDS] [libFuzzer options...]      e.g. scripts/fuzz.sh 3600 -runs=10000000
# New inputs collect in $FUZZ_BUILD_DIR/corpus; a finding is written to $FUZZ_BUILD_DIR/crash-*.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
shift || true
build=${FUZZ_BUILD_DIR:-build-fuzz}
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
    -DPLENTA_FUZZ=ON -DPLENTA_SANITIZE=ON -DPLENTA_BUILD_TESTS=OFF -DPLENTA_BUILD_BENCH=OFF >/dev/null
cmake --build "$build" --target journal_fuzz
mkdir -p "$build/corpus"
exec "$build/fuzz/journal_fuzz" -max_total_time="$seconds" -print_final_stats=1 -artifact_prefix="$build/" \
    "$@" "$build/corpus" tests/data/fuzz-seeds
