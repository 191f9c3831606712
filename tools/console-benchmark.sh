#!/usr/bin/env bash
# The console companion over a fleet-sized machine: list --json, check --driver and a set --driver
# that finds everything stored already, over 1,000 queues on 20 drivers (half of them naming a
# language monitor) in the printer-data stand-in (tests/standin), which counts the spooler calls
# that the program makes. Prints, for each command, the median time of the runs, that time per
# 1,000 queues, and the calls per queue of each spooler function. Runs under Wine in a prefix of
# its own (build/wineprefix-console-bench), which it fills once.
#   tools/console-benchmark.sh [--runs N]     (default 5)
set -euo pipefail
cd "$(dirname "$0")/.."

runs=5
if [ "${1:-}" = --runs ]; then
    runs=$2
fi
queues=1000
drivers=20

export WINEPREFIX="$PWD/build/wineprefix-console-bench"
source tools/wine-env.sh

cmake --preset product >/dev/null
cmake --build --preset product --target SettingToolCmd >/dev/null
cmake --preset windows >/dev/null
cmake --build --preset windows --target e2e_winspool winehelper >/dev/null
tools/wine-prepare.sh
tools/install-standin.sh

# The fleet, written into the registry as Wine's spooler keeps queues and drivers.
marker="$WINEPREFIX/.console-bench-fleet"
if [ ! -f "$marker" ]; then
    fleet=$(mktemp --suffix=.reg)
    {
        printf 'REGEDIT4\n\n'
        for ((d = 0; d < drivers; d++)); do
            printf '[HKEY_LOCAL_MACHINE\\System\\CurrentControlSet\\Control\\Print\\Environments\\Windows NT x86\\Drivers\\Version-3\\Bench Driver %02d]\n' "$d"
            if ((d % 2 == 0)); then
                printf '"Monitor"="Bench Monitor"\n\n'
            else
                printf '"Monitor"=""\n\n'
            fi
        done
        for ((q = 0; q < queues; q++)); do
            printf '[HKEY_LOCAL_MACHINE\\System\\CurrentControlSet\\Control\\Print\\Printers\\Bench Queue %04d]\n' "$q"
            printf '"Printer Driver"="Bench Driver %02d"\n\n' $((q % drivers))
        done
    } >"$fleet"
    wine reg import "$(winepath -w "$fleet")" >/dev/null 2>&1
    rm -f "$fleet"
    wineserver -w
    touch "$marker"
fi

cmd="$PWD/build/product/SettingToolCmd.exe"
counts=$(mktemp)
trap 'rm -f "$counts"' EXIT
export WINEDLLOVERRIDES=winspool.drv=n
# Everything stored once, so that the measured set finds nothing to change.
wine "$cmd" set --driver "Bench*" --timeout 60 --no-restart >/dev/null
wineserver -w
wineserver -p # a warm wineserver for the runs

# measure <label> <queues> <arguments>...: the median of the runs, and the calls of the last.
measure() {
    local label=$1 listed=$2
    shift 2
    local times=()
    for ((r = 0; r < runs; r++)); do
        : >"$counts"
        local started=$(date +%s%N)
        SETTINGTOOL_CALL_COUNTS="$(winepath -w "$counts")" wine "$cmd" "$@" >/dev/null || true
        times+=($((($(date +%s%N) - started) / 1000000)))
    done
    local median=$(printf '%s\n' "${times[@]}" | sort -n | sed -n "$(((runs + 1) / 2))p")
    printf '%s: %d queues, median %d ms (%d ms per 1,000 queues)\n' "$label" "$listed" "$median" \
        $((median * 1000 / listed))
    awk -v n="$listed" '$2 > 0 { printf "    %-22s %6d calls, %.3f per queue\n", $1, $2, $2 / n }' "$counts"
}

all=$((queues + 2)) # and the prefix's own two queues
measure "list --json" "$all" list --json
measure "check --driver" "$queues" check --driver "Bench*" --timeout 60
measure "set --driver, nothing to change" "$queues" set --driver "Bench*" --timeout 60
wineserver -k
