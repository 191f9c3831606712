#!/usr/bin/env bash
# End-to-end runs of the real SettingToolCmd.exe under Wine, in the prefix that tools/wine-env.sh
# names and tools/wine-prepare.sh prepared:
#   console-e2e.sh <SettingToolCmd.exe> <SettingTool.exe> <console-helper.exe>
# list runs against Wine's own spooler. Wine's spooler cannot store under the key the programs
# use, so set, check and show run with the printer-data stand-in of the prefix's system folder
# (WINEDLLOVERRIDES=winspool.drv=n) on queues of their own, which exist for the stand-in as
# their registry keys. The helper works the real dialog (always with the stand-in), adds queues
# in any script through Wine's spooler, reads the spooler's process id and disables the spooler.
set -uo pipefail
cmd="$1"
tool="$2"
helper="$3"

printers='HKLM\System\CurrentControlSet\Control\Print\Printers'
cmd_overrides='HKCU\Software\Wine\AppDefaults\SettingToolCmd.exe\DllOverrides'
queues=("Console E2E" "Console E2E Two")
# What JSON says of the driver of the queues added here.
ps='"driver":"Wine PostScript Driver","languageMonitor":null,'
# Queues that Wine's own spooler makes on two drivers of the tests' own, one naming a language
# monitor and one naming none, and the stand-in's print server (tests/standin) with its queues.
driver_queues=("Selected A" "Selected B" "Selected C")
server_key='HKLM\Software\SettingTool E2E'
# Names outside the ANSI code page, and "Buro", which best-fit would make of "Büro".
wide_queues=("Принтер – 2F" "Büro – 2F" "Buro – 2F" "プリンタ①" 'Quote "Q" Printer' "Emoji 🖨 Printer")
failures=0
out=""
err=""
status=0
elapsed_ms=0

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
    elapsed_ms=$((($(date +%s%N) - started) / 1000000))
    echo "[$status, ${elapsed_ms} ms] $what"
    [ "$status" = "$expected" ] || fail "$what: exit status $status, expected $expected; stderr: $err"
}

contains() { # <description> <text> <part>
    case "$2" in
    *"$3"*) ;;
    *) fail "$1: no '$3' in: $2" ;;
    esac
}

lacks() { # <description> <text> <part>
    case "$2" in
    *"$3"*) fail "$1: '$3' in: $2" ;;
    esac
}

standin() { WINEDLLOVERRIDES=winspool.drv=n wine "$@"; }
spooler_pid() { wine "$helper" spooler-pid | tr -d '\r'; }

# Wine's spooler lists every key under Printers, so the stand-in's queues exist only after list.
remove_queues() {
    for queue in "${queues[@]}"; do
        wine reg delete "$printers\\$queue" /f >/dev/null 2>&1
    done
    wine "$helper" delete-queues "${wide_queues[@]}" "${driver_queues[@]}"
    wine reg delete "$server_key" /f >/dev/null 2>&1
    wine reg delete "$cmd_overrides" /f >/dev/null 2>&1
}
remove_queues

# Names in any script, added through AddPrinterW, and listed by Wine's spooler.
wine "$helper" add-queues "${wide_queues[@]}" || fail "cannot add the queues in other scripts"
run 0 "list through Wine's spooler" -- wine "$cmd" list
contains "list" "$out" "Printer queue: Demo Printer"
contains "list" "$out" "  Timeout: 180 s (180000 ms, default)"
contains "list Latin" "$(printf '%s' "$out" | iconv -f CP1252 -t UTF-8)" "Printer queue: Büro – 2F"
run 0 "list --json through Wine's spooler" -- wine "$cmd" list --json
contains "list --json" "$out" '{"queue":"Demo Printer","driver":"Wine PostScript Driver","languageMonitor":null,"opened":true,'
contains "list Cyrillic" "$out" '{"queue":"\u041f\u0440\u0438\u043d\u0442\u0435\u0440 \u2013 2F","driver":"Wine PostScript Driver","languageMonitor":null,"opened":true,'
contains "list Latin" "$out" '{"queue":"B\u00fcro \u2013 2F","driver":"Wine PostScript Driver","languageMonitor":null,"opened":true,'
contains "list Japanese" "$out" '{"queue":"\u30d7\u30ea\u30f3\u30bf\u2460","driver":"Wine PostScript Driver","languageMonitor":null,"opened":true,'
contains "list quotes" "$out" '{"queue":"Quote \"Q\" Printer","driver":"Wine PostScript Driver","languageMonitor":null,"opened":true,'
contains "list emoji" "$out" '{"queue":"Emoji \ud83d\udda8 Printer","driver":"Wine PostScript Driver","languageMonitor":null,"opened":true,'
run 4 "set through Wine's spooler, which refuses the key" -- wine "$cmd" set "Demo Printer" --timeout 60 --no-restart
contains "set refused" "$err" "Demo Printer: the settings could not be stored (error 161: Path is invalid)."

