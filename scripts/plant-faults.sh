#!/usr/bin/env bash
# Plants the faults of faults/ one at a time (or only those named), rebuilds, and runs
# the tests cheapest first until one fails: the native unit tests (not the check that
# every fault plants, which a planted fault fails by itself), then the Windows tests of
# the first Windows build this machine runs. The suite must catch every
# fault on the list, before and after any change to the tests.
# Each fault is found by its lines, not their numbers (scripts/fault.py), so a change
# that keeps those lines keeps it plantable; every fault asked for is checked first.
#   bash scripts/plant-faults.sh [NN-name ...]
set -uo pipefail
cd "$(dirname "$0")/.."
source scripts/wine-env.sh
PROGRAM_DIRS=(app program playback ui settings controls framework res)

patches=()
for name in "$@"; do
    name=$(basename "$name" .fault)
    [ -f "faults/$name.fault" ] || die "there is no fault faults/$name.fault." "name a file of faults/, with or without .fault."
    patches+=("faults/$name.fault")
done
[ $# -gt 0 ] || patches=(faults/*.fault)
python3 scripts/fault.py check "${patches[@]}" ||
    die "some faults no longer plant (above)." "remake them against the current sources: their lines moved or changed."
git diff --quiet HEAD -- "${PROGRAM_DIRS[@]}" ||
    die "the program's sources have changes of their own." "commit or stash them: each fault goes into a clean tree."

detect_builds
set -- $RUNNABLE_BUILDS
use_build "$1"
unset LUMAPLAY_OTHER_BUILD
echo "Planting ${#patches[@]} faults; Windows tests of the $BUILD build ($WHY)"

planted=""
# A fault never stays in the tree: taken out at the end, on error and on Ctrl-C.
cleanup() {
    if [ -n "$planted" ] && ! git checkout -- $planted; then
        echo "ERROR: could not take a fault out again; restore the sources with:" \
            "git checkout -- ${PROGRAM_DIRS[*]}" >&2
    fi
    planted=""
    unmount_small_disk
    stop_wine
}
trap cleanup EXIT
trap 'exit 130' INT TERM

logs=build/plant-faults
mkdir -p "$logs"
# The unplanted tree first, so that a failing build below is the fault's own.
{ cmake --preset native && cmake --preset "$BUILD" && cmake --build --preset native -j2 &&
    cmake --build --preset "$BUILD" -j2; } >"$logs/unplanted.build.log" 2>&1 ||
    die "the sources do not build without any fault (see $logs/unplanted.build.log)." "fix the build first."
start_display
prepare_prefix
mount_small_disk

# Name of the first test in a CTest log's list of failed tests (skipped ones are not in it).
first_failure() {
    local name
    name=$(sed -n '/^The following tests FAILED:/{n;p;q}' "$1" |
        sed -E 's/^[[:space:]]*[0-9]+ - (.*) \([^)]*\)$/\1/')
    echo "${name:-CTest itself (see $1)}"
}

caught=0 missed=0 broken=0
for patch in "${patches[@]}"; do
    name=$(basename "$patch" .fault)
    planted=$(python3 scripts/fault.py apply "$patch") ||
        die "$patch does not plant in this tree." "remake it against the current sources."
    if ! { cmake --build --preset native -j2 && cmake --build --preset "$BUILD" -j2; } \
        >"$logs/$name.build.log" 2>&1; then
        echo "$name: does not build (see $logs/$name.build.log)"
        broken=$((broken + 1))
    elif ! ctest --preset native -E '^Faults\.' --stop-on-failure >"$logs/$name.native.log" 2>&1; then
        echo "$name: caught by $(first_failure "$logs/$name.native.log")"
        caught=$((caught + 1))
    else
        # A fresh Wine server per fault: nothing a failed run left running meets the next.
        start_wine_services
        if ! ctest --preset "$BUILD" --stop-on-failure >"$logs/$name.$BUILD.log" 2>&1; then
            echo "$name: caught by $(first_failure "$logs/$name.$BUILD.log")"
            caught=$((caught + 1))
        else
            # Then the end-to-end rows on a western system, where a text or name that
            # leans on code page 932 shows.
            stop_wine_server
            export LANG=en_US.UTF-8 LC_ALL=en_US.UTF-8
            start_wine_services
            if ! ctest --preset "$BUILD" -R '^E2E/' --stop-on-failure >"$logs/$name.$BUILD.1252.log" 2>&1; then
                echo "$name: caught on code page 1252 by $(first_failure "$logs/$name.$BUILD.1252.log")"
                caught=$((caught + 1))
            else
                echo "$name: MISSED"
                missed=$((missed + 1))
            fi
            export LANG=ja_JP.UTF-8 LC_ALL=ja_JP.UTF-8
        fi
        stop_wine_server
    fi
    git checkout -- $planted && planted="" && git diff --quiet HEAD -- "${PROGRAM_DIRS[@]}" ||
        die "the tree is not clean after taking $patch out." "restore it: git checkout -- ${PROGRAM_DIRS[*]}"
done

echo "Planted faults: $caught caught, $missed missed, $broken do not build"
[ "$missed" -eq 0 ] && [ "$broken" -eq 0 ]
