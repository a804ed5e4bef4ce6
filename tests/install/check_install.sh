#!/usr/bin/env bash
# Installs the build into a fresh prefix (when --install-from is given) and
# checks what a desktop needs of it: the program, its menu entry with the
# Japanese name, and the icon the entry names, in the icon theme's sizes from
# 16 to 256 pixels and as a scalable drawing.
#   check_install.sh [--install-from <build folder>] <prefix>
# Exits 0 when everything is in place, 1 listing what is not.
set -euo pipefail

build=
if [ "${1:-}" = --install-from ]; then
    build=$2
    shift 2
fi
prefix=$1

if [ -n "$build" ]; then
    rm -rf "$prefix"
    cmake --install "$build" --prefix "$prefix" >/dev/null
fi

failures=0
fail() {
    echo "$*"
    failures=$((failures + 1))
}

# The byte at offset of a file, as a decimal number.
byte_at() { od -An -tu1 -j"$2" -N1 "$1" | tr -d ' '; }
# The big-endian 32-bit number at offset of a file.
u32_at() { od -An -tu1 -j"$2" -N4 "$1" | awk '{ print (($1 * 256 + $2) * 256 + $3) * 256 + $4 }'; }

# A PNG of size x size pixels: at 16 and 32 pixels one with a palette of at
# most 16 colours (colour type 3, and a PLTE chunk of at most 16 three-byte
# entries), at the other sizes one with alpha (colour type 6).
check_icon() {
    local png=$1 size=$2
    if [ ! -f "$png" ]; then
        fail "not installed: ${png#"$prefix"/}"
        return
    fi
    if [ "$(od -An -tx1 -N8 "$png" | tr -d ' \n')" != 89504e470d0a1a0a ]; then
        fail "not a PNG: ${png#"$prefix"/}"
        return
    fi
    local width height colour palette entries=0
    width=$(u32_at "$png" 16)
    height=$(u32_at "$png" 20)
    colour=$(byte_at "$png" 25)
    # A chunk's 4-byte length stands just before its type.
    palette=$(grep -obUa PLTE "$png" | head -n1 | cut -d: -f1 || true)
    [ -n "$palette" ] && entries=$(($(u32_at "$png" $((palette - 4))) / 3))
    [ "$width" = "$size" ] && [ "$height" = "$size" ] ||
        fail "${png#"$prefix"/} is ${width}x${height}, not ${size}x${size}"
    if [ "$size" = 16 ] || [ "$size" = 32 ]; then
        [ "$colour" = 3 ] && [ "$entries" -ge 2 ] && [ "$entries" -le 16 ] ||
            fail "${png#"$prefix"/} is not a 16-colour image (colour type $colour, $entries colours)"
    else
        [ "$colour" = 6 ] || fail "${png#"$prefix"/} has no alpha (colour type $colour)"
    fi
}

# The value of key in the entry's [Desktop Entry] group.
entry_value() {
    awk -F= -v key="$2" '/^\[/ { group = $0 } group == "[Desktop Entry]" && $1 == key {
        sub(/^[^=]*=/, ""); print; exit }' "$1"
}

program="$prefix/bin/fileutility"
[ -f "$program" ] && [ -x "$program" ] || fail "not installed: bin/fileutility"
[ -x "$program-cli" ] || fail "not installed: bin/fileutility-cli"

entry="$prefix/share/applications/fileutility.desktop"
if [ ! -f "$entry" ]; then
    fail "not installed: share/applications/fileutility.desktop"
else
    while IFS='|' read -r key expected; do
        actual=$(entry_value "$entry" "$key")
        [ "$actual" = "$expected" ] || fail "$key is \"$actual\", not \"$expected\""
    done <<'KEYS'
Type|Application
Name|ファイルユーティリティ
Exec|fileutility
Icon|fileutility
Terminal|false
Categories|Office;Education;
KEYS
    for key in Comment 'Comment[ja]'; do
        [ -n "$(entry_value "$entry" "$key")" ] || fail "$key is missing"
    done
    # Exec and Icon name what this prefix installs.
    [ -x "$prefix/bin/$(entry_value "$entry" Exec)" ] || fail "Exec names no installed program"
    if command -v desktop-file-validate >/dev/null; then
        desktop-file-validate --no-hints "$entry" || fail "desktop-file-validate refuses the entry"
    else
        echo "desktop-file-validate is not installed (Debian: desktop-file-utils):" \
            "the entry's syntax is not validated"
    fi
fi

icon=$( [ -f "$entry" ] && entry_value "$entry" Icon || echo fileutility)
for size in 16 22 24 32 48 64 96 128 256; do
    check_icon "$prefix/share/icons/hicolor/${size}x${size}/apps/$icon.png" "$size"
done
svg="$prefix/share/icons/hicolor/scalable/apps/$icon.svg"
if [ ! -f "$svg" ]; then
    fail "not installed: ${svg#"$prefix"/}"
elif ! grep -q '<svg' "$svg"; then
    fail "not an SVG drawing: ${svg#"$prefix"/}"
fi

if [ "$failures" -ne 0 ]; then
    echo "$failures problem(s) in the installation under $prefix"
    exit 1
fi
echo "installation under $prefix complete"
