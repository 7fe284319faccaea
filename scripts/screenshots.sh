#!/usr/bin/env bash
# Refreshes the README's pictures in docs/: the built programs on the demo installation, under
# Wine on a private Xvfb, driven from outside (tests/e2e/screenshots.sh).
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
scripts/install-deps.sh
if [ ! -f build/win64/CMakeCache.txt ]; then cmake --preset win64 >/dev/null; fi
cmake --build build/win64 -j "${VOLTRANE_JOBS:-$(nproc)}" --target demo_install demo_disc driver \
  >/dev/null
mkdir -p docs
# A prefix and a display of their own, so that a test run elsewhere is not disturbed.
export VOLTRANE_WINEPREFIX=$PWD/build/wineprefix-screenshots
status=0
bash tests/e2e/screenshots.sh build/win64/demo/Voltrane build/win64/demo/Disc \
  build/win64/tests/e2e/driver.exe docs || status=$?
WINEPREFIX=$VOLTRANE_WINEPREFIX wineserver -k 2>/dev/null || true
xvfb=$VOLTRANE_WINEPREFIX.xvfb-pid
if [ -f "$xvfb" ]; then kill "$(cat "$xvfb")" 2>/dev/null || true; fi
exit "$status"
