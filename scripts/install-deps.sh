#!/usr/bin/env bash
# Installs what the utility needs on Debian: "run" for building and running it,
# "test" (the default) for that and everything the test suite uses, the
# Windows build of the engine and Wine to run its tests included.
# Runs apt-get directly as root, through sudo otherwise.
set -euo pipefail

# qt6-svg-dev draws the icon's sizes from its SVG while building; the program
# itself does not read SVG. cmark makes the user guide's HTML from its Markdown.
# libx11-dev: the start-up benchmark's watcher, which a plain configure builds
# too (FU_BUILD_BENCH).
run_packages=(
    cmake ninja-build g++ qt6-base-dev qt6-svg-dev libgl-dev libx11-dev fonts-ipafont-gothic
    qt6-translations-l10n cmark
)
# GoogleTest; clang for fuzzing and clang-tidy; what the tests run (strace,
# setpriv, unix2dos, desktop-file-validate, the media's FUSE drivers and
# mkfs tools, setfattr); Xvfb for the screenshot and start-up scripts; the
# Windows build, Wine and its Japanese locale, the Windows packages and their
# check (unzip); the Debian package's checks.
test_packages=(
    libgtest-dev
    clang clang-tidy libclang-rt-14-dev
    strace util-linux dos2unix xvfb xauth desktop-file-utils
    fuse3 exfat-fuse exfatprogs ntfs-3g fusefat dosfstools bindfs attr
    g++-mingw-w64-x86-64-posix googletest wine wine64 fonts-wine locales nsis msitools unzip
    lintian appstream
)

packages=("${run_packages[@]}")
if [ "${1:-test}" = test ]; then
    packages+=("${test_packages[@]}")
fi

as_root=()
if [ "$(id -u)" -ne 0 ]; then
    as_root=(sudo)
fi

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
    "${as_root[@]}" apt-get update -qq
    "${as_root[@]}" env DEBIAN_FRONTEND=noninteractive \
        apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
