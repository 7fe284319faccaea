#!/usr/bin/env bash
# Runs one fuzz target: first every seed and every kept finding of the target (a finding that
# crashes again fails the run at once), then RUNS new inputs grown from them.
#   run_target.sh BINARY RUNS WORKDIR [libFuzzer options...]
# WORKDIR starts empty; new inputs go to WORKDIR/corpus, crashes to WORKDIR/. The repository's
# folders are only read.
set -euo pipefail
binary=$1 runs=$2 work=$3
shift 3
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
name=$(basename "$binary" _fuzz)
seeds=$here/corpus/$name
findings=$here/findings/$name
# A small quarantine keeps the freed memory hot: the targets free little and run millions of
# times.
export ASAN_OPTIONS=${ASAN_OPTIONS:-quarantine_size_mb=16:max_malloc_fill_size=0}
rm -rf "$work"
mkdir -p "$work/corpus"
inputs=("$work/corpus" "$seeds")
[ -d "$findings" ] && inputs+=("$findings")
exec "$binary" -runs="$runs" -print_final_stats=1 -artifact_prefix="$work/" "$@" "${inputs[@]}"