for queue in "${queues[@]}"; do
    wine reg add "$printers\\$queue" /v "Printer Driver" /d "Wine PostScript Driver" /f >/dev/null ||
        fail "cannot add the queue key $queue"
done

run 0 "show defaults" -- standin "$cmd" show "Console E2E"
contains "show defaults" "$out" "  Interval: 0.5 s (500 ms, default)"
contains "show defaults" "$out" "  Timeout: 180 s (180000 ms, default)"

run 0 "set both values on two queues" -- standin "$cmd" set "${queues[@]}" --interval 2.5 --timeout 60 --no-restart
contains "set both" "$out" "Console E2E Two: settings stored (interval 2.5 s, timeout 60 s)."
contains "set both" "$out" "Of 2 queues: 2 stored, 0 unchanged, 0 not stored."
run 0 "show --json after set" -- standin "$cmd" show --json "${queues[@]}"
contains "show --json" "$out" '{"queue":"Console E2E","driver":"Wine PostScript Driver","languageMonitor":null,"opened":true,"backgroundStatus":true,"intervalSeconds":2.5,"intervalMs":2500,"intervalDefault":false,"timeoutSeconds":60,"timeoutMs":60000,"timeoutDefault":false,"error":0}'
contains "show --json" "$out" '{"queue":"Console E2E Two","driver":"Wine PostScript Driver","languageMonitor":null,"opened":true,'
run 0 "the dialog shows what set stored" -- wine "$helper" read-dialog "$tool" "Console E2E"
contains "dialog" "$out" "enable=1 interval=2.5 timeout=60"

run 0 "set only the interval, off" -- standin "$cmd" set "Console E2E" --interval off --no-restart
run 0 "show after interval off" -- standin "$cmd" show "Console E2E"
contains "interval off" "$out" "  Background status: off"
contains "timeout kept" "$out" "  Timeout: 60 s (60000 ms)"
run 0 "the dialog shows background status off" -- wine "$helper" read-dialog "$tool" "Console E2E"
# The dialog replaces a stored 0 in the disabled box by 0.5, its own rule.
contains "dialog off" "$out" "enable=0 interval=0.5 timeout=60"

run 4 "a refused timeout leaves both values" -- env SETTINGTOOL_FAIL_STORE=QuenloTimeout:5 WINEDLLOVERRIDES=winspool.drv=n wine "$cmd" set "Console E2E" --interval 1 --timeout 30 --no-restart
contains "refused" "$err" "Console E2E: the settings could not be stored (error 5: Access denied)."
contains "refused" "$err" "  Background status: off"
run 0 "show after the refusal" -- standin "$cmd" show --json "Console E2E"
contains "unchanged" "$out" '"backgroundStatus":false,"intervalSeconds":0.0,"intervalMs":0,'
contains "unchanged" "$out" '"timeoutMs":60000,'

run 2 "an invalid value stores nothing" -- standin "$cmd" set "Console E2E Two" --interval 2 --timeout 601
contains "invalid" "$err" "The timeout '601' is not valid: give 5 to 600 whole seconds."
run 2 "a decimal comma is refused" -- standin "$cmd" set "Console E2E Two" --interval 1,5
run 2 "an unknown command is answered with the usage" -- standin "$cmd" bogus
contains "unknown command" "$err" "'bogus' is not a command of SettingToolCmd."
contains "unknown command" "$err" "  SettingToolCmd check (QUEUE... |"
run 0 "help as a command" -- wine "$cmd" help
contains "help" "$out" "Exit status: 0 done"
run 3 "a missing queue among others" -- standin "$cmd" set "Console E2E Two" Nowhere --timeout 90 --no-restart
contains "missing" "$err" "Not stored on:"
run 0 "show after the missing queue" -- standin "$cmd" show --json "Console E2E Two"
contains "stored past the missing queue" "$out" '"intervalMs":2500,"intervalDefault":false,"timeoutSeconds":90,'

