#!/usr/bin/env bash
# Prints every benchmark figure: start-up and hand-off time as ratios against
# baselines of our own (measured side by side in one run under the same Wine),
# private memory, and the program's size and imports. Times and memory are measured
# on the 32-bit build where this machine runs 32-bit programs, else on the 64-bit
# one; the sizes of both builds are printed, each against its own budget.
#   bench/run.sh [pairs]     default 21
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/wine-env.sh
bash scripts/setup.sh || die "installing the packages failed (see above)." \
    "run 'bash scripts/setup.sh' as root and look at what apt-get says."
detect_builds
for build in win32 win64; do
    { cmake --preset "$build" >/dev/null &&
        cmake --build --preset "$build" --target Lumaplay baseline trivial bench -j"$(nproc)" >/dev/null; } ||
        die "building the benchmarks ($build) failed (see above)." "fix the compiler errors above."
done

# The 64-bit build's code is larger (wider pointers and instructions, unwind tables).
declare -A budget=([win32]=200 [win64]=240) triple=([win32]=i686-w64-mingw32 [win64]=x86_64-w64-mingw32)
for build in win32 win64; do
    exe=build/$build/Lumaplay.exe
    size=$(stat -c %s "$exe")
    echo "size ($build): Lumaplay.exe $((size / 1024)) KB (target <= ${budget[$build]} KB)"
    echo "imports ($build): $("${triple[$build]}-objdump" -p "$exe" | sed -n 's/.*DLL Name: //p' | tr '\n' ' ')"
done

use_build "${RUNNABLE_BUILDS%% *}"
echo "timing the $BUILD build ($WHY)"
trap stop_wine EXIT
start_display
prepare_prefix
start_wine_services
(cd "build/$BUILD" && wine bench.exe "${1:-21}" </dev/null 2>/dev/null | tr -d '\r')
