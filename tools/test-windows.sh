#!/usr/bin/env bash
# Runs the Windows test programs (control contract, real spooler and services, end-to-end runs
# of the programs) under Wine in the project's prefix, on a virtual display of their own.
set -euo pipefail
cd "$(dirname "$0")/.."
source tools/wine-env.sh
case "$SETTINGTOOL_WINE_BITS" in
none)
    echo "test-windows.sh: this machine runs no 32-bit programs and has no 64-bit Wine:" >&2
    echo "test-windows.sh: the tests under Wine are SKIPPED." >&2
    ctest --preset product -E product_runtime
    exit 0
    ;;
64)
    # The same sources built as 64-bit programs stand in for the 32-bit ones under 64-bit Wine.
    # The product's own checks (size, imports, a rebuild) still read the 32-bit programs; only the
    # one that runs a 32-bit program is left out.
    echo "test-windows.sh: this machine runs no 32-bit programs: the tests under Wine run on" \
        "64-bit builds of the programs and tests (presets product64, windows64)." >&2
    for preset in product64 windows64; do
        cmake --preset "$preset" >/dev/null
        cmake --build --preset "$preset"
    done
    product_checks="ctest --preset product -E product_runtime"
    ;;
*)
    product_checks="ctest --preset product"
    ;;
esac
tools/wine-prepare.sh
# A wineserver left over from a run without a display keeps new windows from appearing.
timeout 30 wineserver -w || true
# The product tree's own checks first (size budget, a rebuild elsewhere, exceptions), then the
# test programs that work its programs.
xvfb-run -a -s "-screen 0 1024x768x24" \
    bash -c "$product_checks && ctest --preset $SETTINGTOOL_WINDOWS_PRESET"
