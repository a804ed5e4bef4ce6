# Sourced by the Windows scripts: prepares a Wine prefix for programs with a
# Japanese dialog, starts its services and exports its environment.
#   . scripts/wine-prefix.sh
#   start_wine_prefix build-windows/wine-prefix null
# The driver is "null" for the tests (windows exist and take messages, nothing
# is drawn on a display, so no X server is needed) or "x11" for a prefix whose
# windows show on $DISPLAY (screenshots, the start-up benchmark). A prefix is
# made on first use; it is prepared once, which its file fileutility-prepared
# marks.

# Wine takes its code page (932) and its standard texts (はい(&Y), キャンセル,
# フォルダーの参照) from the locale; Debian has no ja_JP.UTF-8 unless it is
# generated, so one is made beside the prefix.
make_japanese_locale() {
    local locales=$1
    if [ ! -d "$locales/ja_JP.UTF-8" ]; then
        mkdir -p "$locales"
        localedef -i ja_JP -f UTF-8 "$locales/ja_JP.UTF-8"
    fi
}

# Wine's background services, started by the first program, would keep the
# output pipe of whoever started it open (CTest's, this script's): they are
# started here on no pipe of ours. Stopped when the calling script exits.
start_wine_services() {
    # A server already running for the prefix (a calling script's) is kept.
    wineserver -p 2>/dev/null || true
    wine cmd /c exit </dev/null >/dev/null 2>&1
}

# Without the replacement Wine draws the dialog font ＭＳ Ｐゴシック with the
# fixed-width IPAGothic and clips labels; without Managed=N a window has no
# title bar on a display without a window manager. The driver is read when
# the services start, so they are restarted.
prepare_wine_registry() {
    local driver=$1
    wine reg add 'HKCU\Software\Wine\Fonts\Replacements' /v 'ＭＳ Ｐゴシック' /t REG_SZ \
        /d IPAPGothic /f >/dev/null
    wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f >/dev/null
    wine reg add 'HKCU\Software\Wine\Drivers' /v Graphics /t REG_SZ /d "$driver" /f >/dev/null
    wineserver -k
    wineserver -w
    start_wine_services
}

start_wine_prefix() {
    local prefix=$1 driver=$2
    local locales
    locales="$(dirname "$prefix")/locale"
    make_japanese_locale "$locales"
    export WINEPREFIX=$prefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
    export LOCPATH=$locales LC_ALL=ja_JP.UTF-8
    mkdir -p "$WINEPREFIX"
    trap 'wineserver -k || true' EXIT
    start_wine_services
    if [ ! -f "$WINEPREFIX/fileutility-prepared" ]; then
        prepare_wine_registry "$driver"
        touch "$WINEPREFIX/fileutility-prepared"
    fi
}
