#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Checks the naming convention in .clang-tidy over src/ and tools/ and fails on the first file that breaks it.
# It reads the compile commands of a configured build: BUILD_DIR (default: build), e.g. the one scripts/test.sh
# leaves behind.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${BUILD_DIR:-build}
if [ ! -f "$build/compile_commands.json" ]; then
    echo "check-naming: $build/compile_commands.json is missing; configure and build first (scripts/test.sh)" >&2
    exit 2
fi
# Only the naming check runs, whatever else a developer's own clang-tidy setup would add; clang-tidy's count
# of the warnings it hid in Qt's and the standard library's headers is left out. The build's GCC-only warning
# options are unknown to clang-tidy's clang, which -Werror would otherwise turn into errors.
git ls-files -z 'src/*.cpp' 'tools/*.cpp' |
    xargs -0 -n 4 -P "$(nproc)" clang-tidy -p "$build" --quiet --checks='-*,readability-identifier-naming' \
        --extra-arg=-Wno-unknown-warning-option 2> >(grep -v '^[0-9]* warnings\? generated\.$' >&2)
echo "check-naming: src/ and tools/ follow the naming convention"
