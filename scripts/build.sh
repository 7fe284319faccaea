#!/usr/bin/env bash
# Configures and builds the native, the 64-bit and the 32-bit Windows trees, and the clang
# tree of the fuzz targets, side by side: the four configure steps at once, then one pool of
# build jobs over the four trees, so that no processor waits while one tree links.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
jobs=${VOLTRANE_JOBS:-$(nproc)}
presets=(native win64 win32 fuzz)
mkdir -p build
declare -A configuring=()
for preset in "${presets[@]}"; do
  if [ ! -f "build/$preset/CMakeCache.txt" ]; then
    cmake --preset "$preset" >"build/configure-$preset.log" 2>&1 &
    configuring[$preset]=$!
  fi
done
for preset in "${!configuring[@]}"; do
  if ! wait "${configuring[$preset]}"; then
    cat "build/configure-$preset.log" >&2
    exit 1
  fi
done
# The trees' own makefiles share one job server.
{
  printf 'all: %s\n' "${presets[*]}"
  printf '.PHONY: all %s\n' "${presets[*]}"
  for preset in "${presets[@]}"; do printf '%s:\n\t+@$(MAKE) -C build/%s --no-print-directory\n' "$preset" "$preset"; done
} | make -j "$jobs" -f -