run 0 "set with a spooler restart" -- standin "$cmd" set "Console E2E Two" --timeout 45
contains "restart" "$out" "This computer: the print spooler was restarted."
spooler="$(spooler_pid)"
[ "$spooler" != 0 ] || fail "the spooler is not running after the restart"
run 0 "the same set again stores and restarts nothing" -- standin "$cmd" set "Console E2E Two" --timeout 45
contains "repeated set" "$out" "Console E2E Two: unchanged, it already holds these settings."
lacks "repeated set" "$out" "restart"
[ "$(spooler_pid)" = "$spooler" ] || fail "a repeated set changed the spooler's process id"
run 0 "the same set with --json" -- standin "$cmd" set "Console E2E Two" "console e2e two" --timeout 45 --json
[ "$out" = $'{"queue":"Console E2E Two",'"$ps"$'"result":"unchanged","written":[],"error":0}\r' ] ||
    fail "repeated set --json, named twice: $out"
[ "$(spooler_pid)" = "$spooler" ] || fail "a repeated set --json changed the spooler's process id"

run 0 "check after set" -- standin "$cmd" check "Console E2E Two" --interval 2.5 --timeout 45
contains "check after set" "$out" "Console E2E Two: holds the settings asked for."
run 0 "the dialog changes the timeout" -- wine "$helper" change-timeout "$tool" "Console E2E Two" 50
[ "$(spooler_pid)" != "$spooler" ] || fail "OK in the dialog did not restart the spooler"
run 1 "check after the dialog changed a value" -- standin "$cmd" check "Console E2E Two" --interval 2.5 --timeout 45
contains "check differs" "$out" "  Timeout: asked 45 s (45000 ms), holds 50 s (50000 ms)"
run 1 "check --json after the dialog" -- standin "$cmd" check --json "Console E2E Two" --timeout 45
contains "check --json" "$out" '{"queue":"Console E2E Two",'"$ps"'"result":"differs","differs":["timeout"],"timeoutAskedMs":45000,"timeoutSeconds":50,"timeoutMs":50000,'

# A restart that stops the spooler and cannot start it again: printing is stopped, and said so.
wine reg add "$cmd_overrides" /v winspool.drv /d native /f >/dev/null
run 5 "set with the spooler disabled" -- wine "$helper" spooler-disabled "$(winepath -w "$cmd")" set "Console E2E Two" --timeout 46 --json
contains "spooler stopped" "$out" '{"machine":"","restart":"spooler-stopped","dependents":[],"heldBy":null,"leftStopped":[],"documents":0,"restartError":1058}'
contains "spooler stopped" "$err" "This computer: the print spooler was stopped and could not be started again (error 1058"
wine reg delete "$cmd_overrides" /f >/dev/null 2>&1
[ "$(spooler_pid)" != 0 ] || fail "the spooler was not started again after the run"

# Ctrl+C while set restarts the spooler: the break waits until the spooler runs again, then ends
# the run with its own status. Wine's service trace shows the spooler's dependents asked for before
# the stop (Wine lists none: its EnumDependentServicesW is a stub).
spooler="$(spooler_pid)"
WINEDEBUG=trace+service,fixme+service WINEDLLOVERRIDES=winspool.drv=n wine "$cmd" set "Console E2E" \
    --timeout 47 >/tmp/console-e2e.out 2>/tmp/console-e2e.err &
pid=$!
for _ in $(seq 200); do
    grep -q "restarting the print spooler" /tmp/console-e2e.out && break
    sleep 0.1
done
sleep 1 # inside the 3 s pause between the stop and the start
kill -INT "$pid"
wait "$pid"
status=$?
echo "[$status] Ctrl+C during the restart"
[ "$status" = 6 ] || fail "Ctrl+C during the restart: exit status $status, expected 6"
contains "Ctrl+C during the restart" "$(cat /tmp/console-e2e.out)" "This computer: the print spooler was restarted."
now="$(spooler_pid)"
[ "$now" != 0 ] && [ "$now" != "$spooler" ] || fail "Ctrl+C during the restart: spooler $spooler, now $now"
trace="$(grep -n -E 'EnumDependentServicesW|ControlService' /tmp/console-e2e.err)"
case "$trace" in
*EnumDependentServicesW*ControlService*) ;;
*) fail "the dependents were not asked for before the stop: $trace" ;;
esac
# Only the rights a restart needs: connect on the service manager (0x1); query status, enumerate
# dependents, start and stop on the spooler (0x3c); never full access (0xf003f, 0xf01ff).
access="$(grep -E 'OpenSCManagerW|OpenServiceW' /tmp/console-e2e.err)"
case "$access" in
*0xf003f* | *0xf01ff*) fail "full access asked for the restart: $access" ;;
*'OpenSCManagerW (null) (null) 0x1'*'L"Spooler" 0x3c'*) ;;
*) fail "the restart did not ask for the rights it needs: $access" ;;
esac
rm -f /tmp/console-e2e.out

