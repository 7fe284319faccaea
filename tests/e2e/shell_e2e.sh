#!/usr/bin/env bash
# End-to-end scenarios of setupshell.exe: the built program on a scratch copy of the demo
# installation, registered in the test prefix, driven from outside (xdotool and driver.exe).
#   shell_e2e.sh SCENARIO DEMO_INSTALL DRIVER_EXE VOLTCFG_EXE OUTPUT_FOLDER
set -euo pipefail
scenario=$1 demo=$2 driver_exe=$3 voltcfg_exe=$4 output=$5
source "$(dirname "${BASH_SOURCE[0]}")/e2e_env.sh"
trap end_scenario EXIT
copy_demo
failed_shot=failed-shell-$scenario
register() { "$voltrane_root/demo/register.sh" "$install" "${1:-voltra.cfg}" >/dev/null; }
# The no-card device codes, 13 and 13, in the file the shell has made: on a machine without a
# card the Sound page then leaves them, and an untouched setup dialog closes without asking.
no_card_devices() {
  sed -i 's/^FXDevice = 0\r$/FXDevice = 13\r/; s/^MusicDevice = 0\r$/MusicDevice = 13\r/' \
    "$install/voltra.cfg"
  grep -q $'^MusicDevice = 13\r$' "$install/voltra.cfg" || fail "no device codes to set"
}

