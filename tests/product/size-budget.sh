#!/usr/bin/env bash
# Fails when a shipped program is larger than its budget, imports a DLL that is not on the list
# below (all ship with Windows), or lacks one of the hardening flags, so that a compiler upgrade
# or a new dependency cannot quietly bring the bytes or a DLL back. winspool.drv is not on the
# list: Windows would look for it beside the program first, so the programs load it from the
# system folder at run time instead.
#   size-budget.sh SettingTool.exe SettingToolCmd.exe
set -euo pipefail

declare -A budget=(
    [SettingTool.exe]=131072    # 128 KiB
    # 168 KiB: the restart command, the wait for idle and the documents in flight took it past 160.
    [SettingToolCmd.exe]=172032
)
# shell32 and ole32 for the elevated relaunch; gdi32 should a program draw for itself.
allowed="kernel32.dll user32.dll comctl32.dll advapi32.dll msvcrt.dll shell32.dll ole32.dll gdi32.dll"
# ASLR, DEP, no SEH handlers, Remote Desktop aware.
flags="DYNAMIC_BASE NX_COMPAT NO_SEH TERMINAL_SERVICE_AWARE"

failed=0
for program in "$@"; do
    name=$(basename "$program")
    limit=${budget[$name]:?"no budget for $name"}
    size=$(stat -c %s "$program")
    if [ "$size" -le "$limit" ]; then
        echo "$name: $size bytes, budget $limit ($((limit - size)) to spare)"
    else
        echo "$name: $size bytes, OVER its budget of $limit by $((size - limit))"
        failed=1
    fi
    headers=$(i686-w64-mingw32-objdump -p "$program")
    for flag in $flags; do
        if ! grep -qx "[[:space:]]*$flag" <<<"$headers"; then
            echo "$name: not linked with $flag"
            failed=1
        fi
    done
    imports=$(sed -n 's/^\tDLL Name: //p' <<<"$headers" | tr 'A-Z' 'a-z')
    [ -n "$imports" ] || {
        echo "$name: no import table found"
        failed=1
    }
    for dll in $imports; do
        if [[ " $allowed " != *" $dll "* ]]; then
            echo "$name: imports $dll, which is not on the allowed list"
            failed=1
        fi
    done
    echo "$name imports: $(echo $imports)"
done
exit $failed
