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
    # VOLTRANE_DPI: the system's dots per inch, which each program reads when it starts; the
    # server ends before anything runs in the prefix, so no process keeps the old setting.
    if [ -n "${VOLTRANE_DPI:-}" ] && [ ! -f "$WINEPREFIX/.voltrane-dpi" ]; then
      DISPLAY=${DISPLAY:-$(cat "$WINEPREFIX.display")} wine reg add 'HKCU\Control Panel\Desktop' \
        /v LogPixels /t REG_DWORD /d "$VOLTRANE_DPI" /f >/dev/null 2>&1
      wineserver -w
      touch "$WINEPREFIX/.voltrane-dpi"
    fi
  ) 9>"$WINEPREFIX.lock"
  if [ -z "${DISPLAY:-}" ]; then export DISPLAY=$(cat "$WINEPREFIX.display"); fi
}

# A private Xvfb for this prefix, kept running between test runs; its display number is
# written next to the prefix.
voltrane_start_xvfb() {
  local file=$WINEPREFIX.display
  # The display is still ours while the Xvfb this prefix started runs: another run cannot
  # have taken its number.
  local pid= command=
  if [ -f "$WINEPREFIX.xvfb-pid" ]; then pid=$(cat "$WINEPREFIX.xvfb-pid"); fi
  if [ -n "$pid" ]; then command=$({ tr '\0' ' ' <"/proc/$pid/cmdline"; } 2>/dev/null || true); fi
  if [ -f "$file" ] && [[ $command == Xvfb\ * ]]; then return; fi
  # The server takes the first free display number itself (-displayfd), so two runs that start
  # at the same moment never pick the same one.
  local numberfile
  numberfile=$(mktemp)
  Xvfb -displayfd 3 -screen 0 ${VOLTRANE_SCREEN:-1024x768x24} -nolisten tcp \
    3>"$numberfile" >/dev/null 2>&1 9>&- &
  echo $! >"$WINEPREFIX.xvfb-pid"
  local i n=
  for i in $(seq 1 100); do
    n=$(cat "$numberfile")
    if [ -n "$n" ]; then break; fi
    sleep 0.1
  done
  rm -f "$numberfile"
  if [ -z "$n" ]; then
    echo "wine-env: Xvfb did not start" >&2
    return 1
  fi
  echo ":$n" >"$file"
}
