#!/usr/bin/env bash
# Builds the Windows installer and the zip of the program with one command,
#   bash scripts/windows-package.sh
# into build-windows/ (fileutility-<version>-win64.exe and .zip), then checks
# the installer under Wine: a silent install (/S) puts fileutility.exe, its
# uninstaller and the Start-menu entry ファイルユーティリティ in place, and a
# silent uninstall removes them again. Needs scripts/install-deps.sh (nsis).
set -euo pipefail
cd "$(dirname "$0")/.."

build=build-windows
cmake -S . -B "$build" -G Ninja -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake \
    -DCMAKE_BUILD_TYPE=RelWithDebInfo -DFU_WERROR=ON
cmake --build "$build"
(cd "$build" && cpack)

version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
installer="$PWD/$build/fileutility-$version-win64.exe"
zip="$build/fileutility-$version-win64.zip"
[ "$(unzip -Z1 "$zip" | sort | tr '\n' ' ')" = \
    "fileutility-$version-win64/fileutility-cli.exe fileutility-$version-win64/fileutility.exe " ] ||
    { echo "the zip holds more or less than fileutility.exe and fileutility-cli.exe"; exit 1; }

. scripts/wine-prefix.sh
start_wine_prefix "$PWD/$build/wine-prefix" null

name=ファイルユーティリティ
folder="$WINEPREFIX/drive_c/Program Files/$name"
entries="$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/$name"
installed=("$folder/fileutility.exe" "$folder/fileutility-cli.exe" "$folder/Uninstall.exe" "$entries/$name.lnk")

# The bytes of a file or a text (in the given character set) as hexadecimal.
hex_of_file() { od -An -tx1 -v "$1" | tr -d ' \n'; }
hex_of_text() { printf '%s' "$2" | iconv -t "$1" | od -An -tx1 -v | tr -d ' \n'; }

# Returns 0 when the shortcut starts the installed program in the installation
# folder. A .lnk holds the program's path in the code page (932 in this
# locale), ended by a NUL, and the working folder as UTF-16 after its length
# in 16-bit units (Wine counts the closing NUL, Windows does not): with the
# length, the installation folder inside the program's path does not count.
starts_program_in_installation_folder() {
    local folder="C:\\Program Files\\$name" bytes program working units
    bytes=$(hex_of_file "$1")
    program=$(hex_of_text CP932 "$folder\\fileutility.exe")00
    working=$(hex_of_text UTF-16LE "$folder")
    units=$((${#working} / 4))
    [[ $bytes == *"$program"* ]] &&
        [[ $bytes =~ ($(printf '%02x00|%02x00' "$units" $((units + 1))))$working ]]
}

# Leftovers of an earlier run that stopped halfway would pass for this one's.
rm -rf "$folder" "$entries"
wine "$installer" /S
for f in "${installed[@]}"; do
    [ -f "$f" ] || { echo "not installed: $f"; exit 1; }
done
starts_program_in_installation_folder "$entries/$name.lnk" ||
    { echo "the Start-menu entry does not start fileutility.exe in its folder"; exit 1; }
echo "installed: ${installed[*]}"

# The uninstaller copies itself elsewhere and returns at once: wait for it.
wine "$folder/Uninstall.exe" /S
for _ in $(seq 60); do
    [ -e "$folder" ] || [ -e "$entries" ] || break
    sleep 0.5
done
for f in "$folder" "$entries"; do
    [ ! -e "$f" ] || { echo "not uninstalled: $f"; exit 1; }
done
echo "uninstalled: the installation folder and the Start-menu folder are gone"
