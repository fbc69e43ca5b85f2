#!/usr/bin/env bash
# Runs Lumaplay under Wine on a bundled example file.
#   scripts/run-example.sh [file]     default: examples/sample[SX400SY300].pch
# On a desktop, LUMAPLAY_DESKTOP=1 shows the window on your display and waits until
# you close it. Otherwise the program runs on a private Xvfb display: a screenshot
# is saved as build/example/screenshot.png and the window is closed again.
set -euo pipefail
cd "$(dirname "$0")/.."
example="${1:-examples/sample[SX400SY300].pch}"
bash scripts/setup.sh
cmake --preset win32 >/dev/null
cmake --build --preset win32 --target Lumaplay -j"$(nproc)"

source scripts/wine-env.sh
trap stop_wine EXIT
start_display
prepare_prefix

# A program folder of its own, with a PLACEHOLDER applet folder: the real DOVEdivoz
# applet is not part of this project. Put its files there to see drawings play.
dir=build/example
mkdir -p "$dir/DOVEdivoz/res"
cp build/win32/Lumaplay.exe "$dir/"
for f in DOVEdivoz.jar res/res.zip res/tt.zip; do
    [ -s "$dir/DOVEdivoz/$f" ] || : > "$dir/DOVEdivoz/$f"
done
echo "PLACEHOLDER: copy the DOVEdivoz applet's files here." > "$dir/DOVEdivoz/PLACEHOLDER.txt"
cp "$example" "$dir/"
file="$(basename "$example")"

cd "$dir"
if [ "${LUMAPLAY_DESKTOP:-0}" = 1 ]; then
    wine Lumaplay.exe "$file"
else
    wine Lumaplay.exe "$file" </dev/null >/dev/null 2>&1 &
    sleep 6
    import -window root screenshot.png
    echo "Lumaplay ran on $file; screenshot: $dir/screenshot.png"
fi
