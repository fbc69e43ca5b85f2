#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test: the native unit tests (also
# under AddressSanitizer and UndefinedBehaviorSanitizer), a short run of every fuzz
# target, then the Windows tests under Wine on a private Xvfb display, for each
# Windows build this machine can run (both where both run).
set -uo pipefail
cd "$(dirname "$0")/.."
source scripts/wine-env.sh
bash scripts/setup.sh || die "installing the packages failed (see above)." \
    "run 'bash scripts/setup.sh' as root and look at what apt-get says."
detect_builds
echo "Windows tests: $RUNNABLE_BUILDS ($WHY)"
bash scripts/build.sh || die "the build failed (see above)." "fix the compiler errors above."

passed=0
failed=0
skipped=0
status=0
# Adds one CTest run's counts, from the JUnit report it wrote: what ran and passed, what
# failed (or did not run), what was skipped. A run that wrote no report counts as failed.
count_ctest() {
    local counts
    if ! counts=$(python3 -c '
import sys, xml.etree.ElementTree as ET
suite = ET.parse(sys.argv[1]).getroot()
total, failures, skipped = (int(suite.get(k, 0)) for k in ("tests", "failures", "skipped"))
print(total - failures - skipped, failures, skipped)' "$1" 2>/dev/null); then
        echo "ERROR: $2 wrote no test report ($1)." >&2
        status=1
        failed=$((failed + 1))
        return
    fi
    read -r ok bad skip <<<"$counts"
    passed=$((passed + ok))
    failed=$((failed + bad))
    skipped=$((skipped + skip))
}

for preset in native native-asan; do
    rm -f "build/ctest-$preset.xml"
    ctest --preset "$preset" --output-junit "$PWD/build/ctest-$preset.xml" >"build/ctest-$preset.log" 2>&1 || status=1
    sed -n '/tests passed, /,$p' "build/ctest-$preset.log"
    count_ctest "build/ctest-$preset.xml" "$preset"
done

# Each fuzz target counts as one test: it passes when it runs its time without a crash.
fuzz_log=build/fuzz-run.log
fuzz_ok=1
bash fuzz/run.sh "${LUMAPLAY_FUZZ_SECONDS:-5}" 2>&1 | tee "$fuzz_log" || { status=1; fuzz_ok=0; }
passed=$((passed + $(grep -c ': Done [0-9]* runs' "$fuzz_log" || true)))
fuzz_failed=$(grep -c ': FAILED' "$fuzz_log" || true)
# A run that failed before any target ran (the targets did not build) counts once.
[ "$fuzz_ok" -eq 1 ] || [ "$fuzz_failed" -gt 0 ] || fuzz_failed=1
failed=$((failed + fuzz_failed))

# One CTest run of the current build's Windows tests (all, or those args select) under
# the locale given, whose code page Wine takes for the system's.
run_windows_tests() {
    local log="build/ctest-$1-${3%%.*}.log" report="$PWD/build/ctest-$1-${3%%.*}.xml"
    echo "-- $3"
    rm -f "$report"
    # shellcheck disable=SC2086
    ctest --preset "$1" $2 -V --output-junit "$report" >"$log" 2>&1 || status=1
    # The tests that failed or were skipped (with the reason each skipped one gave),
    # then the summary.
    grep -E '^ *[0-9]+/[0-9]+ Test .*(Failed|Skipped|Not Run|Timeout)' "$log" || true
    grep -A1 -E '^[0-9]+: .*: Skipped$' "$log" | sed -nE 's/^[0-9]+: (.+)$/  skipped because: \1/p' |
        grep -v ': Skipped$' || true
    sed -n '/tests passed, /,$p' "$log"
    count_ctest "$report" "$1 ($3)"
}

trap stop_wine EXIT
start_display
for build in $RUNNABLE_BUILDS; do
    use_build "$build"
    echo "== Windows tests, $build build, prefix $WINEPREFIX"
    prepare_prefix
    mount_small_disk
    start_wine_services
    # In a 64-bit prefix where 32-bit programs run too, the end-to-end tests also hand
    # files between a 32-bit and a 64-bit instance.
    if [ "$build" = win64 ] && [[ " $RUNNABLE_BUILDS " == *" win32 "* ]]; then
        export LUMAPLAY_OTHER_BUILD=win32
    else
        unset LUMAPLAY_OTHER_BUILD
    fi
    run_windows_tests "$build" "" ja_JP.UTF-8
    # The end-to-end rows again on a western and a Korean system: names and texts must
    # not depend on the system's code page.
    for locale in en_US.UTF-8 ko_KR.UTF-8; do
        stop_wine_server
        LANG=$locale LC_ALL=$locale start_wine_services
        LANG=$locale LC_ALL=$locale run_windows_tests "$build" "-R ^E2E/" "$locale"
    done
    stop_wine_server
    unmount_small_disk
done

# How the tests weigh against the program (informative; it fails nothing).
bash scripts/test-ratio.sh || true

echo
echo "All tests: ${passed} passed, ${failed} failed, ${skipped} skipped"
[ "$failed" -eq 0 ] || status=1
exit $status
