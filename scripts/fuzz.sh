#!/usr/bin/env bash
# Long runs of the configuration library's fuzz targets, one after another at a lower
# priority, so that a shared machine stays usable.
#   scripts/fuzz.sh [TARGET] [RUNS]
# TARGET: scan_line, read_config, autoexec, detlog, or all (the default); RUNS: new inputs per
# target, 10000000 unless given. Extra libFuzzer options come from FUZZ_OPTIONS (for example
# FUZZ_OPTIONS="-max_len=1024"). Each target's corpus grows in build/fuzz/long/TARGET/corpus,
# its findings land in build/fuzz/long/TARGET/, its output in build/fuzz/long/TARGET.log.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
target=${1:-all}
runs=${2:-10000000}
all=(scan_line autoexec detlog read_config)
case "$target" in
  all) targets=("${all[@]}") ;;
  scan_line | read_config | autoexec | detlog) targets=("$target") ;;
  *) echo "usage: $0 [scan_line|read_config|autoexec|detlog|all] [RUNS]" >&2; exit 2 ;;
esac
scripts/install-deps.sh
[ -f build/fuzz/CMakeCache.txt ] || cmake --preset fuzz >/dev/null
cmake --build --preset fuzz -j 2
mkdir -p build/fuzz/long
status=0
for name in "${targets[@]}"; do
  log=build/fuzz/long/$name.log
  echo "== $name: $runs runs, log $log"
  # shellcheck disable=SC2086
  nice tests/fuzz/run_target.sh "build/fuzz/tests/fuzz/${name}_fuzz" "$runs" \
    "build/fuzz/long/$name" ${FUZZ_OPTIONS:-} >"$log" 2>&1 || status=1
  grep -E '^(Done|stat::number_of_executed_units|stat::average_exec_per_sec)' "$log" || true
  grep -E '^#[0-9]+ +DONE|cov:' "$log" | tail -1
done
exit $status