case "$scenario" in
  real-click-exit)
    register
    start_shell_bar
    driver wait-painted "Выход" || fail "the bar was not painted"
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
    exit_shell
    ;;
  no-install-key)
    unregister
    start_shell
    if ! driver no-message-box 2500; then fail "a message box without the key"; fi
    wait_bar
    [ ! -e "$install/voltra.cfg" ] || fail "a configuration file was written without the key"
    exit_shell
    register
    ;;
  creates-missing-config)
    register "my.cfg"
    start_shell_bar
    exit_shell
    [ -f "$install/my.cfg" ] || fail "no configuration file was made"
    wine "$voltcfg_exe" defaults >"$output/defaults.cfg" 2>/dev/null
    cmp "$install/my.cfg" "$output/defaults.cfg" || fail "the new file is not the defaults"
    # An existing file is left exactly as it is, damaged or not.
    printf 'not a configuration\r\n' >"$install/my.cfg"
    start_shell_bar
    exit_shell
    [ "$(cat "$install/my.cfg")" = $'not a configuration\r' ] || fail "an existing file was rewritten"
    ;;
  detected-card)
    # A player's machine with a Sound Blaster in autoexec.bat and no configuration file yet.
    register
    [ ! -e "$WINEPREFIX/drive_c/autoexec.bat" ] || fail "the prefix has an autoexec.bat already"
    made_outside="$WINEPREFIX/drive_c/autoexec.bat"
    printf '@ECHO OFF\r\nSET BLASTER=A240 I7 D3 H7 P300 E640 T6\r\n' >"$made_outside"
    start_shell_bar
    [ -f "$install/voltra.cfg" ] || fail "no configuration file was made"
    wine "$voltcfg_exe" detect --autoexec 'C:\autoexec.bat' 2>/dev/null >"$output/detect.txt"
    head -n 1 "$output/detect.txt" | tr -d '\r' | grep -qx \
      'found=1 address=0x240 midi=0x300 irq=7 dma8=3 dma16=7 emu=1600' || fail "voltcfg detect: $(head -n 1 "$output/detect.txt")"
    tail -n +2 "$output/detect.txt" >"$output/detected-section.cfg"
    sed -n '/^\[Sound Setup\]/,/^\[KeyDefinitions\]/p' "$install/voltra.cfg" | head -n -1 \
      >"$output/shell-section.cfg"
    cmp "$output/shell-section.cfg" "$output/detected-section.cfg" ||
      fail "the new file's Sound Setup is not what voltcfg detect prints"
    # The keyboard alone: Ctrl+Tab to the Sound page, Tab to the effects slider, Right once,
    # Esc, and Yes (the question's first button).
    driver click "Настройка"
    press_key ctrl+Tab setup 101
    driver wait-setup-page 1 >/dev/null || fail "Ctrl+Tab did not bring the Sound page"
    item_is 121 "Саунд бластер отключен|0|1" "the card switch"
    item_is 109 "240|0|1" "the address box"
    import -window root -display "$DISPLAY" "$output/sound-page.png"
    # The effects slider takes the focus; one step right shows " 181".
    tab_right_escape_save 104 102 " 181|0|1"
    driver wait-button "Выход" >/dev/null || fail "the bar is gone"
    grep -q $'^FXVolume = 181\r$' "$install/voltra.cfg" || fail "FXVolume is not 181"
    exit_shell
    ;;
  setup-keyboard)
    # Real key presses: Ctrl+Tab twice, Ctrl+Shift+Tab, then Ctrl+PgUp twice from the first
    # page; each time the selected page and its icon.
    register
    start_shell_bar
    no_card_devices
    driver click "Настройка"
    read -r page icon0 < <(driver setup-page) || fail "no setup dialog"
    [ "$page" = 0 ] || fail "opened on page $page"
    driver wait-painted setup || fail "the setup dialog was not painted"
    import -window root -display "$DISPLAY" "$output/setup-opened.png"
    # Each chord once the tab control has the focus; then the page it should bring.
    press() {
      press_key "$1" setup 101
      read -r page icon < <(driver wait-setup-page "$2") || fail "$1 went to page $page, not $2"
    }
    press ctrl+Tab 1
    icon1=$icon
    press ctrl+Tab 2
    icon2=$icon
    press ctrl+shift+Tab 1
    [ "$icon" = "$icon1" ] || fail "Ctrl+Shift+Tab: icon $icon"
    press ctrl+Prior 0
    [ "$icon" = "$icon0" ] || fail "Ctrl+PgUp: icon $icon"
    press ctrl+Prior 5
    import -window root -display "$DISPLAY" "$output/setup-last-page.png"
    for other in "$icon0" "$icon1" "$icon2"; do
      [ "$icon" != "$other" ] || fail "the last page shows another page's icon"
    done
    [ "$icon0" != "$icon1" ] && [ "$icon1" != "$icon2" ] || fail "the icon did not follow"
    press_key Escape setup 101
    driver no-setup 10000 || fail "Esc did not close the setup dialog"
    exit_shell
    ;;
  keyboard-page-keys)
    # A player without a mouse: on the bar, Right twice from "Игра" and Enter on "Настройка";
    # two pages on to "Клавиатура", Tab into the grid, Enter on key 1 of "Вперед", Q as the new
    # key, Esc, and Enter on Yes of the question; back on the bar, Right and Enter on "Выход".
    # Each key goes once the window that should take it has the focus.
    register
    start_shell_bar
    press_key Right "Выход" 101
    press_key Right "Выход" 102
    press_key Return "Выход" 103
    for page in 1 2; do
      press_key ctrl+Tab setup 101
      driver wait-setup-page $page >/dev/null || fail "Ctrl+Tab did not bring page $page"
    done
    press_key Tab setup 101
    # While the page waits for the key, the grid is disabled and the status asks for the key.
    waiting=$'Меняйте клавишу|0|1'
    press_key Return page 101
    item_is 103 "$waiting" "Enter started no key change"
    press_key q setup
    item_is 101 '|0|1' "Q ended no key change"
    item_is 103 '|0|1' "Q was refused"
    import -window root -display "$DISPLAY" "$output/keyboard-page.png"
    # Esc while the page waits is refused as a key: the grid has dropped the focus, so the
    # real key reaches the dialog as a system key and the dialog stays open.
    press_key Return page 101
    item_is 103 "$waiting" "Enter started no second change"
    press_key Escape setup
    item_is 103 $'Клавиша\nнеприменима!|0|1' "Esc was not refused"
    if ! driver no-message-box 1000; then fail "Esc while waiting closed the dialog"; fi
    import -window root -display "$DISPLAY" "$output/keyboard-page-esc.png"
    press_key Escape page 101
    press_key Return message-box 6
    driver no-setup 10000 || fail "the setup dialog stayed"
    press_key Right "Выход" 103
    press_key Return "Выход" 104
    driver no-button "Игра" || fail "Enter on Выход did not close the shell"
    wait_shell
    grep -q '^Move_Forward = "Q" "Kpad8"'$'\r''\?$' "$install/voltra.cfg" ||
      fail "Move_Forward: $(grep Move_Forward "$install/voltra.cfg")"
    ;;
  *)
    fail "unknown scenario $scenario"
    ;;
esac
echo "PASS: $scenario"
