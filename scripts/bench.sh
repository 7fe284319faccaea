#!/usr/bin/env bash
# Measures the programs against the platform's floor and the obvious alternatives, in one run,
# and writes the table to build/bench/results.md and results.csv (and prints it). Every figure
# is a median over repetitions, compared with a baseline measured in the same run.
#   bench.sh                BENCH_REPS (default 9) repetitions of the timings,
#                           BENCH_IDLE_REPS (default 3) of the 20 s idle windows
# The Windows programs run in a Wine prefix of their own (build/wineprefix-bench) on its own
# Xvfb, so that the bench never meets a test run.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
root=$PWD
reps=${BENCH_REPS:-9}
idle_reps=${BENCH_IDLE_REPS:-3}
out=$root/build/bench
scripts/install-deps.sh

build() {
  local preset=$1
  shift
  if [ ! -f "build/$preset/CMakeCache.txt" ]; then cmake --preset "$preset" >/dev/null; fi
  cmake --build "build/$preset" -j2 --target "$@" >/dev/null
}
echo "Building..."
build native config_timing voltcfg
build win64 setupshell autorun voltra voltcfg demo_install bench_programs
build win32 setupshell autorun

rm -rf "$out"
mkdir -p "$out/work-native" "$out/work-wine"
samples=$out/samples.csv
echo "metric,variant,value" >"$samples"
sample() { echo "$1,$2,$3" >>"$samples"; }

# --- Footprint on disk: stripped copies -----------------------------------------------------
stripped_size() {
  local strip=$1 file=$2
  local copy=$out/stripped-$(basename "$file")
  "$strip" -o "$copy" "$file"
  stat -c %s "$copy"
}
w64=build/win64
sample size setupshell.exe-x86_64 "$(stripped_size x86_64-w64-mingw32-strip $w64/shell/setupshell.exe)"
sample size setupshell.exe-i686 "$(stripped_size i686-w64-mingw32-strip build/win32/shell/setupshell.exe)"
sample size autorun.exe-x86_64 "$(stripped_size x86_64-w64-mingw32-strip $w64/autorun/autorun.exe)"
sample size autorun.exe-i686 "$(stripped_size i686-w64-mingw32-strip build/win32/autorun/autorun.exe)"
sample size voltcfg.exe-x86_64 "$(stripped_size x86_64-w64-mingw32-strip $w64/tools/voltcfg/voltcfg.exe)"
sample size voltcfg-native "$(stripped_size strip build/native/tools/voltcfg/voltcfg)"
sample size floor_window.exe-x86_64 "$(stripped_size x86_64-w64-mingw32-strip $w64/bench/floor_window.exe)"

# --- Configuration, natively -----------------------------------------------------------------
build/native/bench/config_timing "$out/work-native/" "$reps" | while IFS=, read -r op us; do
  sample config "$op-native" "$us"
done

# --- Under Wine ------------------------------------------------------------------------------
export VOLTRANE_WINEPREFIX=$root/build/wineprefix-bench
export VOLTRANE_TESTING=1
unset DISPLAY
source scripts/wine-env.sh
voltrane_wine_env
end_wine() {
  wineserver -k 2>/dev/null || true
  if [ -f "$WINEPREFIX.xvfb-pid" ]; then kill "$(cat "$WINEPREFIX.xvfb-pid")" 2>/dev/null || true; fi
}
trap end_wine EXIT
# One server for the whole run: a program's start never pays for starting the server.
wineserver -p
install=$out/Voltrane
cp -r $w64/demo/Voltrane "$install"
demo/register.sh "$install" >/dev/null
win() { winepath -w "$1" 2>/dev/null; }
probe=$w64/bench/bench_probe.exe
shell="\"$(win "$install/setupshell.exe")\""
floor_window="\"$(win "$w64/bench/floor_window.exe")\""
floor_tabs="\"$(win "$w64/bench/floor_tabs.exe")\""
export VOLTRA_SECONDS=40

