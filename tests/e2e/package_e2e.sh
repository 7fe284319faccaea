#!/usr/bin/env bash
# The player's ZIP as a Linux player uses it, unpacked into a folder whose name holds a space and
# Cyrillic letters. Without wine, voltrane.sh says so. With it, the first start makes a Wine
# prefix (fresh, the test's own, in the build tree), registers the folder through register.cmd
# and starts the packed setupshell.exe, which creates its configuration. A second start, through
# a symbolic link from another folder, reuses the prefix, keeps the player's configuration name
# and starts the packed disc's autorun.exe, which starts the shell by itself. The desktop entry,
# which the script has pointed at its folder, starts the shell too.
#   package_e2e.sh ZIP DRIVER_EXE OUTPUT_FOLDER
set -euo pipefail
zip=$1 driver_exe=$2 output=$3
source "$(dirname "${BASH_SOURCE[0]}")/e2e_env.sh"
# Everything below talks to the package's own prefix, with the script's own Wine settings.
export WINEPREFIX=$output/package-prefix
unset WINEDLLOVERRIDES WINEARCH
end_package() {
  end_scenario
  wineserver -k 2>/dev/null || true
}
trap end_package EXIT
failed_shot=failed-package
fail_details() { echo "voltrane.sh said: $(cat "$install/said" 2>/dev/null)"; }
rm -rf "$WINEPREFIX"
mkdir -p "$output" "$install/no-wine" "$install/elsewhere"
root="$install/Мои игры"
python3 -m zipfile -e "$zip" "$root"
folder="$root/Voltrane"
[ -z "$(find "$root" -iname voltra.exe -o -iname setup.exe)" ] || fail "a stand-in is packed"

said=$(PATH=$install/no-wine /bin/sh "$folder/voltrane.sh" 2>&1) && status=0 || status=$?
[ "$status" = 2 ] || fail "without wine, exit status $status"
[ "$said" = "Voltrane: не найдена программа wine, установите Wine / wine was not found, install Wine" ] ||
  fail "without wine: $said"

# A value of the installation key. reg query would print it in the console's code page, which
# has no Cyrillic letters; reg export writes UTF-16, with each backslash doubled.
value() {
  (cd "$install" && wine reg export "$key" key.reg /y >/dev/null 2>&1)
  iconv -f UTF-16 -t UTF-8 "$install/key.reg" | tr -d '\r' | sed -n "s/^\"$1\"=\"\(.*\)\"\$/\1/p" |
    sed 's/\\\\/\\/g'
}
# Starts voltrane.sh from FOLDER with ARGS; its standard error goes to $install/said.
start_script() {
  (cd "$1" && shift && exec sh "$@") 2>"$install/said" &
  shell_pid=$!
}
# Waits up to 180 s for a file that the shell writes once it is up: the first start makes the
# prefix first, and nothing may talk to the prefix before that is done.
wait_file() {
  for _ in $(seq 1800); do [ -f "$1" ] && return; sleep 0.1; done
  fail "$1 was not written: $(cat "$install/said")"
}
close_shell() {
  driver click "Выход"
  driver no-button "Игра" || fail "the shell did not close"
}

start=$(date +%s)
start_script "$folder" voltrane.sh
wait_file "$folder/voltra.cfg"
echo "first start, the prefix made: $(($(date +%s) - start)) s"
wait_bar "first start"
import -window root -display "$DISPLAY" "$output/package-shell.png"
grep -q "первый запуск" "$install/said" || fail "the first start did not say it: $(cat "$install/said")"
[ "$(value "Main Folder")" = "$(winepath -w "$folder")" ] || fail "Main Folder: $(value "Main Folder")"
[ "$(value "Cfg Name")" = voltra.cfg ] || fail "Cfg Name is '$(value "Cfg Name")'"
exit_shell "(setupshell.exe)"
help=$(wine "$root/voltcfg.exe" --help 2>/dev/null) || fail "voltcfg --help failed"
[[ $help == *"voltcfg check FILE"* ]] || fail "voltcfg --help: $help"
wine "$root/voltcfg.exe" defaults >"$install/defaults.cfg" 2>/dev/null
cmp "$folder/voltra.cfg" "$install/defaults.cfg" || fail "the new configuration is not the defaults"

# Wine's setting up of a prefix (wineboot) writes the programs and libraries of C:\windows; an
# ordinary start writes none of them.
touch "$install/first-done"
reg_add /v "Cfg Name" /t REG_SZ /d mine.cfg
ln -s "$folder/voltrane.sh" "$install/elsewhere/voltrane"
start_script / "$install/elsewhere/voltrane" disc
autorun_pid=$shell_pid shell_pid=
driver wait-button "Установка" 30000 || fail "the autorun window did not show: $(cat "$install/said")"
wait_file "$folder/mine.cfg"
wait_bar "second start, from the disc"
wait_gone "$autorun_pid" 10 || fail "autorun did not end"
autorun_pid=
[ -z "$(find "$WINEPREFIX/drive_c/windows" -type f -newer "$install/first-done")" ] ||
  fail "the second start set the prefix up again"
[ "$(value "Cfg Name")" = mine.cfg ] || fail "a second start set Cfg Name to '$(value "Cfg Name")'"
[ "$(value "Main Folder")" = "$(winepath -w "$folder")" ] || fail "a second start moved Main Folder"
cmp "$folder/mine.cfg" "$install/defaults.cfg" || fail "mine.cfg is not the defaults"
close_shell

grep -qxF "Icon=$folder/voltrane.png" "$folder/voltrane.desktop" || fail "the entry's icon"
(cd "$install/elsewhere" && gio launch "$folder/voltrane.desktop") 2>"$install/said" ||
  fail "gio launch failed"
wait_bar "start through the desktop entry"
close_shell
wineserver -k
rm -rf "$WINEPREFIX"
echo "package $(basename "$zip"): no wine, first start, second start from the disc, desktop entry"
