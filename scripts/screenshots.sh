#!/usr/bin/env bash
# Renders the main dialog, the About box and the folder browser from the real
# dialogs on Qt's offscreen platform (no display needed) and writes them to
# docs/images/ for the README: main-dialog.png, about-box.png and
# folder-browser.png.
# BUILD_DIR chooses the build folder (default: build).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${BUILD_DIR:-$root/build}

"$root/scripts/install-deps.sh"
cmake -S "$root" -B "$build" -G Ninja >/dev/null
cmake --build "$build" --target dialog_screenshots
QT_QPA_PLATFORM=offscreen "$build/tests/dialog/qt/dialog_screenshots" "$root/docs/images"
