#!/usr/bin/env bash
# Puts the printer-data stand-in (tests/standin) where the programs look for winspool.drv: the
# system folder of the Wine prefix that tools/wine-env.sh names. Only runs that prefer a native
# winspool.drv (WINEDLLOVERRIDES=winspool.drv=n, or a program's DllOverrides) load it; every
# other program keeps Wine's own.
#   install-standin.sh [winspool.drv]   (default: the one the Windows test tree built)
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
source "$root/tools/wine-env.sh"
standin="${1:-$root/build/$SETTINGTOOL_WINDOWS_PRESET/tests/standin/winspool.drv}"
system="$WINEPREFIX/drive_c/windows/system32"
if [ ! -f "$standin" ] || [ ! -d "$system" ]; then
    echo "install-standin.sh: need $standin (cmake --build --preset $SETTINGTOOL_WINDOWS_PRESET --target e2e_winspool)" \
        "and a prepared prefix (tools/wine-prepare.sh)" >&2
    exit 1
fi
cp "$standin" "$system/winspool.drv"
