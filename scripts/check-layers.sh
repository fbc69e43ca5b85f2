#!/usr/bin/env bash
# Fails when a folder of the program includes one it may not. The layers, bottom up:
# framework; program (who the program is: paths, title, hand-off record), controls,
# playback and settings on it; ui on those; app, which starts everything, on top. The
# two top folders include in one direction only: app names ui, never the other way.
set -uo pipefail
cd "$(dirname "$0")/.."
declare -A allowed=(
    [framework]="framework"
    [program]="framework program"
    [controls]="framework controls"
    [playback]="framework program playback res"
    [settings]="framework res settings"
    [ui]="framework program controls playback settings res ui"
    [app]="framework program controls playback settings res ui app"
    [res]="res"
)
status=0
for folder in "${!allowed[@]}"; do
    while IFS=: read -r file line text; do
        used=$(sed -E 's/^#include "([^/"]+)\/.*/\1/' <<<"$text")
        if [[ " ${allowed[$folder]} " != *" $used "* ]]; then
            echo "$file:$line: $folder may not include $used: $text"
            status=1
        fi
    done < <(grep -Hn '^#include "[^/"]*/' -r "$folder" 2>/dev/null)
done
[ "$status" -eq 0 ] && echo "every folder includes only the folders it may"
exit $status
