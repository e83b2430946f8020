#!/usr/bin/env bash
# The whole check, as CI runs it: set-up, then configure, build and test the dev, asan and tsan
# presets (tsan runs the tests that start threads). Prints the output of every failing test.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"

"$root/scripts/setup.sh"

for preset in dev asan tsan; do
    echo "==> $preset: configure"
    cmake --preset "$preset" >/dev/null
    echo "==> $preset: build"
    "$root/scripts/build.sh" "$preset"
    echo "==> $preset: test"
    ctest --preset "$preset"
done

if [ -x "$root/scripts/fuzz.sh" ]; then
    echo "==> fuzz"
    "$root/scripts/fuzz.sh"
fi

echo "==> all checks passed"
