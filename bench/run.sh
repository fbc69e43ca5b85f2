#!/usr/bin/env bash
# Prints every benchmark figure: start-up and hand-off time as ratios against
# baselines of our own (measured side by side in one run under the same Wine),
# private memory, and the program's size and imports.
#   bench/run.sh [pairs]     default 21
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
cmake --preset win32 >/dev/null
cmake --build --preset win32 --target Lumaplay baseline trivial bench -j"$(nproc)" >/dev/null

source scripts/wine-env.sh
trap stop_wine EXIT
start_display
prepare_prefix
start_wine_services

exe=build/win32/Lumaplay.exe
size=$(stat -c %s "$exe")
echo "size: Lumaplay.exe $((size / 1024)) KB (target <= 200 KB)"
echo "imports: $(i686-w64-mingw32-objdump -p "$exe" | sed -n 's/.*DLL Name: //p' | tr '\n' ' ')"
(cd build/win32 && wine bench.exe "${1:-21}" </dev/null 2>/dev/null | tr -d '\r')
