#!/bin/sh
# Starts Voltrane on Linux under Wine, in one command:
#   voltrane.sh        the setup shell, setupshell.exe in this folder
#   voltrane.sh disc   the disc's launcher, ../disc/autorun.exe
# The Wine prefix is WINEPREFIX when it is set, otherwise one of Voltrane's own under
# ${XDG_DATA_HOME:-$HOME/.local/share}/voltrane, which Wine creates on the first start. A new
# prefix takes Wine's default architecture (or WINEARCH, when set): a 64-bit Wine runs the
# x86_64 and, with its 32-bit part, the i686 programs; a 32-bit-only Wine makes a 32-bit prefix.
# Every start registers this folder as the installed game through register.cmd, so that the
# registry is written in one place only and a moved folder is found again. Nothing is written
# outside the prefix and this folder.

# First, so that the message comes before anything else can fail.
if ! command -v wine >/dev/null 2>&1; then
  echo "Voltrane: не найдена программа wine, установите Wine / wine was not found, install Wine" >&2
  exit 2
fi

case ${1-} in
  "") program=setupshell.exe ;;
  disc) program=../disc/autorun.exe ;;
  *)
    echo "usage: voltrane.sh [disc]" >&2
    exit 2
    ;;
esac

# This script's own folder, through any symbolic links to the script and to its folders.
script=$0
while [ -L "$script" ]; do
  target=$(readlink -- "$script")
  case $target in
    /*) script=$target ;;
    *) script=$(dirname -- "$script")/$target ;;
  esac
done
here=$(cd -P -- "$(dirname -- "$script")" && pwd -P) || exit 1
case $program in
  ../*) program=$(dirname -- "$here")/${program#../} ;;
  *) program=$here/$program ;;
esac
if [ ! -f "$program" ]; then
  echo "Voltrane: нет файла / no such file: $program" >&2
  exit 1
fi

export WINEPREFIX="${WINEPREFIX:-${XDG_DATA_HOME:-$HOME/.local/share}/voltrane}"
export WINEDEBUG="${WINEDEBUG:--all}"
# No menu entries or file associations of Wine's own (winemenubuilder), and no offer to install
# Mono or Gecko while Wine prepares a new prefix: the programs need neither.
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:+$WINEDLLOVERRIDES;}winemenubuilder.exe=d;mscoree,mshtml="
# A prefix that Wine has begun holds drive_c at once; its registry files come only when the
# Wine server next saves them.
if [ ! -d "$WINEPREFIX/drive_c" ]; then
  echo "Voltrane: первый запуск, Wine готовит $WINEPREFIX (до минуты) /" \
    "first start, Wine is preparing $WINEPREFIX (up to a minute)" >&2
  mkdir -p -- "$WINEPREFIX" || exit 1
fi

# The desktop entry beside this script gets this folder's absolute paths: a desktop looks for
# neither a relative Exec nor a relative Icon beside the entry. The entry can then be copied
# into ~/.local/share/applications as it is. Exec quotes its argument and escapes " ` $ \ and
# %, then the entry escapes \ again; Icon is a plain string.
update_desktop_entry() {
  entry=$here/voltrane.desktop
  [ -f "$entry" ] && [ -w "$entry" ] || return 0
  case $here in *"
"*) return 0 ;; esac
  exec_path=$(printf '%s\n' "$here/voltrane.sh" |
    sed -e 's/[\\"`$]/\\&/g' -e 's/%/%%/g' -e 's/\\/\\\\/g')
  icon_path=$(printf '%s\n' "$here/voltrane.png" | sed -e 's/\\/\\\\/g')
  updated=$(EXEC="sh \"$exec_path\"" ICON=$icon_path awk '
    /^Exec=/ { print "Exec=" ENVIRON["EXEC"]; next }
    /^Icon=/ { print "Icon=" ENVIRON["ICON"]; next }
    { print }' "$entry") || return 0
  [ "$updated" = "$(cat -- "$entry")" ] || printf '%s\n' "$updated" >"$entry"
}
update_desktop_entry

# register.cmd takes its own folder from the path it was started by, so it runs from here. What
# it prints (reg's own words on a failure among them, in the console's code page) is shown only
# when it fails; Wine's own complaints (on standard error) pass.
cd -- "$here" || exit 1
registered=$(wine cmd /c register.cmd) && status=0 || status=$?
if [ "$status" != 0 ]; then
  echo "Voltrane: register.cmd не записал реестр / register.cmd failed ($status)" >&2
  printf '%s\n' "$registered" | tr -d '\r' >&2
  exit 1
fi
exec wine "$program"
