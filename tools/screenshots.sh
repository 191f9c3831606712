#!/usr/bin/env bash
# Makes the pictures of the program in docs/: the settings dialog (also while OK restarts the
# spooler) and every message box (also the question before a restart that would interrupt
# documents), in English and Japanese, each cropped to its window, and the dialog at 150 % and
# 200 % scaling. Runs under a virtual display of its own (xvfb-run) and in a Wine prefix of its
# own (build/wineprefix-screenshots), since it changes stored settings and changes the spooler
# service there (start type, program) for two pictures.
#   tools/screenshots.sh
set -euo pipefail
cd "$(dirname "$0")/.."

if [ -z "${SCREENSHOTS_ON_DISPLAY:-}" ]; then
    exec xvfb-run -a -s "-screen 0 1024x768x24" env SCREENSHOTS_ON_DISPLAY=1 "$0" "$@"
fi

export WINEPREFIX="$PWD/build/wineprefix-screenshots"
source tools/wine-env.sh

QUEUE="Demo Printer"
QUEUE_KEY="HKLM\\System\\CurrentControlSet\\Control\\Print\\Printers\\$QUEUE"
# The programs pictured come from the product tree, the helpers from the test programs' tree.
PRODUCT=build/$SETTINGTOOL_PRODUCT_PRESET
DOCS="$PWD/docs"

cmake --preset "$SETTINGTOOL_PRODUCT_PRESET" >/dev/null
cmake --build --preset "$SETTINGTOOL_PRODUCT_PRESET" --target SettingTool >/dev/null
cmake --preset "$SETTINGTOOL_WINDOWS_PRESET" >/dev/null
cmake --build --preset "$SETTINGTOOL_WINDOWS_PRESET" --target e2e_winspool spooler-standin winehelper show-and-hold \
    >/dev/null

# The service manager reads the start type and program when a Wine session begins, so each
# change ends the session; Wine's sc.exe cannot change them.
SPOOLER_KEY="HKLM\\System\\CurrentControlSet\\Services\\Spooler"
spooler_start_type() {
    wine reg add "$SPOOLER_KEY" /v Start /t REG_DWORD /d "$1" /f >/dev/null
    wineserver -w
}
spooler_program() {
    wine reg add "$SPOOLER_KEY" /v ImagePath /t REG_SZ /d "$1" /f >/dev/null
    wineserver -w
}

# Stores the two settings (milliseconds) where the stand-in store (tests/standin) keeps them: as
# values of the queue's own registry key.
store_settings() {
    wine reg add "$QUEUE_KEY" /v BackgroundStatusInterval /t REG_DWORD /d "$1" /f >/dev/null
    wine reg add "$QUEUE_KEY" /v QuenloTimeout /t REG_DWORD /d "$2" /f >/dev/null
}

# OK stores only what the queue does not hold yet, and restarts nothing otherwise: the pictures
# of what follows a store start from a queue without a stored timeout.
forget_timeout() {
    wine reg delete "$QUEUE_KEY" /v QuenloTimeout /f >/dev/null
}

# Documents being printed and sent, as the stand-in store lists them (tests/standin/DocumentsKey.h).
DOCUMENTS_KEY="$QUEUE_KEY\\E2E Documents"
plant_documents() {
    wine reg add "$DOCUMENTS_KEY" /v 1 /t REG_DWORD /d 16 /f >/dev/null
    wine reg add "$DOCUMENTS_KEY" /v 2 /t REG_DWORD /d 8 /f >/dev/null
}

# shot <picture name> <language> <store> [--ok] <command line>
# language: en or ja; store: stand-in (printer data kept by tests/standin) or wine (Wine's own).
shot() {
    local name=$1 language=$2 store=$3
    shift 3
    local locale=C.UTF-8 overrides=
    [ "$language" = ja ] && locale=ja_JP.UTF-8
    [ "$store" = stand-in ] && overrides=winspool.drv=n
    coproc HOLD {
        cd "$PRODUCT" && LANG=$locale LC_ALL='' WINEDLLOVERRIDES=$overrides \
            exec wine "../$SETTINGTOOL_WINDOWS_PRESET/tools/helpers/show-and-hold.exe" "$@"
    }
    local x y width height
    if ! read -r -u "${HOLD[0]}" x y width height; then
        echo "screenshots.sh: no window for $name" >&2
        wait "$HOLD_PID" || true
        failed=1
        return
    fi
    xwd -root -silent | convert xwd:- -crop "${width}x${height}+${x}+${y}" +repage \
        -strip PNG8:"$DOCS/$name.png"
    echo >&"${HOLD[1]}"
    wait "$HOLD_PID" || true
    echo "docs/$name.png (${width}x${height})"
}

