# Sourced by the Wine scripts: sets up the prefix and the display, once, under a lock.
voltrane_root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)

voltrane_wine_env() {
  export WINEPREFIX=${VOLTRANE_WINEPREFIX:-$voltrane_root/build/wineprefix}
  export WINEDEBUG=-all
  export WINEDLLOVERRIDES="mscoree,mshtml="
  export WINEARCH=win64
  mkdir -p "$(dirname "$WINEPREFIX")"
  (
    flock 9
    if [ -z "${DISPLAY:-}" ]; then voltrane_start_xvfb || exit 1; fi
    if [ ! -f "$WINEPREFIX/.voltrane-ready" ]; then
      DISPLAY=${DISPLAY:-$(cat "$WINEPREFIX.display")} wineboot -i >/dev/null 2>&1 || true
      wineserver -w
      touch "$WINEPREFIX/.voltrane-ready"
    fi
    if [ -n "${VOLTRANE_TESTING:-}" ] && [ ! -f "$WINEPREFIX/.voltrane-test" ]; then
      # Without a window manager, Wine waits 2 s for each managed window to be withdrawn.
      DISPLAY=${DISPLAY:-$(cat "$WINEPREFIX.display")} \
        wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f >/dev/null 2>&1
      wineserver -w
      touch "$WINEPREFIX/.voltrane-test"
    fi
  ) 9>"$WINEPREFIX.lock"
  if [ -z "${DISPLAY:-}" ]; then export DISPLAY=$(cat "$WINEPREFIX.display"); fi
}

# A private Xvfb for this prefix, kept running between test runs; its display number is
# written next to the prefix.
voltrane_start_xvfb() {
  local file=$WINEPREFIX.display
  local size=${VOLTRANE_SCREEN:-1024x768x24}
  size=${size%x*}
  # The display must still be ours: another run may have taken its number since, at another size.
  # (The whole answer is read first: a pipe into grep -q fails under pipefail.)
  local answer=
  if [ -f "$file" ]; then answer=$(xdpyinfo -display "$(cat "$file")" 2>/dev/null || true); fi
  if [[ $answer =~ dimensions:\ +${size}\ pixels ]]; then return; fi
  # The first free display number; with none free, no display of another run is borrowed.
  local n found=
  for n in $(seq 91 299); do
    if [ ! -e /tmp/.X11-unix/X$n ] && [ ! -e /tmp/.X$n-lock ]; then found=1 && break; fi
  done
  if [ -z "$found" ]; then
    echo "wine-env: no free X display number in :91 to :299" >&2
    return 1
  fi
  Xvfb ":$n" -screen 0 ${VOLTRANE_SCREEN:-1024x768x24} -nolisten tcp >/dev/null 2>&1 9>&- &
  echo $! >"$WINEPREFIX.xvfb-pid"
  local i
  for i in $(seq 1 50); do
    if xdpyinfo -display ":$n" >/dev/null 2>&1; then break; fi
    sleep 0.1
  done
  echo ":$n" >"$file"
}