# restart --when-idle on a spooler kept busy: a document planted through the stand-in is printed
# throughout, so the wait runs out on the real clock and the spooler is left running as it was.
documents="$printers\\Console E2E\\E2E Documents"
wine reg add "$documents" /v 1 /t REG_DWORD /d 16 /f >/dev/null || fail "cannot plant a document"
spooler="$(spooler_pid)"
run 5 "restart --when-idle while a document is printed" -- standin "$cmd" restart --when-idle 2 --json
[ "$out" = $'{"machine":"","restart":"busy","dependents":[],"heldBy":null,"leftStopped":[],"documents":1,"restartError":null}\r' ] ||
    fail "restart --when-idle on a busy spooler: $out"
[ "$elapsed_ms" -ge 2000 ] || fail "restart --when-idle 2 gave up after $elapsed_ms ms"
[ "$(spooler_pid)" = "$spooler" ] || fail "restart --when-idle changed the busy spooler's process id"
wine reg delete "$documents" /f >/dev/null 2>&1

# Queues selected by their driver or its language monitor. Wine's own spooler lists the queues and
# the drivers (with their language monitors) but cannot store under the key the programs use.
wine "$helper" add-driver-queues "E2E Monitor Driver" "E2E Language Monitor" "Selected A" "Selected B" ||
    fail "cannot add the driver with a language monitor"
wine "$helper" add-driver-queues "E2E Plain Driver" "" "Selected C" || fail "cannot add the plain driver"
run 0 "list --driver through Wine's spooler" -- wine "$cmd" list --driver "e2e*" --json
contains "list --driver" "$out" '{"queue":"Selected A","driver":"E2E Monitor Driver","languageMonitor":"E2E Language Monitor","opened":true,'
contains "list --driver" "$out" '{"queue":"Selected C","driver":"E2E Plain Driver","languageMonitor":null,"opened":true,'
lacks "list --driver" "$out" "Demo Printer"
run 0 "list --monitor through Wine's spooler" -- wine "$cmd" list --monitor "E2E Language*"
contains "list --monitor" "$out" $'Printer queue: Selected B\r\n  Driver: E2E Monitor Driver, language monitor: E2E Language Monitor'
lacks "list --monitor" "$out" "Selected C"
run 4 "set --driver through Wine's spooler, which refuses the key" -- wine "$cmd" set --driver "E2E Monitor Driver" --timeout 61 --no-restart
contains "set --driver refused" "$err" "Selected A: the settings could not be stored (error 161: Path is invalid)."
run 1 "check --driver through the stand-in" -- standin "$cmd" check --driver "E2E*" --timeout 61
contains "no language monitor" "$out" "Selected C: the values are read by no language monitor on this queue: its driver, E2E Plain Driver, has none."
run 0 "set --driver through the stand-in" -- standin "$cmd" set --driver "E2E*" --timeout 61
contains "set --driver" "$out" "Of 3 queues: 3 stored, 0 unchanged, 0 not stored."
spooler="$(spooler_pid)"
run 0 "the same set --driver again changes nothing" -- standin "$cmd" set --driver "E2E*" --timeout 61 --json
contains "repeated set --driver" "$out" '{"queue":"Selected A","driver":"E2E Monitor Driver","languageMonitor":"E2E Language Monitor","result":"unchanged","written":[],"error":0}'
[ "$(spooler_pid)" = "$spooler" ] || fail "a repeated set --driver changed the spooler's process id"
run 0 "check --monitor after set" -- standin "$cmd" check --monitor "E2E Language Monitor" --timeout 61
run 0 "check --driver with a set and a range" -- standin "$cmd" check --driver 'e2e [mp][l-o]*' --timeout 61
contains "set and range" "$out" "Of 3 queues: 3 hold the settings asked for, 0 differ, 0 could not be opened."
run 2 "a detection run that lost its pattern" -- standin "$cmd" check --driver --json --timeout 61
contains "lost pattern" "$err" "--driver needs a value."
run 0 "a driver that no queue uses" -- standin "$cmd" set --driver "No Such Driver" --timeout 61
contains "no match" "$err" "This computer: no printer queue has a driver whose name matches 'No Such Driver'."
[ -z "$out" ] || fail "no match: $out"

