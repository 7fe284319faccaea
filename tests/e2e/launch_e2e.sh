#!/usr/bin/env bash
# End-to-end scenarios of the game launch: the built setupshell.exe on a scratch copy of the
# demo installation, with the stand-in voltra.exe whose log tells how it was started.
#   launch_e2e.sh SCENARIO DEMO_INSTALL DRIVER_EXE VOLTCFG_EXE OUTPUT_FOLDER
set -euo pipefail
scenario=$1 demo=$2 driver_exe=$3 voltcfg_exe=$4 output=$5
source "$(dirname "${BASH_SOURCE[0]}")/e2e_env.sh"
cleanup() {
  wine "$driver_exe" end-game >/dev/null 2>&1 || true
  if [ -n "$shell_pid" ]; then
    # Exit first, so that no shell of this run stays behind for the next scenario.
    wine "$driver_exe" click "Выход" >/dev/null 2>&1 || true
    wait_gone "$shell_pid" 5 || true
  fi
  end_scenario
}
trap cleanup EXIT
copy_demo
unset VOLTRA_LOG
export VOLTRA_SECONDS=${VOLTRA_SECONDS:-30}
folder=$(winepath -w "$install" 2>/dev/null)
log=$install/voltra.log
failed_shot=failed-$scenario
fail_details() { if [ -f "$log" ]; then cat "$log"; fi; }
register() {
  reg_add /v "Main Folder" /t REG_SZ /d "$folder"
  reg_add /v "Cfg Name" /t REG_SZ /d "$1"
}
starts() {
  if [ -f "$log" ]; then grep -c '^pid=' "$log" || true; else echo 0; fi
}
wait_starts() {
  for _ in $(seq 100); do
    [ "$(starts)" -ge "$1" ] && return 0
    sleep 0.2
  done
  fail "the game did not start $1 time(s)"
}
# The value of a key in the last block of the game's log.
logged() { grep "^$1=" "$log" | tail -1 | cut -d= -f2- | tr -d '\r'; }
# expect_logged KEY VALUE [KEY VALUE...]: the game's log has each key with its value.
expect_logged() {
  while [ $# -gt 0 ]; do
    [ "$(logged "$1")" = "$2" ] || fail "$1 is '$(logged "$1")', not '$2'"
    shift 2
  done
}
# Clicks the game button and waits for the game's start.
start_game() {
  driver click "Игра"
  wait_starts 1
}
# Ends the running game, then the shell.
end_game_and_shell() {
  driver end-game
  driver wait-no-game 20000 || fail "the game did not end"
  exit_shell
}
# Processor time of the shell's Linux process in ms (user + system), from /proc.
shell_cpu_ms() {
  local pid total=0 ticks found=0
  ticks=$(getconf CLK_TCK)
  for pid in $(ps -eo pid=,comm=,args= |
    awk -v exe="$install/setupshell.exe" '$2 == "setupshell.exe" && index($0, exe) {print $1}'); do
    total=$((total + $(awk '{print $14 + $15}' "/proc/$pid/stat")))
    found=1
  done
  [ "$found" = 1 ] || fail "no Linux process of $install/setupshell.exe"
  echo $((total * 1000 / ticks))
}

case "$scenario" in
  game-button)
    register "B.CFG"
    wine "$voltcfg_exe" defaults >"$install/b.cfg" 2>/dev/null
    printf '[Setup]\r\n' >"$install/a.cfg"
    start_shell_bar
    [ "$(driver thread-priority "Выход")" = 0 ] || fail "the thread is not at normal priority"
    start_game
    [ ! -e "$install/a.cfg" ] || fail "a.cfg stayed"
    [ -f "$install/b.cfg" ] || fail "b.cfg is gone"
    expect_logged commandline "$folder\\voltra.exe" cwd "$folder" priority_class 0x80 \
      startup_flags 0x45 show_window 3 position 0,0 cfg_files b.cfg cfg_name B.CFG
    driver thread-priority "Выход" -15 >/dev/null || fail "the thread is not at idle priority"
    [ "$(driver window-origin "Выход")" = "1023 767" ] || fail "the bar is in sight"
    # The window takes its place once the video has its size.
    logo=$(driver window-rect logo 15000 "352 0 672 240") || fail "the logo window is at '$logo'"
    import -window root -display "$DISPLAY" "$output/game-running.png"
    # The shell waits without polling: its processor time over 20 s of the running game.
    before=$(shell_cpu_ms) || fail "no Linux process of the shell"
    windows_ms=$(driver cpu-ms "Выход" 20000)
    after=$(shell_cpu_ms) || fail "no Linux process of the shell"
    echo "shell CPU over 20 s of the game: $((after - before)) ms (/proc), $windows_ms ms (GetProcessTimes)" |
      tee "$output/shell-cpu.txt"
    [ $((after - before)) -lt 400 ] || fail "the shell used $((after - before)) ms while the game ran"
    # Clicks while the game runs start nothing: two seconds in which no second start comes.
    driver click "Игра"
    sleep 2
    [ "$(starts)" = 1 ] || fail "a second game started while the first ran"
    driver end-game
    driver wait-no-game 20000 || fail "the game did not end"
    driver click "Помощь"
    driver thread-priority "Выход" 0 >/dev/null || fail "the thread stayed at idle after a click"
    driver click "Игра"
    wait_starts 2
    end_game_and_shell
    ;;
  argument-start)
    register "voltra.cfg"
    start_shell play
    wait_starts 1
    # The bar had been shown: the launch moved it out of sight.
    [ "$(driver window-origin "Выход")" = "1023 767" ] || fail "the bar was not moved away"
    # Three seconds in which no second start comes.
    sleep 3
    [ "$(starts)" = 1 ] || fail "the argument started the game $(starts) times"
    end_game_and_shell
    ;;
  no-game)
    register "b.cfg"
    rm "$install/voltra.exe"
    printf '[Setup]\r\n' >"$install/a.cfg"
    start_shell_bar
    driver click "Игра"
    box=$(driver message-box 20000) || fail "no message box"
    [ "$box" = "Error|Cannot open the 'voltra.exe' file" ] || fail "first message box: $box"
    driver wait-message-box 20000 "Error|Failed to create the process" >/dev/null ||
      fail "no second message box: $(driver wait-message-box 0)"
    driver wait-painted message-box || fail "the second message box was not painted"
    import -window root -display "$DISPLAY" "$output/logo-and-failure.png"
    driver message-box >/dev/null || fail "the second message box went away"
    [ ! -e "$install/a.cfg" ] || fail "the clean-up did not run"
    driver escape-logo || fail "no logo window to close"
    driver no-logo || fail "Esc did not close the logo window"
    import -window root -display "$DISPLAY" "$output/waiting-text.png"
    start=$(date +%s%N)
    exit_shell
    echo "Exit after a failed launch took $((($(date +%s%N) - start) / 1000000)) ms"
    ;;
  empty-cfg-name)
    register ""
    printf '[Setup]\r\n' >"$install/a.cfg"
    printf '[Setup]\r\n' >"$install/b.cfg"
    start_shell_bar
    start_game
    [ -f "$install/a.cfg" ] && [ -f "$install/b.cfg" ] || fail "a configuration was removed"
    expect_logged cfg_files a.cfg,b.cfg
    end_game_and_shell
    ;;
  cyrillic-folder)
    # The installation in C:\Игры\Вольтран 2: Cyrillic letters and a blank in every path the
    # shell forms. Start-up check, save, load, clean-up and launch all meet them.
    export LC_ALL=C.UTF-8
    games="$WINEPREFIX/drive_c/Игры"
    [ ! -e "$games" ] || fail "the prefix has a folder Игры already"
    made_outside=$games
    mkdir -p "$games/Вольтран 2"
    cp -r "$install/." "$games/Вольтран 2/"
    rm -rf "$install"
    install="$games/Вольтран 2" folder='C:\Игры\Вольтран 2' log="$games/Вольтран 2/voltra.log"
    register "voltra.cfg"
    start_shell_bar
    [ -f "$install/voltra.cfg" ] || fail "the start-up check wrote no voltra.cfg"
    wine "$voltcfg_exe" defaults >"$output/cyrillic-defaults.cfg" 2>/dev/null
    cmp "$install/voltra.cfg" "$output/cyrillic-defaults.cfg" || fail "voltra.cfg is not the defaults"
    # Save: Tab to the resolution, Right to 800 x 600, Esc, Yes.
    driver click "Настройка"
    driver wait-page 102 >/dev/null || fail "the setup dialog did not open"
    # The first resolution takes the focus; Right checks the second.
    tab_right_escape_save 102 103 "Pentium II|1|1"
    # The answer reaches the shell after the driver has pressed it: the file follows.
    wait_until 10 grep -q $'^ScreenWidth = 800\r$' "$install/voltra.cfg" ||
      fail "ScreenWidth 800 was not saved"
    # Load: the next opening shows what was saved, and closing asks nothing.
    driver wait-button "Выход" >/dev/null || fail "the bar is gone"
    driver click "Настройка"
    item_is 103 "Pentium II|1|1" "800 x 600 is not checked"
    import -window root -display "$DISPLAY" "$output/cyrillic-setup.png"
    press_key Escape setup 101
    driver no-setup 10000 || fail "Esc did not close the setup dialog"
    driver no-message-box 1500 || fail "a message box after an unchanged load"
    # Clean-up and launch: only the other configuration of the folder itself goes.
    printf '[Setup]\r\n' >"$install/other.cfg"
    mkdir -p "$install/sub"
    printf '[Setup]\r\n' >"$install/sub/x.cfg"
    printf '[Setup]\r\n' >"$games/up.cfg"
    driver wait-button "Выход" >/dev/null || fail "the bar is gone"
    start_game
    [ ! -e "$install/other.cfg" ] || fail "other.cfg stayed"
    [ -f "$install/sub/x.cfg" ] || fail "the clean-up reached a subfolder"
    [ -f "$games/up.cfg" ] || fail "the clean-up reached the parent folder"
    expect_logged commandline "\"$folder\\voltra.exe\"" cwd "$folder" cfg_files voltra.cfg \
      cfg_name voltra.cfg
    end_game_and_shell
    ;;
  hostile-cfg-name)
    # A name that leaves the folder: at start no file outside it and no message in the way of
    # the bar; at launch the clean-up removes nothing, as none of the files is the named one.
    parent=$(dirname "$install")
    [ ! -e "$parent/up.cfg" ] || fail "$parent/up.cfg exists already"
    printf '[Setup]\r\n' >"$install/a.cfg"
    register '..\up.cfg'
    start_shell_bar
    driver no-message-box 1000 || fail "a message box at start"
    if [ -e "$parent/up.cfg" ]; then
      rm -f "$parent/up.cfg"
      fail "the start-up check wrote outside the folder"
    fi
    start_game
    [ -f "$install/a.cfg" ] || fail "the clean-up removed a.cfg"
    expect_logged cfg_name '..\up.cfg'
    end_game_and_shell
    ;;
  *)
    fail "unknown scenario $scenario"
    ;;
esac
echo "PASS: $scenario"
