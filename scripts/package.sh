#!/usr/bin/env bash
# Builds the player's packages, one ZIP per architecture, and prints the path and size of each:
#   build/package/Voltrane-<version>-x86_64.zip and Voltrane-<version>-i686.zip
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
scripts/install-deps.sh
jobs=${VOLTRANE_JOBS:-$(nproc)}
mkdir -p build/package
rm -f build/package/Voltrane-*.zip
for preset in win64 win32; do
  if [ ! -f "build/$preset/CMakeCache.txt" ]; then
    cmake --preset "$preset" >/dev/null
  fi
  # The compiler's output goes to a log, shown when the build fails.
  log=build/package/build-$preset.log
  if ! cmake --build "build/$preset" -j "$jobs" --target player_package >"$log" 2>&1; then
    tail -n 40 "$log" >&2
    exit 1
  fi
  for zip in build/"$preset"/package/Voltrane-*.zip; do
    cp "$zip" build/package/
    out=build/package/$(basename "$zip")
    echo "$PWD/$out $(stat -c %s "$out") bytes"
  done
done
