#!/usr/bin/env bash
# End-to-end runs of the real SettingToolCmd.exe under Wine, in the prefix that tools/wine-env.sh
# names and tools/wine-prepare.sh prepared:
#   console-e2e.sh <SettingToolCmd.exe> <SettingTool.exe> <dialog-reader.exe>
# list runs against Wine's own spooler. Wine's spooler cannot store under the key the programs
# use, so set and show run with the printer-data stand-in beside the programs
# (WINEDLLOVERRIDES=winspool.drv=n) on queues of their own, which exist for the stand-in as
# their registry keys. The dialog is then opened to read what it shows.
set -uo pipefail
cmd="$1"
tool="$(winepath -w "$2")"
reader="$3"

printers='HKLM\System\CurrentControlSet\Control\Print\Printers'
queues=("Console E2E" "Console E2E Two")
failures=0
out=""
err=""
status=0

fail() {
    echo "FAILED: $*" >&2
    failures=$((failures + 1))
}

# run <expected status> <description> -- <program and arguments>: keeps stdout, stderr, status.
run() {
    local expected="$1" what="$2"
    shift 3
    local started=$(date +%s%N)
    out="$("$@" 2>/tmp/console-e2e.err)"
    status=$?
    err="$(cat /tmp/console-e2e.err)"
    local ms=$((($(date +%s%N) - started) / 1000000))
    echo "[$status, ${ms} ms] $what"
    [ "$status" = "$expected" ] || fail "$what: exit status $status, expected $expected; stderr: $err"
}

contains() { # <description> <text> <part>
    case "$2" in
    *"$3"*) ;;
    *) fail "$1: no '$3' in: $2" ;;
    esac
}

standin() { WINEDLLOVERRIDES=winspool.drv=n wine "$@"; }

# Wine's spooler lists every key under Printers, so the stand-in's queues exist only after list.
remove_queues() {
    for queue in "${queues[@]}"; do
        wine reg delete "$printers\\$queue" /f >/dev/null 2>&1
    done
}
remove_queues

run 0 "list through Wine's spooler" -- wine "$cmd" list
contains "list" "$out" "Printer queue: Demo Printer"
contains "list" "$out" "  Timeout: 180 s (180000 ms, default)"
run 0 "list --json through Wine's spooler" -- wine "$cmd" list --json
contains "list --json" "$out" '{"queue":"Demo Printer","opened":true,'
run 4 "set through Wine's spooler, which refuses the key" -- wine "$cmd" set "Demo Printer" --timeout 60 --no-restart
contains "set refused" "$err" "Demo Printer: the settings could not be stored (error 161)."

for queue in "${queues[@]}"; do
    wine reg add "$printers\\$queue" /f >/dev/null || fail "cannot add the queue key $queue"
done

run 0 "show defaults" -- standin "$cmd" show "Console E2E"
contains "show defaults" "$out" "  Interval: 0.5 s (500 ms, default)"
contains "show defaults" "$out" "  Timeout: 180 s (180000 ms, default)"

run 0 "set both values on two queues" -- standin "$cmd" set "${queues[@]}" --interval 2.5 --timeout 60 --no-restart
contains "set both" "$out" "Console E2E Two: settings stored (interval 2.5 s, timeout 60 s)."
contains "set both" "$out" "Stored on 2 of 2 queues."
run 0 "show --json after set" -- standin "$cmd" show --json "${queues[@]}"
contains "show --json" "$out" '{"queue":"Console E2E","opened":true,"backgroundStatus":true,"intervalSeconds":2.5,"intervalMs":2500,"intervalDefault":false,"timeoutSeconds":60,"timeoutMs":60000,"timeoutDefault":false}'
contains "show --json" "$out" '{"queue":"Console E2E Two","opened":true,'
run 0 "the dialog shows what set stored" -- standin "$reader" "$tool" "Console E2E"
contains "dialog" "$out" "enable=1 interval=2.5 timeout=60"

run 0 "set only the interval, off" -- standin "$cmd" set "Console E2E" --interval off --no-restart
run 0 "show after interval off" -- standin "$cmd" show "Console E2E"
contains "interval off" "$out" "  Background status: off"
contains "timeout kept" "$out" "  Timeout: 60 s (60000 ms)"
run 0 "the dialog shows background status off" -- standin "$reader" "$tool" "Console E2E"
# The dialog replaces a stored 0 in the disabled box by 0.5, its own rule.
contains "dialog off" "$out" "enable=0 interval=0.5 timeout=60"

run 4 "a refused timeout leaves both values" -- env SETTINGTOOL_FAIL_STORE=QuenloTimeout:5 WINEDLLOVERRIDES=winspool.drv=n wine "$cmd" set "Console E2E" --interval 1 --timeout 30 --no-restart
contains "refused" "$err" "Console E2E: the settings could not be stored (error 5)."
contains "refused" "$err" "  Background status: off"
run 0 "show after the refusal" -- standin "$cmd" show --json "Console E2E"
contains "unchanged" "$out" '"backgroundStatus":false,"intervalSeconds":0.0,"intervalMs":0,'
contains "unchanged" "$out" '"timeoutMs":60000,'

run 2 "an invalid value stores nothing" -- standin "$cmd" set "Console E2E Two" --interval 2 --timeout 601
contains "invalid" "$err" "The timeout '601' is not valid: give 5 to 600 whole seconds."
run 2 "a decimal comma is refused" -- standin "$cmd" set "Console E2E Two" --interval 1,5
run 3 "a missing queue among others" -- standin "$cmd" set "Console E2E Two" Nowhere --timeout 90 --no-restart
contains "missing" "$err" "Not stored on:"
run 0 "show after the missing queue" -- standin "$cmd" show --json "Console E2E Two"
contains "stored past the missing queue" "$out" '"intervalMs":2500,"intervalDefault":false,"timeoutSeconds":90,'

run 0 "set with a spooler restart" -- standin "$cmd" set "Console E2E Two" --timeout 45
contains "restart" "$out" "This computer: the print spooler was restarted."

export LANG=ja_JP.UTF-8
run 0 "show in Japanese, to a pipe" -- standin "$cmd" show "Console E2E Two"
japanese="$(printf '%s\n' "$out" | iconv -f CP932 -t UTF-8)"
contains "Japanese" "$japanese" "  タイムアウト: 45 秒（45000 ミリ秒）"
contains "Japanese" "$japanese" "プリンタキュー: Console E2E Two"
contains "lines end in CR LF in a pipe" "$out" $'E2E Two\r\n'
# On a terminal stdout is a console: the characters go through WriteConsoleW, and Wine's
# console writes them to the terminal in UTF-8.
run 0 "show in Japanese, to a console" -- script -qec "WINEDLLOVERRIDES=winspool.drv=n wine '$cmd' show 'Console E2E Two'" /dev/null
contains "Japanese console" "$out" "タイムアウト: 45 秒（45000 ミリ秒）"
run 2 "an error in Japanese" -- standin "$cmd" set "Console E2E Two" --interval 0
japanese="$(printf '%s\n' "$err" | iconv -f CP932 -t UTF-8)"
contains "Japanese error" "$japanese" "インターバル「0」は無効です。"

LANG=C.UTF-8 remove_queues
rm -f /tmp/console-e2e.err
if [ "$failures" -gt 0 ]; then
    echo "$failures check(s) failed" >&2
    exit 1
fi
echo "all console end-to-end checks passed"
