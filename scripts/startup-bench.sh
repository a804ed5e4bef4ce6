#!/usr/bin/env bash
# Start-up time and resident memory of the dialog programs beside the least
# programs of their toolkits that show a dialog, on a virtual X server:
#   bash scripts/startup-bench.sh [runs]      (5 runs each by default)
# Linux: build/app/fileutility against build/bench/bare-qt-dialog. Windows,
# under Wine: build-windows/app/fileutility.exe against bare-win32-dialog.exe
# and the same with the program's manifest and icon, stripped as installed, in
# a prefix of their own with Wine's X11 driver (build-windows/wine-prefix-x11).
# Each program is measured from outside by build/bench/startup-watch, from its
# start to its first mapped window and its resident memory once shown; the
# utility starts in a folder whose zeldefs8.env names a generated sample data
# folder, as users start it. Needs the Linux build in build/ and the Windows
# build in build-windows/ (scripts/windows-test.sh). Figures under Wine are
# Wine's, not Windows'.
set -euo pipefail
cd "$(dirname "$0")/.."

if [ -z "${FU_STARTUP_BENCH_DISPLAY:-}" ]; then
    exec xvfb-run -a -s '-screen 0 1024x768x24' env FU_STARTUP_BENCH_DISPLAY=1 bash "$0" "$@"
fi
runs=${1:-5}

cmake --build build --target fileutility bare-qt-dialog startup-watch make-sample-folder
cmake --build build-windows --target fileutility bare-win32-dialog bare-win32-dialog-manifest

work="$PWD/build/startup-bench"
if [ ! -d "$work/data" ]; then
    build/testdata/make-sample-folder "$work/data"
fi
mkdir -p "$work/linux" "$work/windows"
printf '[PATH]=%s\r\n' "$work/data/" >"$work/linux/zeldefs8.env"
printf '[PATH]=Z:%s\\\r\n' "${work//\//\\}\\data" >"$work/windows/zeldefs8.env"

watch="$PWD/build/bench/startup-watch"
# One run first, not counted, so every measured run finds the files cached.
measure() {
    local label=$1 folder=$2
    shift 2
    (cd "$folder" && "$watch" --runs 1 -- "$@" >/dev/null)
    echo "$label"
    (cd "$folder" && "$watch" --runs "$runs" -- "$@") | sed 's/^/    /'
}

unset QT_QPA_PLATFORM
measure "Linux, fileutility" "$work/linux" "$PWD/build/app/fileutility"
measure "Linux, bare Qt dialog" "$work/linux" "$PWD/build/bench/bare-qt-dialog"

# The programs stripped, as the installer ships them: Wine maps a program's
# debug sections with the rest (about 6 MB more resident for fileutility.exe).
for program in app/fileutility bench/bare-win32-dialog bench/bare-win32-dialog-manifest; do
    x86_64-w64-mingw32-strip -o "$work/windows/$(basename $program).exe" "build-windows/$program.exe"
done
. scripts/wine-prefix.sh
start_wine_prefix "$PWD/build-windows/wine-prefix-x11" x11
measure "Windows under Wine, fileutility.exe" "$work/windows" wine fileutility.exe
measure "Windows under Wine, bare Win32 dialog" "$work/windows" wine bare-win32-dialog.exe
measure "Windows under Wine, bare Win32 dialog with the program's manifest" "$work/windows" \
    wine bare-win32-dialog-manifest.exe
