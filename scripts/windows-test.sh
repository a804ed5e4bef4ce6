#!/usr/bin/env bash
# Builds the program and its tests for Windows with mingw-w64 (warnings are
# errors), runs the tests under Wine through CTest, compares a backup with the
# Linux build's, and builds the installer and the zip and tries the installer
# (scripts/windows-package.sh).
# Wine's prefix and a Japanese locale for it live in the build folder; a cold
# prefix is made and prepared on the first run.
set -euo pipefail
cd "$(dirname "$0")/.."

build=build-windows
cmake -S . -B "$build" -G Ninja -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake \
    -DCMAKE_BUILD_TYPE=RelWithDebInfo -DFU_WERROR=ON -DFU_BUILD_TESTS=ON
cmake --build "$build"

# The same environment as the tests' emulator (see CMakeLists.txt): a prefix
# with a Japanese locale and Wine's null display driver, so the dialog tests
# need no X server.
. scripts/wine-prefix.sh
start_wine_prefix "$PWD/$build/wine-prefix" null

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

# The installer and the zip, and the installer tried under Wine.
bash scripts/windows-package.sh