tools/wine-prepare.sh
tools/install-standin.sh
wineserver -w
failed=0

for language in en ja; do
    store_settings 700 180000
    shot "dialog-$language" "$language" stand-in "SettingTool.exe 1 \"$QUEUE\""
    shot "message-start-$language" "$language" wine "SettingTool.exe"
    shot "message-queue-$language" "$language" wine "SettingTool.exe 1 \"No Such Printer\""
    shot "message-save-failed-$language" "$language" wine --ok "SettingTool.exe 1 \"$QUEUE\""
    forget_timeout
    shot "dialog-restarting-$language" "$language" stand-in --busy "SettingTool.exe 1 \"$QUEUE\""
    forget_timeout
    plant_documents
    shot "message-documents-$language" "$language" stand-in --ok "SettingTool.exe 1 \"$QUEUE\""
    wine reg delete "$DOCUMENTS_KEY" /f >/dev/null
done

# The dialog at 144 and 192 DPI (150 % and 200 %), which a program reads when it starts. Wine 8
# starts every program per-monitor aware, so the dialog is laid out at that DPI, as Windows lays
# it out after the program's own declaration.
set_dpi() {
    wine reg add "HKCU\\Control Panel\\Desktop" /v LogPixels /t REG_DWORD /d "$1" /f >/dev/null
    wineserver -w
}
for dpi in 144 192; do
    set_dpi "$dpi"
    for language in en ja; do
        store_settings 700 180000
        shot "dialog-$language-${dpi}dpi" "$language" stand-in "SettingTool.exe 1 \"$QUEUE\""
    done
done
wine reg delete "HKCU\\Control Panel\\Desktop" /v LogPixels /f >/dev/null
wineserver -w

# A disabled spooler stops but cannot be started again after OK has stored the settings. The
# same for a print server's queue (the stand-in's \\e2e-server; Wine restarts this computer's
# spooler for any server's name), whose message names the server.
SERVER_QUEUE_KEY="HKLM\\Software\\SettingTool E2E\\Print server\\Front Desk"
wine reg add "$SERVER_QUEUE_KEY" /v BackgroundStatusInterval /t REG_DWORD /d 700 /f >/dev/null
spooler_start_type 4
for language in en ja; do
    forget_timeout
    shot "message-spooler-stopped-$language" "$language" stand-in --ok \
        "SettingTool.exe 1 \"$QUEUE\""
    wine reg delete "$SERVER_QUEUE_KEY" /v QuenloTimeout /f >/dev/null 2>&1 || true
    shot "message-server-spooler-stopped-$language" "$language" stand-in --ok \
        "SettingTool.exe 1 \"\\\\e2e-server\\Front Desk\""
done
spooler_start_type 3
wine reg delete "HKLM\\Software\\SettingTool E2E" /f >/dev/null

# A spooler that cannot be stopped keeps running with the old settings: the stubborn stand-in
# (tests/standin) in the place of the spooler's program, started in a session kept open for the
# pictures. It accepts no control, so the session is ended, not waited for.
spooler_own_program=$(wine reg query "$SPOOLER_KEY" /v ImagePath | tr -d '\r' |
    sed -n 's/^ *ImagePath *REG_[A-Z_]* *//p')
spooler_program "$(winepath -w "$PWD/$PRODUCT/spooler-standin.exe")"
wineserver -p
wine net start Spooler >/dev/null 2>&1 || true
for language in en ja; do
    forget_timeout
    shot "message-restart-failed-$language" "$language" stand-in --ok "SettingTool.exe 1 \"$QUEUE\""
done
wineserver -k

# A spooler that accepts the stop but never finishes it: the restart gives up on it after its
# waits and says it did not finish in time.
spooler_program "$(winepath -w "$PWD/$PRODUCT/spooler-standin.exe") hang"
wineserver -p
wine net start Spooler >/dev/null 2>&1 || true
for language in en ja; do
    forget_timeout
    shot "message-restart-not-in-time-$language" "$language" stand-in --ok \
        "SettingTool.exe 1 \"$QUEUE\""
done
wineserver -k
spooler_program "$spooler_own_program"
store_settings 700 180000
wineserver -w
exit $failed
