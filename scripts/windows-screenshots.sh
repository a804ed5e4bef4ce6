#!/usr/bin/env bash
# Shows the Windows program's main dialog, About box and the progress window
# of a backup held part-way under Wine, on a virtual X server in the Japanese
# locale, at 100 %, 150 % and 200 % display scaling (Wine's LogPixels 96, 144
# and 192), and writes them as the display shows them to docs/images/:
# main-dialog-windows.png, about-box-windows.png and
# progress-window-windows.png, and the same names ending in -150 and -200.
# Needs the Linux build in build/ (for the sample folder); configures and
# builds build-windows (CMakePresets.json's "windows") and uses a Wine prefix
# with the X11 driver of its own (build-windows/wine-prefix-x11, as the
# start-up benchmark does).
set -euo pipefail
cd "$(dirname "$0")/.."

if [ -z "${FU_SCREENSHOTS_DISPLAY:-}" ]; then
    exec xvfb-run -a -s '-screen 0 1280x1024x24' env FU_SCREENSHOTS_DISPLAY=1 bash "$0" "$@"
fi

cmake --build build --target make-sample-folder
cmake --preset windows >/dev/null
cmake --build build-windows --target dialog_screenshots

# A fixed folder: its path shows in the dialog, and so in every image.
work=/tmp/fu-shot
rm -rf "$work"
build/testdata/make-sample-folder "$work/2019" >/dev/null
printf '[PATH]=Z:%s\\\r\n' "${work//\//\\}\\2019" >"$work/zeldefs8.env"

program="$PWD/build-windows/tools/win32/dialog_screenshots.exe"
images="Z:${PWD//\//\\}\\docs\\images"
. scripts/wine-prefix.sh
start_wine_prefix "$PWD/build-windows/wine-prefix-x11" x11
for scale in 100 150 200; do
    # Wine reads the scale when its services start.
    wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD \
        /d $((96 * scale / 100)) /f >/dev/null
    wineserver -k
    wineserver -w
    start_wine_services
    suffix=
    [ "$scale" = 100 ] || suffix=-$scale
    (cd "$work" && wine "$program" "$images" $suffix)
done
