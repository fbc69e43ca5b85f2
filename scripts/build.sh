#!/usr/bin/env bash
# Configures and builds every preset: the native unit tests (plain and with sanitizers)
# and the 32-bit and 64-bit Windows programs with their tests. Cross-compiling runs
# nothing of Windows, so both Windows builds are made on every machine.
set -euo pipefail
cd "$(dirname "$0")/.."
for preset in native native-asan win32 win64; do
    cmake --preset "$preset" >/dev/null
    cmake --build --preset "$preset" -j"$(nproc)"
done
