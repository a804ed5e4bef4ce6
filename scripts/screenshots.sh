#!/usr/bin/env bash
# Renders the main dialog, the About box, the folder browser and the progress
# window of a backup held part-way from the real dialogs on Qt's offscreen
# platform (no display needed) and writes them to docs/images/ for the README:
# main-dialog.png, about-box.png, folder-browser.png and progress-window.png
# at 100 % display scaling, and the same names ending in -150 and -200 at
# 150 % and 200 % (Qt's scale factor). The Windows program's images come from
# scripts/windows-screenshots.sh.
# BUILD_DIR chooses the build folder (default: build).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${BUILD_DIR:-$root/build}

"$root/scripts/install-deps.sh"
(cd "$root" && cmake --preset default -B "$build" >/dev/null)
cmake --build "$build" --target dialog_screenshots
for scale in 100 150 200; do
    suffix=
    [ "$scale" = 100 ] || suffix=-$scale
    QT_QPA_PLATFORM=offscreen QT_SCALE_FACTOR=$(awk -v s="$scale" 'BEGIN { print s / 100 }') \
        "$build/tools/qt/dialog_screenshots" "$root/docs/images" $suffix
done