# Runs the probe and records its figures under the metric names given for its steps:
#   run VARIANT COMMAND_LINE STEP=METRIC|STEP ...
run() {
  local variant=$1 command=$2
  shift 2
  local steps=() names=() word
  # One name per step that prints a figure (wait, cpu, peak); empty when it is not recorded.
  for word in "$@"; do
    steps+=("${word%%=*}")
    case $word in
      *=*) names+=("${word#*=}") ;;
      wait:* | cpu:* | peak) names+=("") ;;
    esac
  done
  local answer
  answer=$(wine "$probe" "$command" "${steps[@]}" 2>/dev/null </dev/null | tr -d '\r') || {
    echo "probe failed: $variant $command ${steps[*]}: $answer" >&2
    return 0
  }
  local i=0 line
  while read -r _ value; do
    [ -n "$value" ] || continue
    if [ -n "${names[$i]:-}" ]; then sample "${names[$i]}" "$variant" "$value"; fi
    i=$((i + 1))
  done <<<"$answer"
}

echo "Warming up..."
run warm-up "$shell" wait:button-bar >/dev/null
run warm-up "$floor_window" wait:first-paint >/dev/null
run warm-up "$floor_tabs pages" wait:first-paint sleep:500 click:103 wait:dialog-idle >/dev/null

echo "Start-up and setup dialog, $reps repetitions..."
for i in $(seq 1 "$reps"); do
  run floor "$floor_window" wait:first-paint=first-paint sleep:500 peak=peak-working-set
  run shell "$shell" wait:first-paint=first-paint wait:button-bar=button-bar
  run floor "$floor_tabs" wait:first-paint sleep:500 click:103 wait:dialog-idle=setup-open
  run floor-pages "$floor_tabs pages" wait:first-paint sleep:500 click:103 \
    wait:dialog-idle=setup-open
  run shell "$shell" wait:button-bar sleep:500 click:103 wait:dialog-idle=setup-open \
    sleep:500 peak=peak-working-set
done

# CPU milliseconds (user and system) that the process has spent so far, as the host counts
# them, in steps of the clock tick (10 ms): Wine answers 0 for another process's
# GetProcessTimes. The process's own count keeps the time of its threads that have ended.
cpu_ms() {
  local stat fields
  stat=$(cat /proc/"$1"/stat 2>/dev/null) || return 0
  read -r -a fields <<<"${stat##*) }"
  echo $(((fields[11] + fields[12]) * 1000 / $(getconf CLK_TCK)))
}
# The host's process id of the running setupshell.exe (not the probe, whose command line names
# it too).
shell_pid() {
  local pid command
  for pid in $(pgrep -f 'setupshell\.exe'); do
    command=$(tr '\0' ' ' <"/proc/$pid/cmdline" 2>/dev/null || true)
    if [[ ${command%% *} == *setupshell.exe ]]; then
      echo "$pid"
      return
    fi
  done
}
# CPU milliseconds of the shell over 20 s, once the probe has printed the moment given:
#   idle_cpu METRIC MOMENT COMMAND_LINE STEP...
idle_cpu() {
  local metric=$1 moment=$2 command=$3
  shift 3
  local log=$out/idle.log
  wine "$probe" "$command" "$@" sleep:26000 >"$log" 2>/dev/null </dev/null &
  local probe_job=$! i
  for i in $(seq 1 600); do
    if grep -q "^wait:$moment " "$log" 2>/dev/null; then break; fi
    sleep 0.1
  done
  sleep 2
  local pid before after
  pid=$(shell_pid)
  if [ -n "$pid" ]; then
    before=$(cpu_ms "$pid")
    sleep 20
    after=$(cpu_ms "$pid")
    sample "$metric" shell $((after - before))
  else
    echo "idle CPU: no setupshell.exe process found" >&2
  fi
  wait "$probe_job" || true
}

echo "Idle CPU, $idle_reps windows of 20 s each way..."
for i in $(seq 1 "$idle_reps"); do
  # Any argument starts the game right after start-up; the shell then waits in the background.
  idle_cpu idle-cpu-game button-bar "$shell play" wait:button-bar
  idle_cpu idle-cpu-setup dialog-idle "$shell" wait:button-bar click:103 wait:dialog-idle
done

echo "Configuration under Wine..."
wine $w64/bench/config_timing.exe "$(win "$out/work-wine")\\" "$reps" 2>/dev/null </dev/null |
  tr -d '\r' | while IFS=, read -r op us; do sample config "$op-wine" "$us"; done

python3 bench/report.py "$samples" "$out/results.md" "$out/results.csv"
cat "$out/results.md"
