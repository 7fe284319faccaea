#!/usr/bin/env bash
# Builds everything, assembles the demo installation and the demo disc, registers the
# installation in the project's Wine prefix and starts setupshell.exe, or with "disc" the
# disc's autorun.exe, which starts the installed shell after two seconds. Without a display it
# runs under Xvfb and leaves screenshots.
#   run.sh [disc]
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
what=${1:-shell}
scripts/install-deps.sh
scripts/build.sh
install=$PWD/build/win64/demo/Voltrane
autorun=$PWD/build/win64/demo/Disc/autorun.exe
export VOLTRANE_WINEPREFIX=$PWD/build/wineprefix
headless=0
if [ -z "${DISPLAY:-}" ]; then headless=1; fi
source scripts/wine-env.sh
voltrane_wine_env
demo/register.sh "$install"
program=$install/setupshell.exe
if [ "$what" = disc ]; then program=$autorun; fi
if [ "$headless" -eq 0 ]; then
  exec wine "$program"
fi
shot=$PWD/build/demo-screenshot.png
driver=$PWD/build/win64/tests/e2e/driver.exe
if [ "$what" = disc ]; then
  wine "$autorun" >/dev/null 2>&1 &
  wine "$driver" wait-button "Установка" 30000 >/dev/null 2>&1 || true
  import -window root -display "$DISPLAY" "$PWD/build/demo-autorun-screenshot.png"
  echo "autorun.exe ran on the virtual display $DISPLAY; screenshot: build/demo-autorun-screenshot.png"
  # The shell it starts is not a child of this script: it is followed through its button bar.
  wine "$driver" wait-button "Игра" 30000 >/dev/null 2>&1 || true
  sleep 1
  import -window root -display "$DISPLAY" "$shot"
  echo "autorun.exe started setupshell.exe; screenshot: $shot"
  read -r x y < <(wine "$driver" button-centre "Выход" 2>/dev/null | tr -d '\r')
  xdotool mousemove --sync "$x" "$y" click 1
  echo "Exit was clicked"
  exit 0
fi
wine "$program" &
shell=$!
wine "$driver" wait-button "Выход" 30000 >/dev/null 2>&1 || true
sleep 1
import -window root -display "$DISPLAY" "$shot"
echo "setupshell.exe ran on the virtual display $DISPLAY; screenshot: $shot"
# Nobody can press Exit on a virtual display: a real mouse click on it ends the demo.
read -r x y < <(wine "$driver" button-centre "Выход" 2>/dev/null | tr -d '\r')
xdotool mousemove --sync "$x" "$y" click 1
status=0
wait "$shell" || status=$?
echo "Exit was clicked; setupshell.exe ended with exit code $status"
exit "$status"
