#!/usr/bin/env bash
# Start-up benchmark under Wine: the time from starting a program to its dialog being visible,
# for SettingTool.exe (with a queue that opens, so its real dialog appears) and for
# bench/bare-dialog.exe (the same dialog template and nothing else), started alternately by one
# watcher process (bench/startup-watch.exe) with a warm wineserver. For reference it also times
# bench/printer-dialog.exe: the bare dialog after the tool's printer access (open the queue, read
# the two settings), which tells the cost of that access from the cost of the rest of the tool.
#   tools/benchmark.sh [--runs N] [--store stand-in|wine]
# --runs: starts of each program (default 40); --store: where SettingTool.exe reads the queue's
# settings: the project's stand-in winspool.drv (default) or Wine's own spooler (reads give the
# defaults). Prints the medians, their ratio (target: at most 1.10) and the sizes of the programs.
# Runs in a Wine prefix of its own (build/wineprefix-bench) on a virtual display of its own.
set -euo pipefail
cd "$(dirname "$0")/.."

runs=40
store=stand-in
while [ $# -gt 0 ]; do
    case "$1" in
    --runs)
        runs=$2
        shift 2
        ;;
    --store)
        store=$2
        shift 2
        ;;
    *)
        echo "usage: $0 [--runs N] [--store stand-in|wine]" >&2
        exit 2
        ;;
    esac
done
case "$store" in
stand-in | wine) ;;
*)
    echo "benchmark.sh: --store is stand-in or wine" >&2
    exit 2
    ;;
esac

if [ -z "${BENCHMARK_ON_DISPLAY:-}" ]; then
    exec xvfb-run -a -s "-screen 0 1024x768x24" env BENCHMARK_ON_DISPLAY=1 \
        "$0" --runs "$runs" --store "$store"
fi

export WINEPREFIX="$PWD/build/wineprefix-bench"
source tools/wine-env.sh

QUEUE="Demo Printer"
# SettingTool.exe from the product tree, as it ships, and beside it printer-dialog.exe; the stand-in
# store goes into the prefix's system folder. The bare dialog and the watcher stay in their tree.
PRODUCT=build/product
TOOLS=build/windows

cmake --preset product >/dev/null
cmake --build --preset product --target SettingTool >/dev/null
cmake --preset windows >/dev/null
cmake --build --preset windows \
    --target e2e_winspool winehelper bare-dialog printer-dialog startup-watch >/dev/null

tools/wine-prepare.sh
tools/install-standin.sh

overrides=
[ "$store" = stand-in ] && overrides=winspool.drv=n

# A persistent wineserver, so that every start finds Wine's services already running.
wineserver -w
wineserver -p
results=$(mktemp)
trap 'wineserver -k; rm -f "$results"' EXIT

(
    cd "$PRODUCT"
    LANG=C.UTF-8 WINEDLLOVERRIDES=$overrides wine ../windows/bench/startup-watch.exe "$runs" \
        "SettingTool.exe 1 \"$QUEUE\"" '..\windows\bench\bare-dialog.exe' \
        "printer-dialog.exe 1 \"$QUEUE\"" | tr -d '\r'
) >"$results"

# Reads numbers, one a line; prints "<median> <lowest> <highest> <count>".
describe() {
    sort -n | awk '{ v[NR] = $1 }
        END { print (NR % 2 ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2), v[1], v[NR], NR }'
}
times_of() {
    awk -v wanted="$1" '$2 == wanted { print $3 }' "$results"
}
# Each round's own ratio: a load that drifts during the run affects these less.
round_ratios() {
    awk '{ t[$1, $2] = $3; r[$1] = 1 } END { for (i in r) print t[i, 0] / t[i, 1] }' "$results"
}
read -r tool tool_low tool_high tool_runs < <(times_of 0 | describe)
read -r bare bare_low bare_high bare_runs < <(times_of 1 | describe)
read -r printer printer_low printer_high printer_runs < <(times_of 2 | describe)
read -r round_ratio _ < <(round_ratios | describe)

echo "Start-up to visible dialog under $(wine --version), store: $store"
printf '  SettingTool.exe  median %6.1f ms  (%d runs, %.1f to %.1f ms)\n' \
    "$tool" "$tool_runs" "$tool_low" "$tool_high"
printf '  bare-dialog.exe  median %6.1f ms  (%d runs, %.1f to %.1f ms)\n' \
    "$bare" "$bare_runs" "$bare_low" "$bare_high"
awk -v t="$tool" -v b="$bare" \
    'BEGIN { printf "  ratio of the medians, tool / bare: %.3f  (target: at most 1.10)\n", t / b }'
printf '  median of the rounds'"'"' own ratios:    %.3f\n' "$round_ratio"
printf '  reference: printer-dialog.exe (bare dialog after the printer access) median %.1f ms\n' \
    "$printer"
printf '    (%d runs, %.1f to %.1f ms), ratio to bare %.3f\n' "$printer_runs" "$printer_low" \
    "$printer_high" "$(awk -v p="$printer" -v b="$bare" 'BEGIN { print p / b }')"
printf '  sizes: SettingTool.exe %d bytes, bare-dialog.exe %d bytes, printer-dialog.exe %d bytes\n' \
    "$(stat -c %s "$PRODUCT/SettingTool.exe")" "$(stat -c %s "$TOOLS/bench/bare-dialog.exe")" \
    "$(stat -c %s "$PRODUCT/printer-dialog.exe")"
