#!/usr/bin/env bash
# Builds everything, assembles the demo installation, registers it in the project's Wine
# prefix and starts setupshell.exe. Without a display it runs under Xvfb and leaves a
# screenshot.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
scripts/install-deps.sh
scripts/build.sh
install=$PWD/build/win64/demo/Voltrane
export VOLTRANE_WINEPREFIX=$PWD/build/wineprefix
headless=0
if [ -z "${DISPLAY:-}" ]; then headless=1; fi
source tests/wine/wine-env.sh
voltrane_wine_env
demo/register.sh "$install"
if [ "$headless" -eq 0 ]; then
  exec wine "$install/setupshell.exe"
fi
shot=$PWD/build/demo-screenshot.png
wine "$install/setupshell.exe" &
shell=$!
sleep "${VOLTRANE_SHOT_DELAY:-8}"
import -window root -display "$DISPLAY" "$shot"
echo "setupshell.exe runs on the virtual display $DISPLAY; screenshot: $shot"
wait "$shell"
