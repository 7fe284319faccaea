#!/usr/bin/env bash
# Runs every test suite (native, Windows under Wine, end to end) through one CTest run.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
scripts/install-deps.sh
scripts/build.sh
# The Windows tests run in prefixes of their own (build/wineprefix-test*), each on its own
# Xvfb, whatever display the caller has (tests/wine/wine-run).
end_wine() {
  local prefix
  for prefix in build/wineprefix-test*/; do
    prefix=$PWD/${prefix%/}
    WINEPREFIX=$prefix wineserver -k 2>/dev/null || true
    if [ -f "$prefix.xvfb-pid" ]; then kill "$(cat "$prefix.xvfb-pid")" 2>/dev/null || true; fi
  done
}
trap end_wine EXIT
# One CTest tree over the builds, so that one summary closes the run.
cat >build/CTestTestfile.cmake <<'CTEST'
subdirs("native" "win64" "fuzz")
CTEST
ctest --test-dir build --output-on-failure --timeout 300 "$@"
