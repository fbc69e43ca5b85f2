#!/usr/bin/env bash
# Screenshots of the player window for docs/: tools/screenshots.sh <Lumaplay.exe> <name>
# makes docs/<shot>-<name>.png for each shot of tools/screenshots.cpp (start, grow,
# maximise, handoff, focus, lit, smallest, about), with the 64-bit Wine of this machine.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/wine-env.sh
detect_builds
use_build win64
[[ " $RUNNABLE_BUILDS " == *" win64 "* ]] || use_build win32
exe=$(realpath "$1")
work="$ROOT/build/shots-$2"
rm -rf "$work" && mkdir -p "$work/DOVEdivoz/res"
touch "$work/DOVEdivoz/DOVEdivoz.jar" "$work/DOVEdivoz/res/res.zip" "$work/DOVEdivoz/res/tt.zip"
cp "$exe" "$work/Lumaplay.exe"
cp "examples/sample[SX400SY300].pch" "$work/"
cp "examples/sample[SX400SY300].pch" "$work/bigger[SX640SY400].pch"
printf '[SETUP]\r\nSV_POSX=20\r\nSV_POSY=20\r\n' >"$work/Lumaplay.ini"
x86_64-w64-mingw32-g++-posix -municode -static -Os -o "$ROOT/build/screenshots.exe" tools/screenshots.cpp -lgdi32
trap stop_wine EXIT
start_display
prepare_prefix
start_wine_services
wine "$ROOT/build/screenshots.exe" "$(winepath -w "$work")\\" "$(winepath -w "$work")\\shot-" >/dev/null 2>&1
for bmp in "$work"/shot-*.bmp; do
    shot=$(basename "$bmp" .bmp)
    convert "$bmp" "docs/${shot#shot-}-$2.png"
done
echo "screenshots: docs/*-$2.png"
