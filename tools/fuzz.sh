#!/usr/bin/env bash
# Builds the libFuzzer targets of the data-file readers and runs each for a bounded time.
# Usage: tools/fuzz.sh [seconds per target, default 60] [target names...]
# Corpora grow in build-fuzz/corpus/<target>, seeded from tests/data/storage; crashes land in
# build-fuzz/findings/<target>.
set -euo pipefail

root="$(cd "$(dirname "$0")/.." && pwd)"
seconds="${1:-60}"
shift || true
build="$root/build-fuzz"
targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
    targets=(fuzz_scale_library fuzz_pattern_library fuzz_settings fuzz_sound_schemes)
fi

cmake -S "$root" -B "$build" -G Ninja -DPINTO_BUILD_FUZZERS=ON -DCMAKE_CXX_COMPILER=clang++ \
    -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" --target "${targets[@]}" -j2

status=0
for target in "${targets[@]}"; do
    corpus="$build/corpus/$target"
    findings="$build/findings/$target"
    mkdir -p "$corpus" "$findings"
    if [ -z "$(ls -A "$corpus")" ]; then
        find "$root/tests/data/storage" -type f -size -64k -exec cp {} "$corpus/" \;
    fi
    echo "== $target: $seconds s"
    if ! "$build/tests/fuzz/$target" "$corpus" -max_total_time="$seconds" -max_len=8192 \
        -artifact_prefix="$findings/" -print_final_stats=1 2>"$build/$target.log"; then
        status=1
        echo "!! $target found a problem; see $build/$target.log and $findings"
    fi
    grep -E "stat::number_of_executed_units|Done [0-9]+ runs" "$build/$target.log" || true
done
exit $status
