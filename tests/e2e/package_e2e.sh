#!/usr/bin/env bash
# The player's ZIP as a player uses it: unpacked into a folder whose name holds a space,
# "register.cmd" run (twice) by Wine's cmd, the packed setupshell.exe started (it creates its
# configuration file), then the packed disc's autorun.exe, which starts that shell by itself.
#   package_e2e.sh ZIP DRIVER_EXE OUTPUT_FOLDER
set -euo pipefail
zip=$1 driver_exe=$2 output=$3
source "$(dirname "${BASH_SOURCE[0]}")/e2e_env.sh"
trap end_scenario EXIT
fail() {
  echo "FAIL: $*" >&2
  import -window root -display "$DISPLAY" "$output/failed-package.png" 2>/dev/null || true
  exit 1
}
mkdir -p "$output"
root="$install/My Games"
mkdir -p "$root"
python3 -m zipfile -e "$zip" "$root"
folder="$root/Voltrane"
for file in Voltrane/setupshell.exe Voltrane/KzR/logo.avi Voltrane/register.cmd \
  "Voltrane/ПРОЧТИ.txt" disc/autorun.exe disc/autorun.inf voltcfg.exe; do
  [ -f "$root/$file" ] || fail "$file is not in the package"
done
[ -z "$(find "$root" -iname voltra.exe -o -iname setup.exe)" ] || fail "a stand-in is packed"

value() { wine reg query "$key" /v "$1" 2>/dev/null | tr -d '\r' | sed -n "s/^ *$1 *REG_SZ *//p"; }
register() {
  (cd "$folder" && wine cmd /c register.cmd >/dev/null 2>&1) || fail "register.cmd failed"
}
wine reg delete "$key" /f >/dev/null 2>&1 || true
register
windows_folder=$(winepath -w "$folder" 2>/dev/null)
[ "$(value "Main Folder")" = "$windows_folder" ] || fail "Main Folder is '$(value "Main Folder")'"
[ "$(value "Cfg Name")" = voltra.cfg ] || fail "Cfg Name is '$(value "Cfg Name")'"
# Run again, with a configuration name of the player's own: the name stays.
wine reg add "$key" /v "Cfg Name" /t REG_SZ /d mine.cfg /f >/dev/null
register
[ "$(value "Cfg Name")" = mine.cfg ] || fail "a second run set Cfg Name to '$(value "Cfg Name")'"
[ "$(value "Main Folder")" = "$windows_folder" ] || fail "a second run changed Main Folder"

# The packed voltcfg.exe answers --help, and gives the defaults the shell must write.
help=$(wine "$root/voltcfg.exe" --help 2>/dev/null) || fail "voltcfg --help failed"
[[ $help == *"voltcfg check FILE"* ]] || fail "voltcfg --help: $help"
wine "$root/voltcfg.exe" defaults >"$install/defaults.cfg" 2>/dev/null

start_shell_of_package() {
  wine "$folder/setupshell.exe" >/dev/null 2>&1 &
  shell_pid=$!
}
start_shell_of_package
wait_bar
driver click "Выход"
wait_shell
[ "$status" = 0 ] || fail "setupshell.exe ended with exit code $status"
cmp "$folder/mine.cfg" "$install/defaults.cfg" || fail "the new configuration is not the defaults"

# The disc: installed, so autorun starts the packed shell after two seconds and ends.
start=$(date +%s%N)
wine "$root/disc/autorun.exe" >/dev/null 2>&1 &
autorun_pid=$!
driver wait-button "Установка" 20000 || fail "the autorun window did not show"
driver wait-button "Игра" 30000 || fail "autorun did not start the shell"
elapsed=$((($(date +%s%N) - start) / 1000000))
echo "from autorun's start to the packed shell's bar: $elapsed ms"
[ "$elapsed" -ge 2000 ] || fail "the shell came before two seconds"
for _ in $(seq 100); do kill -0 "$autorun_pid" 2>/dev/null || break; sleep 0.1; done
kill -0 "$autorun_pid" 2>/dev/null && fail "autorun did not end"
autorun_pid=
driver click "Выход"
for _ in $(seq 100); do driver wait-button "Игра" 0 || break; sleep 0.1; done
wine reg delete "$key" /f >/dev/null 2>&1 || true
echo "package $(basename "$zip"): registered, started, configuration made, started from the disc"