# A print server. Wine reaches none (and its own spooler lists this computer's queues for any
# server name, a known divergence), so the stand-in plays one, \\e2e-server, whose queues are
# registry keys of the test's own; its spooler is not restarted, as Wine's service manager would
# restart this computer's for any machine name.
wine reg add "$server_key\\Print server\\Front Desk" /v "Printer Driver" /d "E2E Monitor Driver" /f >/dev/null
wine reg add "$server_key\\Print server\\Back Office" /v "Printer Driver" /d "E2E Plain Driver" /f >/dev/null
run 0 "set --monitor on the stand-in's print server" -- standin "$cmd" set --server e2e-server --monitor "E2E*" --timeout 62 --no-restart --json
contains "server set" "$out" '{"queue":"\\\\e2e-server\\Front Desk","driver":"E2E Monitor Driver","languageMonitor":"E2E Language Monitor","result":"stored","written":["timeout"],"error":0}'
lacks "server set" "$out" "Back Office"
run 0 "list the stand-in's print server" -- standin "$cmd" list --server '\\e2e-server'
contains "server list" "$out" 'Printer queue: \\e2e-server\Back Office'
contains "server list" "$out" '  Timeout: 62 s (62000 ms)'
run 3 "a print server that cannot be reached" -- standin "$cmd" check --server nowhere --driver "*" --timeout 5 --json
[ "$out" = $'{"server":"\\\\\\\\nowhere","error":1722}\r' ] || fail "unreachable server: $out"
contains "unreachable server" "$err" '\\nowhere: the printer queues could not be listed (error 1722: RPC server unavailable).'

# The names in any script, added above: set and shown through the stand-in, escaped in JSON and,
# in a pipe whose code page lacks them, in text.
set_queues=("Принтер – 2F" "Büro – 2F" "プリンタ①" 'Quote "Q" Printer' "Emoji 🖨 Printer")
run 0 "set names in any script" -- standin "$cmd" set "${set_queues[@]}" --timeout 33 --no-restart
run 0 "show names in any script" -- standin "$cmd" show --json "${set_queues[@]}" "Buro – 2F"
for name in '\u041f\u0440\u0438\u043d\u0442\u0435\u0440 \u2013 2F' 'B\u00fcro \u2013 2F' '\u30d7\u30ea\u30f3\u30bf\u2460' 'Quote \"Q\" Printer' 'Emoji \ud83d\udda8 Printer'; do
    contains "stored on $name" "$out" "{\"queue\":\"$name\",$ps\"opened\":true,\"backgroundStatus\":true,\"intervalSeconds\":0.5,\"intervalMs\":500,\"intervalDefault\":true,\"timeoutSeconds\":33,"
done
contains "Buro untouched" "$out" '{"queue":"Buro \u2013 2F","driver":"Wine PostScript Driver","languageMonitor":null,"opened":true,"backgroundStatus":true,"intervalSeconds":0.5,"intervalMs":500,"intervalDefault":true,"timeoutSeconds":180,'
# Code page 1252 holds "ü" and "–" but no Cyrillic, Japanese or emoji.
run 0 "show names in any script, to a pipe" -- standin "$cmd" show "${set_queues[@]}"
text="$(printf '%s' "$out" | iconv -f CP1252 -t UTF-8)"
contains "pipe Latin" "$text" "Printer queue: Büro – 2F"
contains "pipe Cyrillic" "$text" 'Printer queue: \u041f\u0440\u0438\u043d\u0442\u0435\u0440 – 2F'
contains "pipe Japanese" "$text" 'Printer queue: \u30d7\u30ea\u30f3\u30bf\u2460'
contains "pipe emoji" "$text" 'Printer queue: Emoji \ud83d\udda8 Printer'
# Known divergence: Wine's console writes each half of a surrogate pair to the terminal as a
# replacement character, so the emoji name is proven through the pipe and JSON above only.
run 0 "show names in any script, to a console" -- script -qec "WINEDLLOVERRIDES=winspool.drv=n wine '$cmd' show 'Принтер – 2F' 'プリンタ①'" /dev/null
contains "console Cyrillic" "$out" "Printer queue: Принтер – 2F"
contains "console Japanese" "$out" "Printer queue: プリンタ①"

