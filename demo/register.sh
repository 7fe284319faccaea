#!/usr/bin/env bash
# Registers a demo installation folder as the installed game in the current Wine prefix:
# HKEY_CURRENT_USER\SOFTWARE\Kestrelwood\Voltrane, "Main Folder" and "Cfg Name".
#   register.sh FOLDER [CFG_NAME]
set -euo pipefail
folder=$1
cfg=${2:-voltra.cfg}
key='HKCU\SOFTWARE\Kestrelwood\Voltrane'
# Runs a Wine tool and passes on its output. Its other words are kept back, unless it fails:
# then they go to standard error with its status.
quiet() {
  local err out status=0
  err=$(mktemp)
  out=$("$@" 2>"$err") || status=$?
  if [ "$status" != 0 ]; then
    echo "register.sh: $* ended with status $status: $out $(cat "$err")" >&2
  fi
  rm -f "$err"
  printf '%s\n' "$out"
  return "$status"
}
windows_folder=$(quiet winepath -w "$folder")
quiet wine reg add "$key" /v "Main Folder" /t REG_SZ /d "$windows_folder" /f >/dev/null
quiet wine reg add "$key" /v "Cfg Name" /t REG_SZ /d "$cfg" /f >/dev/null
echo "Registered $windows_folder with the configuration $cfg"
