#!/usr/bin/env bash
# Runs Lumaplay under Wine on a bundled example file: the 32-bit build where this
# machine runs 32-bit programs, the 64-bit build where it does not.
#   scripts/run-example.sh [file]     default: examples/sample[SX400SY300].pch
# On a desktop, LUMAPLAY_DESKTOP=1 shows the window on your display and waits until
# you close it. Otherwise the program runs on a private Xvfb display: a screenshot
# is saved as build/example/screenshot.png and the window is closed again.
set -euo pipefail
cd "$(dirname "$0")/.."
example="${1:-examples/sample[SX400SY300].pch}"
[ -f "$example" ] || { echo "ERROR: no file $example." >&2; exit 1; }
source scripts/wine-env.sh
bash scripts/setup.sh || die "installing the packages failed (see above)." \
    "run 'bash scripts/setup.sh' as root and look at what apt-get says."
detect_builds
use_build "${RUNNABLE_BUILDS%% *}"
echo "Running the $BUILD build ($WHY)"
{ cmake --preset "$BUILD" >/dev/null && cmake --build --preset "$BUILD" --target Lumaplay -j"$(nproc)"; } ||
    die "building Lumaplay.exe ($BUILD) failed (see above)." "fix the compiler errors above."

trap stop_wine EXIT
start_display
prepare_prefix

# A program folder of its own, with a PLACEHOLDER applet folder: the real DOVEdivoz
# applet is not part of this project. Put its files there to see drawings play.
dir=build/example
mkdir -p "$dir/DOVEdivoz/res"
cp "build/$BUILD/Lumaplay.exe" "$dir/"
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
    wine Lumaplay.exe "$file" </dev/null >lumaplay.log 2>&1 &
    program=$!
    sleep 6
    kill -0 "$program" 2>/dev/null ||
        die "Lumaplay ended before its window could be shown (Wine's output: $dir/lumaplay.log)." \
            "delete build/wineprefix-$BUILD and run again."
    import -window root screenshot.png ||
        die "the screenshot of display $DISPLAY failed." "check that ImageMagick is installed ('bash scripts/setup.sh')."
    echo "Lumaplay ($BUILD build) ran on $file; screenshot: $dir/screenshot.png"
fi
