#!/usr/bin/env bash
# End-to-end scenarios of setupshell.exe: the built program on a scratch copy of the demo
# installation, registered in the test prefix, driven from outside (xdotool and driver.exe).
#   shell_e2e.sh SCENARIO DEMO_INSTALL DRIVER_EXE VOLTCFG_EXE OUTPUT_FOLDER
set -euo pipefail
scenario=$1 demo=$2 driver_exe=$3 voltcfg_exe=$4 output=$5
source "$(dirname "${BASH_SOURCE[0]}")/e2e_env.sh"
cleanup() {
  if [ -n "$shell_pid" ]; then kill "$shell_pid" 2>/dev/null || true; fi
  rm -rf "$install"
}
trap cleanup EXIT
copy_demo

fail() {
  echo "FAIL: $*" >&2
  exit 1
}
register() { "$voltrane_root/demo/register.sh" "$install" "${1:-voltra.cfg}" >/dev/null; }
unregister() { wine reg delete "$key" /f >/dev/null 2>&1 || true; }

case "$scenario" in
  real-click-exit)
    register
    start_shell
    wait_bar
    sleep 0.5
    import -window root -display "$DISPLAY" "$output/shell-started.png"
    read -r x y < <(driver button-centre "Выход")
    xdotool mousemove "$x" "$y" click 1
    wait_shell
    [ "$status" = 0 ] || fail "exit code $status after Exit"
    ;;
  missing-start-sound)
    register
    rm "$install/KzR/flag.wav"
    start_shell
    box=$(driver message-box 20000) || fail "no message box"
    [ "$box" = "Error|Cannot open the 'KzR\\flag.wav' file" ] || fail "message box: $box"
    wait_bar
    if ! driver no-message-box 1500; then fail "a second message box"; fi
    driver click "Выход"
    wait_shell
    [ "$status" = 0 ] || fail "exit code $status"
    ;;
  no-install-key)
    unregister
    start_shell
    if ! driver no-message-box 2500; then fail "a message box without the key"; fi
    wait_bar
    [ ! -e "$install/voltra.cfg" ] || fail "a configuration file was written without the key"
    driver click "Выход"
    wait_shell
    register
    [ "$status" = 0 ] || fail "exit code $status"
    ;;
  creates-missing-config)
    register "my.cfg"
    start_shell
    wait_bar
    driver click "Выход"
    wait_shell
    [ -f "$install/my.cfg" ] || fail "no configuration file was made"
    wine "$voltcfg_exe" defaults >"$output/defaults.cfg" 2>/dev/null
    cmp "$install/my.cfg" "$output/defaults.cfg" || fail "the new file is not the defaults"
    # An existing file is left exactly as it is, damaged or not.
    printf 'not a configuration\r\n' >"$install/my.cfg"
    start_shell
    wait_bar
    driver click "Выход"
    wait_shell
    [ "$(cat "$install/my.cfg")" = $'not a configuration\r' ] || fail "an existing file was rewritten"
    ;;
  setup-keyboard)
    # Real key presses: Ctrl+Tab twice, Ctrl+Shift+Tab, then Ctrl+PgUp twice from the first
    # page; each time the selected page and its icon.
    register
    start_shell
    wait_bar
    driver click "Настройка"
    read -r page icon0 < <(driver setup-page) || fail "no setup dialog"
    [ "$page" = 0 ] || fail "opened on page $page"
    sleep 0.5
    import -window root -display "$DISPLAY" "$output/setup-opened.png"
    press() {
      xdotool key "$1"
      sleep 0.4
      read -r page icon < <(driver setup-page) || fail "no setup dialog after $1"
    }
    press ctrl+Tab
    [ "$page" = 1 ] || fail "Ctrl+Tab went to page $page"
    icon1=$icon
    press ctrl+Tab
    [ "$page" = 2 ] || fail "Ctrl+Tab twice went to page $page"
    icon2=$icon
    press ctrl+shift+Tab
    [ "$page" = 1 ] && [ "$icon" = "$icon1" ] || fail "Ctrl+Shift+Tab: page $page, icon $icon"
    press ctrl+Prior
    [ "$page" = 0 ] && [ "$icon" = "$icon0" ] || fail "Ctrl+PgUp: page $page, icon $icon"
    press ctrl+Prior
    [ "$page" = 5 ] || fail "Ctrl+PgUp from the first page went to page $page"
    import -window root -display "$DISPLAY" "$output/setup-last-page.png"
    for other in "$icon0" "$icon1" "$icon2"; do
      [ "$icon" != "$other" ] || fail "the last page shows another page's icon"
    done
    [ "$icon0" != "$icon1" ] && [ "$icon1" != "$icon2" ] || fail "the icon did not follow"
    xdotool key Escape
    driver no-setup 10000 || fail "Esc did not close the setup dialog"
    driver click "Выход"
    wait_shell
    [ "$status" = 0 ] || fail "exit code $status"
    ;;
  keyboard-page-keys)
    # A player without a mouse: Setup, two pages on to "Клавиатура", Tab into the grid,
    # Enter on key 1 of "Вперед", Q as the new key, Esc, and Yes to the question.
    register
    start_shell
    wait_bar
    driver click "Настройка"
    sleep 3
    xdotool key ctrl+Tab
    sleep 0.3
    xdotool key ctrl+Tab
    sleep 0.3
    for k in Tab Return q; do
      xdotool key "$k"
      sleep 0.4
    done
    import -window root -display "$DISPLAY" "$output/keyboard-page.png"
    # Esc while the page waits is refused as a key: the grid has dropped the focus, so the
    # real key reaches the dialog as a system key and the dialog stays open.
    xdotool key Return
    sleep 0.4
    xdotool key Escape
    if ! driver no-message-box 1000; then fail "Esc while waiting closed the dialog"; fi
    import -window root -display "$DISPLAY" "$output/keyboard-page-esc.png"
    xdotool key Escape
    sleep 1.5
    xdotool key Return
    sleep 1
    driver click "Выход"
    wait_shell
    grep -q '^Move_Forward = "Q" "Kpad8"'$'\r''\?$' "$install/voltra.cfg" ||
      fail "Move_Forward: $(grep Move_Forward "$install/voltra.cfg")"
    ;;
  *)
    fail "unknown scenario $scenario"
    ;;
esac
echo "PASS: $scenario"
