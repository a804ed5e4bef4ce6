#!/usr/bin/env bash
# Builds the program and its tests for Windows with mingw-w64 (warnings are
# errors), runs the tests under Wine through CTest, compares a backup with the
# Linux build's, and builds the installer, the zip and the MSI and tries them
# (scripts/windows-package.sh).
# Wine's prefix and a Japanese locale for it live in the build folder; a cold
# prefix is made and prepared on the first run.
set -euo pipefail
cd "$(dirname "$0")/.."

build=build-windows  # the preset's
cmake --preset windows
cmake --build "$build"

# The same environment as the tests' emulator (see cmake/System.cmake): a prefix
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
build/testdata/make-sample-folder "$sample/source" --size-mb 20 --unrelated 2000
TIMEFORMAT='%R s'
echo "backup, Linux build:"
time build/tools/backup-folder "$sample/source/" "$sample/linux/"
echo "backup, Windows build under Wine:"
time wine "$build/tools/backup-folder.exe" "Z:$sample/source/" "Z:$sample/windows/"
echo "cp -r of the whole folder:"
time cp -r "$sample/source" "$sample/cp"
diff -r "$sample/linux" "$sample/windows"
echo "the Windows build's backup is byte-identical to the Linux build's"

# The installer and the zip, and the installer tried under Wine, from the
# build above.
bash scripts/windows-package.sh --built
