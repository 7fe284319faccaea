#!/usr/bin/env bash
# Screenshots of every form, for the README: the demo installation in a prefix of its own on
# its own Xvfb, driven from outside as a player would (driver.exe and xdotool). Each picture is
# cropped to its window and reduced to a 256-colour palette.
#   screenshots.sh DEMO_INSTALL DEMO_DISC DRIVER_EXE OUTPUT_FOLDER
set -euo pipefail
demo=$1 disc=$2 driver_exe=$3 output=$4
source "$(dirname "${BASH_SOURCE[0]}")/e2e_env.sh"
trap end_scenario EXIT
copy_demo
mkdir -p "$install/Disc"
cp -r "$disc/." "$install/Disc/"

# shot NAME WHAT: the window that `driver window-rect WHAT` names, or the screen for "screen".
shot() {
  local file=$output/$1.png crop=
  if [ "$2" != screen ]; then
    local left top right bottom
    read -r left top right bottom < <(driver window-rect "$2") || fail "no window for $1"
    crop="-crop $((right - left))x$((bottom - top))+$left+$top +repage"
  fi
  # shellcheck disable=SC2086
  import -window root -display "$DISPLAY" $crop -colors 256 "PNG8:$file"
  echo "$file"
}
key() {
  xdotool key "$1"
  sleep "${2:-0.6}"
}

"$voltrane_root/demo/register.sh" "$install" voltra.cfg >/dev/null
start_shell_bar
sleep 1
shot main-window screen

driver click "Настройка"
driver setup-page >/dev/null || fail "the setup dialog did not open"
sleep 1.5
pages=(screen sound keyboard mouse joystick system)
for i in "${!pages[@]}"; do
  shot "setup-$((i + 1))-${pages[$i]}" setup
  key ctrl+Tab
done
# Back on the first page; on to the Mouse page, into its click grid, and Enter: the chooser.
for _ in 1 2 3; do key ctrl+Tab; done
key Tab
key Tab
key Down
key Return 1.5
shot activity-chooser chooser
key Down
key Return
key Escape 1
shot save-question message-box
driver message-box >/dev/null || fail "no save question"
driver no-setup 10000 || fail "the setup dialog stayed"

driver click "Помощь"
sleep 2
shot help-viewer help
key Escape 1

# The logo video, over the waiting text. Without the game program the stand-in game's
# full-screen window cannot cover it; the launch's message boxes sit in the screen's middle.
mv "$install/voltra.exe" "$install/voltra.exe.away"
driver click "Игра"
for _ in $(seq 100); do driver logo-rect >/dev/null && break; sleep 0.1; done
sleep 2
shot logo-video logo
driver message-box >/dev/null || fail "no message box for the missing game"
driver message-box >/dev/null || fail "no second message box for the missing game"
driver escape-logo || true
driver wait-button "Выход" 20000 || fail "the bar is gone"
sleep 1
driver click "Выход"
wait_shell

unregister
start_autorun
sleep 1
shot autorun-window "Установка"
driver click "Выход"
wait "$autorun_pid" || true
autorun_pid=
