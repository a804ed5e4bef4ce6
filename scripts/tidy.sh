#!/usr/bin/env bash
# Runs clang-tidy with the checked-in .clang-tidy over the project's own .cpp
# files (not moc, uic or rcc output), two at a time; any finding fails.
set -euo pipefail
cd "$(dirname "$0")/.."

root=$PWD
build=build-tidy  # the preset's

cmake --preset tidy
# The sources include the headers moc, uic and rcc generate: make those first.
cmake --build "$build" --target autogen

# Every compiled file of the source tree outside the build folder.
run-clang-tidy -p "$build" -j 2 -quiet "^$(printf '%s' "$root" | sed 's/[][\.*^$+?(){}|]/\\&/g')/(?!$build/)"
