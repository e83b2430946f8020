#!/usr/bin/env bash
# Builds the libFuzzer targets (preset fuzz: clang, AddressSanitizer, UBSan) and runs each briefly on the
# seeds from examples/ and tests/fuzz/seeds/, after replaying every input kept in tests/fuzz/regressions/.
# An input that crashes is copied into tests/fuzz/regressions/<target>/, to be kept once the fault is mended.
#   scripts/fuzz.sh                 # about 15 s per target
#   KRX_FUZZ_SECONDS=300 scripts/fuzz.sh
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
seconds=${KRX_FUZZ_SECONDS:-15}

targets=(interface_data vsq_file kpj_file)

# The fuzzers' own HOME and TMPDIR: nothing they do reaches the user's folders.
work=$(mktemp -d "${TMPDIR:-/tmp}/krx-fuzz-run-XXXXXX")
trap 'rm -rf "$work"' EXIT

if ! "$root/scripts/build.sh" fuzz "${targets[@]/#/krx_fuzz_}" >"$work/build.log" 2>&1; then
    tail -n 80 "$work/build.log"
    echo "fuzz: building the fuzz targets failed" >&2
    exit 1
fi
mkdir -p "$work/home" "$work/tmp"
export HOME="$work/home" TMPDIR="$work/tmp"
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
export LSAN_OPTIONS="suppressions=$root/tests/support/lsan.supp:print_suppressions=0"

seeds() {
    case "$1" in
        interface_data) find "$root/examples" -name korvexplexa.vsq ;;
        vsq_file) find "$root/examples" -name '*.vsq' ! -name korvexplexa.vsq ;;
        kpj_file) find "$root/examples" -name '*.kpj' ;;
    esac
    find "$root/tests/fuzz/seeds/$1" -type f
}

failed=0
for target in "${targets[@]}"; do
    binary="$root/build/fuzz/tests/fuzz/krx_fuzz_$target"
    regressions="$root/tests/fuzz/regressions/$target"
    corpus="$work/corpus-$target"
    mkdir -p "$corpus" "$work/artifacts-$target"
    seeds "$target" | while read -r seed; do cp "$seed" "$corpus/"; done

    kept=$(find "$regressions" -type f ! -name .gitkeep | sort)
    if [ -n "$kept" ]; then
        echo "==> $target: replaying $(echo "$kept" | wc -l) kept input(s)"
        # shellcheck disable=SC2086
        "$binary" -runs=1 $kept >"$work/replay-$target.log" 2>&1 || {
            cat "$work/replay-$target.log"
            echo "fuzz: $target fails on a kept input" >&2
            failed=1
            continue
        }
    fi

    echo "==> $target: fuzzing for ${seconds}s"
    if ! "$binary" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -max_len=65536 \
        -dict="$root/tests/fuzz/xml.dict" -artifact_prefix="$work/artifacts-$target/" -print_final_stats=1 \
        "$corpus" >"$work/fuzz-$target.log" 2>&1; then
        tail -n 60 "$work/fuzz-$target.log"
        for artifact in "$work/artifacts-$target"/*; do
            [ -e "$artifact" ] || continue
            cp "$artifact" "$regressions/"
            echo "fuzz: $target found a fault; input kept as $regressions/$(basename "$artifact")" >&2
        done
        failed=1
        continue
    fi
    grep -E '^stat::number_of_executed_units|^stat::peak_rss_mb' "$work/fuzz-$target.log" | sed "s/^/    /"
done
exit "$failed"
