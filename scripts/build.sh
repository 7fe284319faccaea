#!/usr/bin/env bash
# Configures and builds the native, the 64-bit and the 32-bit Windows trees, and the clang
# tree of the fuzz targets.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
jobs=$(nproc)
for preset in native win64 win32 fuzz; do
  if [ ! -f "build/$preset/CMakeCache.txt" ]; then
    cmake --preset "$preset" >/dev/null
  fi
  cmake --build --preset "$preset" -j "$jobs"
done
