#!/usr/bin/env bash
# Builds the Windows installer and the zip of the program with one command,
#   bash scripts/windows-package.sh [--built]
# into build-windows/ (fileutility-<version>-win64.exe and .zip; --built when
# scripts/windows-test.sh has just configured and built it), then checks the
# installer under Wine, silently: an install for all users with the folder
# of zeldefs8.env given puts the program, the guide, the uninstaller and the
# Start-menu entries in place, the program's entry starting it in that folder;
# installing again replaces it in place and keeps that folder; the uninstaller
# removes what was installed and leaves zeldefs8.env and a data folder; an
# install for the current user alone goes to the user's programs folder and
# starts the program in the installation folder. Then the MSI
# (fileutility-<version>-win64.msi, written by msi-builder under Wine), read
# back with msitools and tried with msiexec: installed, upgraded and removed.
# Needs scripts/install-deps.sh (nsis, msitools).
set -euo pipefail
cd "$(dirname "$0")/.."

build=build-windows  # the preset's
if [ "${1:-}" != --built ]; then
    cmake --preset windows
    cmake --build "$build"
fi
(cd "$build" && cpack)

version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
installer="$PWD/$build/fileutility-$version-win64.exe"
zip="$build/fileutility-$version-win64.zip"
# The program alone (no DLL beside it) and the guide with its screenshots.
unzip -Z1 "$zip" | grep -v '/$' | sed "s|^fileutility-$version-win64/||" | sort >"$build/zip-contents"
if ! grep -v '^images/[a-z0-9-]*\.png$' "$build/zip-contents" |
    diff - <(printf '%s\n' fileutility-cli.exe fileutility.exe guide/index.html) ||
    ! grep -q '^images/' "$build/zip-contents"; then
    echo "the zip holds more or less than the two programs and the guide"; exit 1
fi

. scripts/wine-prefix.sh
start_wine_prefix "$PWD/$build/wine-prefix" null

name=ファイルユーティリティ
guide=ファイルユーティリティの使い方
c="$WINEPREFIX/drive_c"
user_dir=$(ls -d "$c/users/"* | grep -v -e /Public -e /public | head -n1)

# The bytes of a file or a text (in the given character set) as hexadecimal.
hex_of_file() { od -An -tx1 -v "$1" | tr -d ' \n'; }
hex_of_text() { printf '%s' "$2" | iconv -t "$1" | od -An -tx1 -v | tr -d ' \n'; }

