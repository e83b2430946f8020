#!/usr/bin/env bash
# Configures (once) and builds one preset, optionally only some targets. Builds take a machine-wide
# lock: the machine has two cores, and two builds at once only slow each other down.
#   scripts/build.sh <preset> [target...]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
preset=${1:?usage: scripts/build.sh <preset> [target...]}
shift
lock=/tmp/korvex-build.lock
cd "$root"
(
    flock 9
    if [ ! -f "build/$preset/Makefile" ]; then
        cmake --preset "$preset" >/dev/null
    fi
    if [ $# -gt 0 ]; then
        args=()
        for t in "$@"; do args+=(--target "$t"); done
        cmake --build --preset "$preset" "${args[@]}"
    else
        cmake --build --preset "$preset"
    fi
) 9>"$lock"
