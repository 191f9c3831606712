# Wine environment of the project. Source it: `source tools/wine-env.sh`.
#
# Sets a 32-bit prefix of our own (WINEPREFIX, default <repo>/build/wineprefix; set it before
# sourcing to use another), silences Wine's debug output and points LOCPATH at a directory with a
# generated ja_JP.UTF-8 locale, so that a run with LANG=ja_JP.UTF-8 gets the Japanese interface.
# The locale is generated once; later sourcing only checks that it is there.

SETTINGTOOL_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
export SETTINGTOOL_ROOT

export WINEPREFIX="${WINEPREFIX:-$SETTINGTOOL_ROOT/build/wineprefix}"
export WINEARCH=win32
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
