# Sourced by the end-to-end scenarios: the test prefix on its own display, the installation
# key's path, and a scratch folder ($install) for the copy of the demo installation.
source "$(dirname "${BASH_SOURCE[0]}")/../../scripts/wine-env.sh"
voltrane_test_prefix
export VOLTRANE_TESTING=1
export DISPLAY=${VOLTRANE_DISPLAY:-}
voltrane_wine_env
voltrane_hold_prefix
# A step that ends a scenario without a word of its own (set -e) is named, with its status,
# in the scenario's functions too.
set -o errtrace
trap 'echo "FAIL: line $LINENO: $BASH_COMMAND (status $?)" >&2' ERR

key='HKCU\SOFTWARE\Kestrelwood\Voltrane'
# reg.exe says why it failed on its standard output: shown then, kept quiet otherwise.
reg_add() {
  local said
  said=$(wine reg add "$key" "$@" /f 2>&1) || { echo "reg add: $said" >&2; return 1; }
}
unregister() { wine reg delete "$key" /f >/dev/null 2>&1 || true; }
install=$(mktemp -d)

# What the scenarios share. They set demo, driver_exe and output first; a failure leaves a
# screenshot in $output/$failed_shot.png when they name one, and says what fail_details says.
shell_pid=
autorun_pid=
failed_shot=
fail() {
  echo "FAIL: $*" >&2
  if declare -F fail_details >/dev/null; then fail_details >&2; fi
  local shot=$output/$failed_shot.png
  [ -z "$failed_shot" ] || import -window root -display "$DISPLAY" "$shot" 2>/dev/null || true
  exit 1
}
# Runs the command after $1 every 100 ms until it succeeds, for up to $1 seconds; fails when it
# has not succeeded by then.
wait_until() {
  local limit=$1
  shift
  for _ in $(seq $((limit * 10))); do "$@" && return 0; sleep 0.1; done
  "$@"
}
gone() { ! kill -0 "$1" 2>/dev/null; }
# Waits up to $2 seconds for the process $1 to end; fails when it is still there.
wait_gone() { wait_until "$2" gone "$1"; }
# Ends what a scenario started and removes its scratch folder, and what it made outside it,
# $made_outside (trap end_scenario EXIT).
made_outside=
end_scenario() {
  if [ -n "$autorun_pid" ]; then kill "$autorun_pid" 2>/dev/null || true; fi
  if [ -n "$shell_pid" ]; then kill "$shell_pid" 2>/dev/null || true; fi
  rm -rf "$install"
  if [ -n "$made_outside" ]; then rm -rf "$made_outside"; fi
}
# Starts autorun.exe of the disc in $install/Disc and waits for its window.
start_autorun() {
  wine "$install/Disc/autorun.exe" >/dev/null 2>&1 &
  autorun_pid=$!
  driver wait-button "Установка" 20000 || fail "the autorun window did not show"
}
# A copy of the demo installation, without what earlier runs left in it.
copy_demo() {
  cp -r "$demo/." "$install/"
  rm -f "$install"/*.cfg "$install/voltra.log"
  mkdir -p "$output"
}
driver() { wine "$driver_exe" "$@" 2>/dev/null | tr -d '\r'; return "${PIPESTATUS[0]}"; }
start_shell() {
  wine "$install/setupshell.exe" "$@" >/dev/null 2>&1 &
  shell_pid=$!
}
# Waits for the shell to end and leaves its exit code in $status.
wait_shell() {
  status=0
  wait "$shell_pid" || status=$?
  shell_pid=
}
wait_bar() { driver wait-button "Выход" 20000 || fail "the button bar did not show${1:+ ($1)}"; }
# Starts the shell with ARGS and waits for its button bar.
start_shell_bar() {
  start_shell "$@"
  wait_bar
}
# Presses Exit and waits for the shell to end with exit code 0.
exit_shell() {
  driver click "Выход"
  wait_shell
  [ "$status" = 0 ] || fail "exit code $status${1:+ $1}"
}
# Presses KEY (xdotool) once WHAT (and its item ID, when given; see driver wait-focus) has the
# focus as Wine sees it. Wine hands a key to the window that it has given the focus, whichever
# of the program's X windows the key comes to; but with no window manager here the X server
# may keep its focus off all of them (a window that had it has closed, and the server refused
# Wine's next request as too old), and the key would be lost. The test then gives the X focus
# to WHAT's window itself, as a window manager would; and when Wine has given the foreground to
# the desktop for that reason, the driver activates WHAT (see driver wait-focus).
press_key() {
  local key=$1 what=$2 id=${3:-0} windows said
  said=$(wine "$driver_exe" wait-focus "$what" "$id" 2>&1 >/dev/null | tr -d '\r') ||
    fail "$what $id has not the focus before $key: $said"
  # Wine names a window's X window in a property of the window; when a lookup finds none, the
  # key goes as it is, and what the key should have done is checked after it all the same.
  if windows=$(driver x-windows "$what") &&
    ! grep -qx -- "$(xdotool getwindowfocus 2>/dev/null)" <<<"$windows"; then
    xdotool windowfocus --sync "$(head -n 1 <<<"$windows")" || fail "no X focus for $what"
  fi
  xdotool key "$key"
}
# Waits until item $1 of the shown setup page is in the state $2 (as `driver wait-page` prints
# it, "text|checked|enabled"); otherwise fails with $3 and the state it has. One read is no
# answer: the driver asks for an item's text with a 2 s limit, and under load a busy dialog
# thread lets it run out, so that the item reads as empty.
item_is() {
  driver wait-page "$1" 15000 "$2" >/dev/null || fail "$3: $(driver wait-page "$1" 0)"
}
# On the open setup dialog, with the keyboard: Tab into the shown page, where item $1 takes the
# focus; Right, after which item $2 is in the state $3 (as `driver wait-page` prints it); Esc;
# then Yes to the save question. Each key goes once its window has the focus.
tab_right_escape_save() {
  press_key Tab setup 101
  press_key Right page "$1"
  item_is "$2" "$3" "after Right"
  press_key Escape setup
  box=$(driver message-box 10000) || fail "no save question"
  [ "$box" = "|Конфигурация изменена. Сохранить изменения?" ] || fail "message box: $box"
}
