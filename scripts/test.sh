#!/usr/bin/env bash
# Runs every test suite (native, Windows under Wine, end to end) through one CTest run.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
scripts/install-deps.sh
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
# The template prefix that the test prefixes are copied from boots while the trees build.
mkdir -p build
(
  source scripts/wine-env.sh
  export VOLTRANE_WINEPREFIX=$PWD/build/wineprefix-test.template VOLTRANE_TESTING=1 DISPLAY=
  voltrane_wine_env
) >build/template-boot.log 2>&1 &
booting=$!
scripts/build.sh
wait "$booting" || echo "test.sh: the template prefix did not boot beforehand (build/template-boot.log)"
# One CTest tree over the builds, so that one summary closes the run.
cat >build/CTestTestfile.cmake <<'CTEST'
subdirs("native" "win64" "fuzz")
CTEST
# The tests run side by side. Each Windows test takes one prefix of a pool ("wine"), with the
# Xvfb of that prefix: no two share a prefix, a display or a file. The others run beside them.
pool=${VOLTRANE_WINE_POOL:-3}
slots=
for ((i = 0; i < pool; ++i)); do slots+="${slots:+, }{\"id\": \"$i\", \"slots\": 1}"; done
cat >build/test-resources.json <<JSON
{"version": {"major": 1, "minor": 0}, "local": [{"wine": [$slots]}]}
JSON
ctest --test-dir build --output-on-failure --timeout 300 -j "${VOLTRANE_TEST_JOBS:-$((pool + 1))}" \
  --resource-spec-file "$PWD/build/test-resources.json" "$@"
