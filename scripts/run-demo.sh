#!/usr/bin/env bash
# Installs what is needed, builds the utility, makes a demo working folder whose
# zeldefs8.env names a generated sample data folder, and starts the utility
# there, so the dialog opens on real (invented) data with its title filled in.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)

"$root/scripts/install-deps.sh" run
(cd "$root" && cmake --preset demo >/dev/null)
cmake --build "$root/build" --target fileutility make-sample-folder

demo="$root/demo"
if [ ! -f "$demo/data/ZELBAS00.DAT" ]; then
    "$root/build/testdata/make-sample-folder" "$demo/data"
fi
mkdir -p "$demo/backup"
printf '[PATH]=%s\r\n' "$demo/data/" >"$demo/zeldefs8.env"

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    echo "No display is available, so the dialog cannot be shown here."
    echo "Run this from a desktop session, or under a virtual X server:"
    echo "    xvfb-run -a bash scripts/run-demo.sh"
    exit 1
fi

echo "Demo working folder: $demo (sample data in $demo/data, an empty destination in $demo/backup)"
cd "$demo"
exec "$root/build/app/fileutility"
