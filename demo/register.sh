#!/usr/bin/env bash
# Registers a demo installation folder as the installed game in the current Wine prefix:
# HKEY_CURRENT_USER\SOFTWARE\Kestrelwood\Voltrane, "Main Folder" and "Cfg Name".
#   register.sh FOLDER [CFG_NAME]
set -euo pipefail
folder=$1
cfg=${2:-voltra.cfg}
key='HKCU\SOFTWARE\Kestrelwood\Voltrane'
windows_folder=$(winepath -w "$folder" 2>/dev/null)
wine reg add "$key" /v "Main Folder" /t REG_SZ /d "$windows_folder" /f >/dev/null
wine reg add "$key" /v "Cfg Name" /t REG_SZ /d "$cfg" /f >/dev/null
echo "Registered $windows_folder with the configuration $cfg"
