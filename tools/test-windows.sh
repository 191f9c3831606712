#!/usr/bin/env bash
# Runs the Windows test programs (control contract, real spooler and services, end-to-end runs
# of the programs) under Wine in the project's prefix, on a virtual display of their own.
set -euo pipefail
cd "$(dirname "$0")/.."
source tools/wine-env.sh
tools/wine-prepare.sh
# A wineserver left over from a run without a display keeps new windows from appearing.
timeout 30 wineserver -w || true
# The product tree's own checks first (size budget, a rebuild elsewhere, exceptions), then the
# test programs that work its programs.
xvfb-run -a -s "-screen 0 1024x768x24" \
    bash -c 'ctest --preset product && ctest --preset windows'

