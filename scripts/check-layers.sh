#!/usr/bin/env bash
# Fails when a folder includes a higher layer. framework is the bottom; controls,
# playback and settings stand on it; app and ui on top, where only player_app.cpp,
# which creates the player window, names ui.
set -uo pipefail
cd "$(dirname "$0")/.."
found=$(grep -Hn '#include "\(app\|ui\)/' framework/* controls/* playback/* settings/*
        grep -Hn '#include "ui/' app/* | grep -v '^app/player_app\.cpp:')
if [ -n "$found" ]; then
    echo "includes of a higher layer:"
    echo "$found"
    exit 1
fi
echo "every folder includes only its own and lower layers"
