#!/usr/bin/env bash
# Builds the fuzz targets and runs each for a while on a copy of its seed corpus.
#   fuzz/run.sh [seconds per target]     default 10; for a long run: fuzz/run.sh 3600
# A crash leaves its input as build/fuzz/crash-<target>-*; turn it into a unit test.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-10}"
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz -j"$(nproc)" >/dev/null
status=0
for target in cmdline probe int_exchange page geometry registry; do
    work="build/fuzz/corpus-$target"
    mkdir -p "$work"
    cp -n fuzz/corpus/"$target"/* "$work"/ 2>/dev/null || true
    if build/fuzz/fuzz/fuzz_"$target" -max_total_time="$seconds" -max_len=1024 \
        -artifact_prefix="build/fuzz/crash-$target-" "$work" >"build/fuzz/$target.log" 2>&1; then
        echo "fuzz_$target: $(grep -E '^Done [0-9]+ runs' "build/fuzz/$target.log" | tail -n 1)"
    else
        echo "fuzz_$target: FAILED (see build/fuzz/$target.log)"
        tail -n 30 "build/fuzz/$target.log"
        status=1
    fi
done
exit $status
