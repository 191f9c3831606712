# Wine environment of the project. Source it: `source tools/wine-env.sh`.
#
# Sets a 32-bit prefix of our own (WINEPREFIX, default <repo>/build/wineprefix; set it before
# sourcing to use another), silences Wine's debug output and points LOCPATH at a directory with a
# generated ja_JP.UTF-8 locale, so that a run with LANG=ja_JP.UTF-8 gets the Japanese interface.
# The locale is generated once; later sourcing only checks that it is there.

SETTINGTOOL_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
export SETTINGTOOL_ROOT

# The programs are 32-bit, and so is the Wine that runs them. A machine whose kernel runs 64-bit
# programs only (IA-32 emulation off: every 32-bit program fails with "Exec format error") can
# run none of it; there the Wine runs use 64-bit builds of the same sources (presets product64
# and windows64) under 64-bit Wine, in a prefix of their own, and "wine" on the path is Wine's
# 64-bit loader. SETTINGTOOL_WINE_BITS says which (none: no Wine can run here).
if /lib/ld-linux.so.2 --version >/dev/null 2>&1; then
    SETTINGTOOL_WINE_BITS=32
    SETTINGTOOL_PRODUCT_PRESET=product
    SETTINGTOOL_WINDOWS_PRESET=windows
    export WINEPREFIX="${WINEPREFIX:-$SETTINGTOOL_ROOT/build/wineprefix}"
    export WINEARCH=win32
elif [ -x /usr/lib/wine/wine64 ]; then
    SETTINGTOOL_WINE_BITS=64
    SETTINGTOOL_PRODUCT_PRESET=product64
    SETTINGTOOL_WINDOWS_PRESET=windows64
    export WINEPREFIX="${WINEPREFIX:-$SETTINGTOOL_ROOT/build/wineprefix64}"
    export WINEARCH=win64
    # Debian's wine and its tools (winepath, through wine-stable) take the 32-bit loader whenever
    # it is installed, runnable or not.
    mkdir -p "$SETTINGTOOL_ROOT/build/wine64-bin"
    for loader in wine wine-stable; do
        printf '#!/bin/sh\nexec /usr/lib/wine/wine64 "$@"\n' >"$SETTINGTOOL_ROOT/build/wine64-bin/$loader"
        chmod +x "$SETTINGTOOL_ROOT/build/wine64-bin/$loader"
    done
    case ":$PATH:" in
    *":$SETTINGTOOL_ROOT/build/wine64-bin:"*) ;;
    *) export PATH="$SETTINGTOOL_ROOT/build/wine64-bin:$PATH" ;;
    esac
else
    SETTINGTOOL_WINE_BITS=none
fi
export SETTINGTOOL_WINE_BITS SETTINGTOOL_PRODUCT_PRESET SETTINGTOOL_WINDOWS_PRESET
export WINEDEBUG=-all

SETTINGTOOL_LOCALES="$SETTINGTOOL_ROOT/build/locale"
if [ ! -f "$SETTINGTOOL_LOCALES/ja_JP.UTF-8/LC_CTYPE" ]; then
    mkdir -p "$SETTINGTOOL_LOCALES"
    # localedef warns about harmless details of the source files; only its result matters.
    localedef -i ja_JP -f UTF-8 "$SETTINGTOOL_LOCALES/ja_JP.UTF-8" >/dev/null 2>&1
    if [ ! -f "$SETTINGTOOL_LOCALES/ja_JP.UTF-8/LC_CTYPE" ]; then
        echo "wine-env.sh: could not generate the ja_JP.UTF-8 locale (is 'locales' installed?)" >&2
    fi
fi
export LOCPATH="$SETTINGTOOL_LOCALES"