export LANG=ja_JP.UTF-8
# Under code page 932 best-fit would turn "Büro" into "Buro": only "Büro" may change.
run 0 "set Büro in Japanese" -- standin "$cmd" set "Büro – 2F" --timeout 34 --no-restart
japanese="$(printf '%s\n' "$out" | iconv -f CP932 -t UTF-8)"
contains "Büro escaped in code page 932" "$japanese" 'B\u00fcro \u2013 2F: 設定を保存しました（タイムアウト 34 秒）。'
run 0 "show Büro and Buro in Japanese" -- standin "$cmd" show --json "Büro – 2F" "Buro – 2F"
contains "Büro stored" "$out" '{"queue":"B\u00fcro \u2013 2F","driver":"Wine PostScript Driver","languageMonitor":null,"opened":true,"backgroundStatus":true,"intervalSeconds":0.5,"intervalMs":500,"intervalDefault":true,"timeoutSeconds":34,'
contains "Buro untouched" "$out" '{"queue":"Buro \u2013 2F","driver":"Wine PostScript Driver","languageMonitor":null,"opened":true,"backgroundStatus":true,"intervalSeconds":0.5,"intervalMs":500,"intervalDefault":true,"timeoutSeconds":180,'
run 0 "show in Japanese, to a pipe" -- standin "$cmd" show "Console E2E Two" "プリンタ①"
japanese="$(printf '%s\n' "$out" | iconv -f CP932 -t UTF-8)"
contains "Japanese" "$japanese" "  タイムアウト: 46 秒（46000 ミリ秒）"
contains "Japanese" "$japanese" "プリンタキュー: Console E2E Two"
contains "Japanese name in code page 932" "$japanese" "プリンタキュー: プリンタ①"
contains "lines end in CR LF in a pipe" "$out" $'E2E Two\r\n'
# On a terminal stdout is a console: the characters go through WriteConsoleW, and Wine's
# console writes them to the terminal in UTF-8.
run 0 "show in Japanese, to a console" -- script -qec "WINEDLLOVERRIDES=winspool.drv=n wine '$cmd' show 'Console E2E Two'" /dev/null
contains "Japanese console" "$out" "タイムアウト: 46 秒（46000 ミリ秒）"
run 2 "an error in Japanese" -- standin "$cmd" set "Console E2E Two" --interval 0
japanese="$(printf '%s\n' "$err" | iconv -f CP932 -t UTF-8)"
contains "Japanese error" "$japanese" "インターバル「0」は無効です。"
run 1 "check --driver in Japanese" -- standin "$cmd" check --driver "E2E*" --timeout 99
japanese="$(printf '%s\n' "$out" | iconv -f CP932 -t UTF-8)"
contains "Japanese note" "$japanese" "Selected C: このキューでは、値を読み取るランゲージモニタがありません（ドライバ E2E Plain Driver にはランゲージモニタがありません）。"
run 0 "no match in Japanese" -- standin "$cmd" set --driver "None*" --timeout 99
japanese="$(printf '%s\n' "$err" | iconv -f CP932 -t UTF-8)"
contains "Japanese no match" "$japanese" "このコンピュータ: ドライバ名が「None*」に一致するプリンタキューはありません。"
run 2 "a pattern -like refuses, in Japanese" -- standin "$cmd" show --driver 'La[bs*'
japanese="$(printf '%s\n' "$err" | iconv -f CP932 -t UTF-8)"
contains "Japanese bad pattern" "$japanese" "パターン「La[bs*」は無効です。"
run 3 "the system's text for an error, in Japanese" -- standin "$cmd" list --server nowhere
japanese="$(printf '%s\n' "$err" | iconv -f CP932 -t UTF-8)"
contains "Japanese error text" "$japanese" '\\nowhere: プリンタキューの一覧を取得できませんでした（エラー 1722: RPC サーバーは使用できません）。'

LANG=C.UTF-8 remove_queues
rm -f /tmp/console-e2e.err
if [ "$failures" -gt 0 ]; then
    echo "$failures check(s) failed" >&2
    exit 1
fi
echo "all console end-to-end checks passed"