# Returns 0 when the shortcut starts the program (a Windows path) in the
# working folder (another). A .lnk holds the program's path in the code page
# (932 in this locale), ended by a NUL, and the working folder as UTF-16 after
# its length in 16-bit units (Wine counts the closing NUL, Windows does not):
# with the length, a folder inside the program's path does not count.
starts_program_in() {
    local bytes program working units
    bytes=$(hex_of_file "$1")
    program=$(hex_of_text CP932 "$2")00
    working=$(hex_of_text UTF-16LE "$3")
    units=$((${#working} / 4))
    [[ $bytes == *"$program"* ]] &&
        [[ $bytes =~ ($(printf '%02x00|%02x00' "$units" $((units + 1))))$working ]]
}

fail() { echo "$*"; exit 1; }

# install <folder> <windows folder> <start-menu folder> <windows env folder> <options...>
# Installs silently and checks the files and the entries.
install() {
    local folder=$1 windows=$2 entries=$3 envdir=$4
    shift 4
    wine "$installer" /S "$@"
    for f in "$folder/fileutility.exe" "$folder/fileutility-cli.exe" "$folder/Uninstall.exe" "$folder/guide/index.html" \
        "$folder/images/main-dialog-windows.png" "$entries/$name.lnk" "$entries/$guide.lnk" \
        "$entries/Uninstall.lnk"; do
        [ -f "$f" ] || fail "not installed: $f"
    done
    starts_program_in "$entries/$name.lnk" "$windows\\fileutility.exe" "$envdir" ||
        fail "the Start-menu entry does not start $windows\\fileutility.exe in $envdir"
    echo "installed ($*): $folder, entries in $entries, the program starting in $envdir"
}

# Returns 0 once the path is gone, within 30 s: the uninstaller copies itself
# elsewhere and returns at once.
gone() {
    for _ in $(seq 60); do
        [ -e "$1" ] || return 0
        sleep 0.5
    done
    return 1
}

# uninstall <folder> <start-menu folder> <options...>
uninstall() {
    local folder=$1 entries=$2
    shift 2
    wine "$folder/Uninstall.exe" /S "$@"
    for f in "$entries" "$folder/Uninstall.exe" "$folder/fileutility.exe" "$folder/fileutility-cli.exe" "$folder/guide" "$folder/images"; do
        gone "$f" || fail "not uninstalled: $f"
    done
}

# For all users, with the folder of zeldefs8.env given.
folder="$c/Program Files/$name"
entries="$c/ProgramData/Microsoft/Windows/Start Menu/Programs/$name"
envdir="$c/ZEL"
# Leftovers of an earlier run that stopped halfway would pass for this one's.
rm -rf "$folder" "$entries" "$envdir"
mkdir -p "$envdir"
install "$folder" "C:\\Program Files\\$name" "$entries" 'C:\ZEL' /AllUsers '/ENVDIR=C:\ZEL'
# Again, as an upgrade does: in place, the folder of zeldefs8.env kept.
install "$folder" "C:\\Program Files\\$name" "$entries" 'C:\ZEL' /AllUsers
# The family's files, in the installation folder and in the data folder.
printf '[PATH]=C:\\ZEL\\DATA\\\r\n' >"$folder/zeldefs8.env"
cp "$folder/zeldefs8.env" "$envdir/zeldefs8.env"
mkdir -p "$folder/DATA" && printf 'base\r\n' >"$folder/DATA/ZELBAS00.DAT"
uninstall "$folder" "$entries" /AllUsers
for f in "$folder/zeldefs8.env" "$folder/DATA/ZELBAS00.DAT" "$envdir/zeldefs8.env"; do
    [ -f "$f" ] || fail "the uninstaller removed $f"
done
echo "uninstalled: the program, the guide and the entries are gone; zeldefs8.env and the data folder stay"
rm -rf "$folder" "$envdir"

# For the current user alone: no administrator rights, the user's programs
# folder, the program starting in the installation folder.
folder="$user_dir/AppData/Local/Programs/$name"
entries="$user_dir/AppData/Roaming/Microsoft/Windows/Start Menu/Programs/$name"
windows="C:\\users\\$(basename "$user_dir")\\AppData\\Local\\Programs\\$name"
rm -rf "$folder" "$entries"
install "$folder" "$windows" "$entries" "$windows" /CurrentUser
uninstall "$folder" "$entries" /CurrentUser
gone "$folder" || fail "not uninstalled: $folder"
echo "uninstalled for the current user: the installation folder and the Start-menu folder are gone"

# The MSI, for all users: written under Wine by msi-builder from the installed
# tree, read back by msitools (another reader of the tables and the cabinet),
# then installed with ENVDIR given, again by a second package of the same
# version (a major upgrade: the first leaves, ENVDIR is kept), uninstalled
# (the first package's files would stay if it had not left), and installed
# without ENVDIR, starting the program in the installation folder.
msi="$build/fileutility-$version-win64.msi"
files="$build/msi-files"
rm -rf "$files"
cmake --install "$build" --prefix "$files" --strip >/dev/null
wine "$build/msi-builder.exe" "Z:$PWD/$files" "Z:$PWD/$msi"
summary=$(msiinfo suminfo "$msi" | iconv -f CP932 -t UTF-8)
grep -qx 'Template: x64;1041' <<<"$summary" || fail "the MSI is not a Japanese x64 package"
grep -qx "Subject: $name" <<<"$summary" || fail "the MSI's subject does not read back"
# A table's rows as msitools reads them, tab-separated.
rows() { msiinfo export "$msi" "$1" | tr -d '\r' | tail -n +4; }
rows Directory | grep -qxF "INSTALLDIR	ProgramFiles64Folder	FILEUTIL|$name" ||
    fail "the MSI's program folder does not read back"
[ "$(rows Shortcut | cut -f3 | sort)" = "$(printf 'GUIDE|%s\nPROGRAM|%s' "$guide" "$name")" ] ||
    fail "the MSI's shortcut names do not read back"
extracted="$build/msi-extracted"
rm -rf "$extracted" && mkdir "$extracted"
msiextract -C "$extracted" "$msi" >/dev/null
diff -r "$extracted/$name" "$files" || fail "the MSI's cabinet does not hold the installed tree"
echo "$msi: the tables and the cabinet read back with msitools"

folder="$c/Program Files/$name"
windows="C:\\Program Files\\$name"
# Wine's msi.dll puts a per-machine installation's Start-menu entries in the
# user's Start menu (ProgramMenuFolder, "FIXME: set to AllUsers profile path
# if ALLUSERS is set"); Windows puts them in the all-users one.
entries="$user_dir/AppData/Roaming/Microsoft/Windows/Start Menu/Programs/$name"
envdir="$c/ZEL"
rm -rf "$folder" "$entries" "$envdir"
# The family's zeldefs8.env is there before: uninstalling, Wine's msi.dll
# removes every empty folder declared below the installation folder, ENVDIR
# too (Windows removes only the folders it made).
mkdir -p "$envdir"
printf '[PATH]=C:\\ZEL\\DATA\\\r\n' >"$envdir/zeldefs8.env"
msi_install() {
    local package=$1 working=$2
    shift 2
    wine msiexec /i "Z:$PWD/$package" /qn "$@"
    for f in "$folder/fileutility.exe" "$folder/fileutility-cli.exe" "$folder/guide/index.html" \
        "$folder/images/main-dialog-windows.png" "$entries/$name.lnk" "$entries/$guide.lnk"; do
        [ -f "$f" ] || fail "not installed by $package $*: $f"
    done
    starts_program_in "$entries/$name.lnk" "$windows\\fileutility.exe" "$working" ||
        fail "after $package $*, the Start-menu entry does not start $windows\\fileutility.exe in $working"
    echo "installed $package $*: the program starting in $working"
}
msi_uninstall() {
    wine msiexec /x "Z:$PWD/$1" /qn
    for f in "$entries" "$folder/fileutility.exe" "$folder/fileutility-cli.exe" "$folder/guide" "$folder/images"; do
        [ ! -e "$f" ] || fail "not uninstalled by $1: $f"
    done
}
msi_install "$msi" 'C:\ZEL\' 'ENVDIR=C:\ZEL\'
upgrade="$build/fileutility-upgrade-test.msi"
wine "$build/msi-builder.exe" "Z:$PWD/$files" "Z:$PWD/$upgrade"
msi_install "$upgrade" 'C:\ZEL\'
cp "$envdir/zeldefs8.env" "$folder/zeldefs8.env"
mkdir -p "$folder/DATA" && printf 'base\r\n' >"$folder/DATA/ZELBAS00.DAT"
msi_uninstall "$upgrade"
for f in "$folder/zeldefs8.env" "$folder/DATA/ZELBAS00.DAT" "$envdir/zeldefs8.env"; do
    [ -f "$f" ] || fail "msiexec /x removed $f"
done
echo "uninstalled: both packages' program, guide and entries are gone; zeldefs8.env and the data folder stay"
rm -rf "$folder" "$envdir" "$upgrade"
msi_install "$msi" "$windows\\"
msi_uninstall "$msi"
gone "$folder" || fail "not uninstalled: $folder"
echo "uninstalled: the installation folder is gone"
