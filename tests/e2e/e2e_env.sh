# Sourced by the end-to-end scenarios: the test prefix on its own display, the installation
# key's path, and a scratch folder ($install) for the copy of the demo installation.
source "$(dirname "${BASH_SOURCE[0]}")/../wine/wine-env.sh"
export VOLTRANE_WINEPREFIX=${VOLTRANE_WINEPREFIX:-$voltrane_root/build/wineprefix-test}
export VOLTRANE_TESTING=1
export DISPLAY=${VOLTRANE_DISPLAY:-}
voltrane_wine_env

key='HKCU\SOFTWARE\Kestrelwood\Voltrane'
install=$(mktemp -d)
