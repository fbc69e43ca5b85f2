#!/usr/bin/env bash
# Configures and builds both presets: the native unit tests and the Windows program.
set -euo pipefail
cd "$(dirname "$0")/.."
for preset in native native-asan win32; do
    cmake --preset "$preset" >/dev/null
    cmake --build --preset "$preset" -j"$(nproc)"
done
