#!/usr/bin/env bash
# Runs the Windows test programs (control contract, real spooler and services, end-to-end runs
# of the programs) under Wine in the project's prefix, on a virtual display of their own.
set -euo pipefail
cd "$(dirname "$0")/.."
# The programs are 32-bit, and so is the Wine that runs them. A machine whose kernel runs 64-bit
# programs only (IA-32 emulation off: every 32-bit program fails with "Exec format error") cannot
# run any of it: there the product's checks that need no Wine run, and the rest is said to be
# skipped, not passed.
if ! /lib/ld-linux.so.2 --version >/dev/null 2>&1; then
    echo "test-windows.sh: this machine cannot run 32-bit x86 programs (IA-32 emulation is off)," >&2
    echo "test-windows.sh: so Wine cannot run here: the tests under Wine are SKIPPED." >&2
    ctest --preset product -E product_runtime
    exit 0
fi
source tools/wine-env.sh
tools/wine-prepare.sh
# A wineserver left over from a run without a display keeps new windows from appearing.
timeout 30 wineserver -w || true
# The product tree's own checks first (size budget, a rebuild elsewhere, exceptions), then the
# test programs that work its programs.
xvfb-run -a -s "-screen 0 1024x768x24" \
    bash -c 'ctest --preset product && ctest --preset windows'
