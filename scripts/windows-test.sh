#!/usr/bin/env bash
# Builds the engine, the environment file and their tests for Windows with
# mingw-w64 (warnings are errors) and runs the tests under Wine through CTest.
# Wine's prefix lives in the build folder; a cold one is made on the first run.
set -euo pipefail
cd "$(dirname "$0")/.."

build=build-windows
cmake -S . -B "$build" -G Ninja -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake \
    -DCMAKE_BUILD_TYPE=RelWithDebInfo -DFU_WERROR=ON
cmake --build "$build"

# The same environment as the tests' emulator (see CMakeLists.txt).
export WINEPREFIX="$PWD/$build/wine-prefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
# Wine's background services, started by the first test, would keep CTest's
# output pipe open and hang it: start them here, before CTest, on no pipe of
# ours (they would hold this script's output open in the same way).
mkdir -p "$WINEPREFIX"
wineserver -p
trap 'wineserver -k || true' EXIT
wine cmd /c exit </dev/null >/dev/null 2>&1

ctest --test-dir "$build" --output-on-failure -j2

# The same backup of one generated sample folder by the Linux build and by the
# Windows build under Wine must write the same bytes. Needs the Linux build in
# build/ (the first stage of scripts/test.sh). The times are Wine's file I/O
# on this machine, not Windows'.
cmake --build build --target make-sample-folder backup-folder
sample="$PWD/$build/sample"
rm -rf "$sample"
mkdir -p "$sample/linux" "$sample/windows"
build/bench/make-sample-folder "$sample/source" --size-mb 20 --unrelated 2000
TIMEFORMAT='%R s'
echo "backup, Linux build:"
time build/bench/backup-folder "$sample/source/" "$sample/linux/"
echo "backup, Windows build under Wine:"
time wine "$build/bench/backup-folder.exe" "Z:$sample/source/" "Z:$sample/windows/"
echo "cp -r of the whole folder:"
time cp -r "$sample/source" "$sample/cp"
diff -r "$sample/linux" "$sample/windows"
echo "the Windows build's backup is byte-identical to the Linux build's"
