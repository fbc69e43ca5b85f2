#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test: the native unit tests, then
# the Windows tests under Wine on a private Xvfb display.
set -uo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
bash scripts/build.sh || exit 1

source scripts/wine-env.sh
trap stop_wine EXIT
start_display || exit 1
prepare_prefix
start_wine_services

status=0
passed=0
failed=0
for preset in native win32; do
    log="build/ctest-$preset.log"
    ctest --preset "$preset" 2>&1 | tee "$log" || status=1
    summary=$(grep -E 'tests passed, [0-9]+ tests failed out of [0-9]+' "$log" | tail -n 1)
    total=$(sed -E 's/.* out of ([0-9]+).*/\1/' <<<"$summary")
    bad=$(sed -E 's/.*tests passed, ([0-9]+) tests failed.*/\1/' <<<"$summary")
    if [ -z "$summary" ]; then status=1; continue; fi
    passed=$((passed + total - bad))
    failed=$((failed + bad))
done
echo
echo "All tests: ${passed} passed, ${failed} failed"
[ "$failed" -eq 0 ] || status=1
exit $status
