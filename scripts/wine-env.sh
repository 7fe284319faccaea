# Sourced by every script that runs Wine (run.sh, bench.sh, test.sh, the test runner
# tests/wine/wine-run, the end-to-end scenarios): sets up the prefix and the display, once,
# under a lock.
voltrane_root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)

voltrane_wine_env() {
  export WINEPREFIX=${VOLTRANE_WINEPREFIX:-$voltrane_root/build/wineprefix}
  export WINEDEBUG=-all
  export WINEDLLOVERRIDES="mscoree,mshtml="
  export WINEARCH=win64
  mkdir -p "$(dirname "$WINEPREFIX")"
  (
    flock 9
    if [ -z "${DISPLAY:-}" ]; then voltrane_start_xvfb || exit 1; fi
    if [ ! -f "$WINEPREFIX/.voltrane-ready" ] && [ -n "${VOLTRANE_PREFIX_TEMPLATE:-}" ]; then
      voltrane_copy_prefix "$VOLTRANE_PREFIX_TEMPLATE" || exit 1
    fi
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

# The prefix of a test: CTest hands each Wine test one of a pool of prefixes (the resource
# "wine", scripts/test.sh), each with an Xvfb of its own; outside the pool, the first one.
# A test on another screen size has a prefix and an Xvfb of that size of its own, and one on
# another dots-per-inch setting a prefix of its own. All are
# copies of one template prefix, booted once.
voltrane_test_prefix() {
  local base=$voltrane_root/build/wineprefix-test
  local slot=${CTEST_RESOURCE_GROUP_0_WINE:-}
  slot=${slot#id:}
  slot=${slot%%,*}
  export VOLTRANE_PREFIX_TEMPLATE=$base.template
  if [ -n "${VOLTRANE_SCREEN:-}" ]; then
    export VOLTRANE_WINEPREFIX=$base-$VOLTRANE_SCREEN
  elif [ -n "$slot" ] && [ "$slot" != 0 ]; then
    export VOLTRANE_WINEPREFIX=$base-$slot
  else
    export VOLTRANE_WINEPREFIX=${VOLTRANE_WINEPREFIX:-$base}
  fi
  # Another dots-per-inch setting: a prefix of its own, made from the template like the rest.
  if [ -n "${VOLTRANE_DPI:-}" ]; then
    export VOLTRANE_WINEPREFIX=$base${VOLTRANE_SCREEN:+-$VOLTRANE_SCREEN}-dpi$VOLTRANE_DPI
  fi
}

# Keeps the prefix for this shell until it ends: another test that wants it waits. A child
# holds the lock, and lets go when this shell is gone, however it ends; no Wine process
# inherits the lock. The child looks for the shell every 50 ms: at tail's default of a second,
# each program run in the prefix left the next one waiting for up to a second.
voltrane_hold_prefix() {
  local ready
  ready=$(mktemp -u)
  mkfifo "$ready"
  (flock 8 && echo held >"$ready" && exec tail -s 0.05 --pid=$$ -f /dev/null) \
    8>"$WINEPREFIX.busy" </dev/null >/dev/null 2>&1 &
  read -r _ <"$ready"
  rm -f "$ready"
}

# Makes this prefix a copy of a ready one (set up first when it is not): much quicker than
# booting it. The Windows system folder, which nothing writes, is shared by hard links.
voltrane_copy_prefix() {
  local template=$1 target=$WINEPREFIX
  (
    export VOLTRANE_WINEPREFIX=$template DISPLAY=${DISPLAY:-$(cat "$target.display")}
    unset VOLTRANE_PREFIX_TEMPLATE VOLTRANE_DPI
    voltrane_wine_env
  ) 9>&- || return 1
  (
    flock 9
    rm -rf "$target"
    mkdir -p "$target/drive_c/windows"
    tar -C "$template" --exclude=./drive_c/windows/system32 --exclude=./wineserver -cf - . |
      tar -C "$target" -xf -
    cp -al "$template/drive_c/windows/system32" "$target/drive_c/windows/"
  ) 9>"$template.lock"
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
    3>"$numberfile" >/dev/null 2>&1 8>&- 9>&- &
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
