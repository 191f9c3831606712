#!/usr/bin/env bash
# Prepares the project's Wine prefix (tools/wine-env.sh names it) once; later calls return at
# once. Needs the Windows build (cmake --build --preset windows, or windows64 where Wine runs
# 64-bit programs only) for its helper. Installs nothing.
#   - creates the 32-bit prefix and waits for wineserver (a second services.exe breaks StartService)
#   - Managed=N: Wine draws the frames, so no window manager is needed and closing is quick
#   - lets the message, caption and menu fonts follow each run's language (a prefix made in an
#     English locale would show Japanese message boxes as empty boxes)
#   - maps "MS UI Gothic" to IPAPGothic if Wine does not select it already for Japanese: a
#     proportional Gothic like MS UI Gothic; with the fixed-pitch IPAGothic or VL Gothic the
#     labels of both languages do not fit their fields
#   - copies Marlett into the prefix: Wine draws the caption buttons with it but does not load it
#     from its own font folder (fonts-wine), so the close box would show a letter "r"
#   - adds the queues "Demo Printer" (tools/wine-run.sh) and "E2E Printer" (the e2e tests)
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
source "$root/tools/wine-env.sh"

for command in wine wineserver xvfb-run Xvfb; do
    if ! command -v "$command" >/dev/null; then
        echo "wine-prepare.sh: '$command' is missing: install wine, wine32:i386 and xvfb" >&2
        exit 1
    fi
done
helper="$root/build/$SETTINGTOOL_WINDOWS_PRESET/tools/helpers/winehelper.exe"
if [ ! -f "$helper" ]; then
    echo "wine-prepare.sh: $helper is missing: build first (cmake --build --preset $SETTINGTOOL_WINDOWS_PRESET)" >&2
    exit 1
fi

marker="$WINEPREFIX/.settingtool-prepared"
state="prefix 3: Demo Printer, E2E Printer, Marlett"
if [ -f "$marker" ] && [ "$(cat "$marker")" = "$state" ]; then
    exit 0
fi

echo "Preparing the Wine prefix $WINEPREFIX"
wine wineboot -i >/dev/null 2>&1
wineserver -w
wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null
wine "$helper" neutral-system-fonts
if ! LANG=ja_JP.UTF-8 wine "$helper" same-font "MS UI Gothic" IPAPGothic; then
    wine reg add 'HKCU\Software\Wine\Fonts\Replacements' /v "MS UI Gothic" /d IPAPGothic /f >/dev/null
fi
cp /usr/share/wine/fonts/marlett.ttf "$WINEPREFIX/drive_c/windows/Fonts/"
wine "$helper" add-queues "Demo Printer" "E2E Printer"
wineserver -w
echo "$state" >"$marker"
echo "Wine prefix ready"
