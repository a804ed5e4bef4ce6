#!/usr/bin/env bash
# Sets up this machine, builds without warnings and runs every test: once as
# built for use, once more under AddressSanitizer, UndefinedBehaviorSanitizer
# and LeakSanitizer (any report fails the run); then builds the engine for
# Windows and runs its tests under Wine, fuzzes the input readers and the
# text-mode copy for a bounded time, and runs clang-tidy.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh

export QT_QPA_PLATFORM=offscreen

cmake --preset default
cmake --build build
ctest --test-dir build --output-on-failure --no-tests=error -j2

cmake --preset sanitize
cmake --build build-sanitize
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 \
UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 \
LSAN_OPTIONS=suppressions="$PWD/tests/lsan.supp" \
    ctest --test-dir build-sanitize --output-on-failure --no-tests=error -j2

# The engine built for Windows, its tests run under Wine.
bash scripts/windows-test.sh

# Each fuzz harness for a bounded time on top of its seed corpus (about a minute).
bash scripts/fuzz.sh

# clang-tidy with the checked-in .clang-tidy; any finding fails.
bash scripts/tidy.sh
