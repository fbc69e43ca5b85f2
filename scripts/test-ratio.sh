#!/usr/bin/env bash
# Prints how large the tests are against the program: non-blank lines of the program's
# folders, of the tests (tests/ and fuzz/), and their ratio.
set -euo pipefail
cd "$(dirname "$0")/.."
count() {
    find "$@" -type f \( -name '*.cpp' -o -name '*.h' -o -name '*.rc' \) -print0 |
        xargs -0 cat | grep -cv '^[[:space:]]*$'
}
program=$(count app program playback ui settings controls framework res)
tests=$(count tests fuzz)
echo "Test lines: program $program, tests $tests, ratio $(awk -v t="$tests" -v p="$program" 'BEGIN { printf "%.2f", t / p }') (aim: 0.25 to 0.35)"
