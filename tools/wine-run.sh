#!/usr/bin/env bash
# Opens the real dialog under Wine for the demo queue "Demo Printer", with the printer-data
# stand-in (so the values stored with OK come back next time). Needs the product tree's
# SettingTool.exe (build/product) and the test programs' stand-in winspool.drv and
# tools/helpers/winehelper.exe (build/windows); the stand-in goes into the prefix's system folder.
# Where Wine runs 64-bit programs only (tools/wine-env.sh) it builds their 64-bit trees first.
#   With $DISPLAY set: the dialog opens on that display and the script ends when it is closed.
#   Without a display: the dialog opens on a virtual display; the script waits for it, saves a
#   screenshot to build/run-screenshot.png, closes the dialog and says where the picture is.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
source "$root/tools/wine-env.sh"
if [ "$SETTINGTOOL_WINE_BITS" = 64 ]; then
    cmake --preset product64 >/dev/null
    cmake --build --preset product64 --target SettingTool >/dev/null
    cmake --preset windows64 >/dev/null
    cmake --build --preset windows64 --target e2e_winspool winehelper >/dev/null
fi
product="$root/build/$SETTINGTOOL_PRODUCT_PRESET"
helper="$root/build/$SETTINGTOOL_WINDOWS_PRESET/tools/helpers/winehelper.exe"
queue="Demo Printer"
title="Language Monitor Setting Tool"
screenshot="$root/build/run-screenshot.png"

standin="$root/build/$SETTINGTOOL_WINDOWS_PRESET/tests/standin/winspool.drv"
for file in "$product/SettingTool.exe" "$standin" "$helper"; do
    if [ ! -f "$file" ]; then
        echo "wine-run.sh: $file is missing: build first (make run)" >&2
        exit 1
    fi
done

run_tool() {
    WINEDLLOVERRIDES="winspool.drv=n" wine "$product/SettingTool.exe" run "$queue"
}

# Saves a picture of the screen to $1 once two taken in a row are the same, so that nothing is
# still being drawn (at most about 5 s; then the last one).
stable_screenshot() {
    local previous="$1.previous.xwd" current="$1.current.xwd"
    xwd -root -silent >"$current"
    for _ in $(seq 50); do
        mv "$current" "$previous"
        sleep 0.1
        xwd -root -silent >"$current"
        cmp -s "$previous" "$current" && break
    done
    convert xwd:"$current" "$1"
    rm -f "$previous" "$current"
}

if [ "${1:-}" = --virtual-display ]; then
    for command in xwd convert; do
        if ! command -v "$command" >/dev/null; then
            echo "wine-run.sh: '$command' is missing: install x11-apps and imagemagick" >&2
            exit 1
        fi
    done
    # A wineserver left from a command without a display would keep the dialog from showing.
    timeout 30 wineserver -w || true
    run_tool &
    tool=$!
    # The dialog is found before it has painted: the helper returns once it has.
    if ! wine "$helper" wait-window "$title" 20000; then
        kill "$tool" 2>/dev/null || true
        wait "$tool" || true
        exit 1
    fi
    stable_screenshot "$screenshot"
    wine "$helper" close-window "$title" 10000
    wait "$tool" || true
    # Wine's own processes end before the virtual display does, so none of them complains.
    wineserver -w
    echo "Screenshot of the dialog: $screenshot"
    exit 0
fi

"$root/tools/wine-prepare.sh"
"$root/tools/install-standin.sh" "$standin"
if [ -n "${DISPLAY:-}" ]; then
    status=0
    run_tool || status=$?
    case $status in
    0) echo "OK: \"$queue\" holds the settings shown" ;;
    1) echo "Cancelled: nothing stored" ;;
    *) echo "SettingTool.exe ended with status $status" ;;
    esac
    exit 0
fi
exec xvfb-run -a -s "-screen 0 1024x768x24" "$0" --virtual-display
