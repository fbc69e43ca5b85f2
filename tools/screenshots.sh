#!/usr/bin/env bash
# Screenshots of the player window for docs/: tools/screenshots.sh <Lumaplay.exe> <name> [dpi]
# makes docs/<shot>-<name>.png for each shot of tools/screenshots.cpp (start, grow,
# maximise, handoff, focus, pressed, lit, about, menu, settings, maxplay, restored, smallest),
# with the 64-bit Wine of this machine. Another DPI than 96 takes a prefix of its own
# set to it and a 1280x800 screen.
set -euo pipefail
cd "$(dirname "$0")/.."
dpi="${3:-96}"
if [ "$dpi" != 96 ]; then
    export LUMAPLAY_PREFIX="$(pwd)/build/wineprefix-dpi$dpi" LUMAPLAY_SCREEN=1280x800
fi
source scripts/wine-env.sh
detect_builds
use_build win64
[[ " $RUNNABLE_BUILDS " == *" win64 "* ]] || use_build win32
exe=$(realpath "$1")
work="$WINEPREFIX/drive_c/Lumaplay" # the path box shows C:\Lumaplay\...
rm -rf "$work" && mkdir -p "$work/DOVEdivoz/res"
touch "$work/DOVEdivoz/DOVEdivoz.jar" "$work/DOVEdivoz/res/res.zip" "$work/DOVEdivoz/res/tt.zip"
cp "$exe" "$work/Lumaplay.exe"
cp "examples/sample[SX400SY300].pch" "$work/"
cp "examples/sample[SX400SY300].pch" "$work/bigger[SX640SY400].pch"
cp "examples/sample[SX400SY300].pch" "$work/huge[SX1200SY900].pch"
printf '[SETUP]\r\nSV_POSX=20\r\nSV_POSY=20\r\n' >"$work/Lumaplay.ini"
x86_64-w64-mingw32-g++-posix -municode -static -Os -o "$ROOT/build/screenshots.exe" tools/screenshots.cpp -lgdi32
trap stop_wine EXIT
start_display
prepare_prefix
wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$dpi" /f >/dev/null 2>&1
wineserver -w
start_wine_services
wine "$ROOT/build/screenshots.exe" "$(winepath -w "$work")\\" "$(winepath -w "$work")\\shot-" >/dev/null 2>&1
for bmp in "$work"/shot-*.bmp; do
    shot=$(basename "$bmp" .bmp)
    convert "$bmp" "docs/${shot#shot-}-$2.png"
done
echo "screenshots: docs/*-$2.png"
