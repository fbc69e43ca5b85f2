#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test: the native unit tests (also
# under AddressSanitizer and UndefinedBehaviorSanitizer), a short run of every fuzz
# target, then the Windows tests under Wine on a private Xvfb display.
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
for preset in native native-asan win32; do
    log="build/ctest-$preset.log"
    ctest --preset "$preset" 2>&1 | tee "$log" || status=1
    summary=$(grep -E 'tests passed, [0-9]+ tests failed out of [0-9]+' "$log" | tail -n 1)
    total=$(sed -E 's/.* out of ([0-9]+).*/\1/' <<<"$summary")
    bad=$(sed -E 's/.*tests passed, ([0-9]+) tests failed.*/\1/' <<<"$summary")
    if [ -z "$summary" ]; then status=1; continue; fi
    passed=$((passed + total - bad))
    failed=$((failed + bad))
done
# Each fuzz target counts as one test: it passes when it runs its time without a crash.
fuzz_log=build/fuzz-run.log
bash fuzz/run.sh "${LUMAPLAY_FUZZ_SECONDS:-5}" 2>&1 | tee "$fuzz_log" || status=1
fuzz_ok=$(grep -c ': Done [0-9]* runs' "$fuzz_log" || true)
fuzz_bad=$(grep -c ': FAILED' "$fuzz_log" || true)
passed=$((passed + fuzz_ok))
failed=$((failed + fuzz_bad))

echo
echo "All tests: ${passed} passed, ${failed} failed"
[ "$failed" -eq 0 ] || status=1
exit $status
