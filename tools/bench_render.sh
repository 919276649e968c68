#!/usr/bin/env bash
# Times one PNG render of `pinto --render`, whole process, and prints the median of 20 runs:
# wall-clock time, and CPU time (user + system), which a busy machine inflates less.
# Usage: tools/bench_render.sh [path/to/pinto] (default: a Release build in build-release/).
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
pinto="${1:-}"
if [[ -z "$pinto" ]]; then
    pinto="$(bash "$here/tools/release_pinto.sh")"
fi
pinto="$(realpath "$pinto")"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
cd "$work"
args=(--render out.png --scale "Major" --overlay "Minor Pentatonic" --root C)

if command -v hyperfine >/dev/null; then
    hyperfine --warmup 3 --runs 20 "$pinto ${args[*]@Q}"
    exit 0
fi

# Median of the numbers on standard input, in microseconds, printed as milliseconds.
median_ms()
{
    sort -n | awk '{ v[NR] = $1 } END { m = (v[int((NR + 1) / 2)] + v[int(NR / 2) + 1]) / 2;
                                        printf "%.1f", m / 1000 }'
}

"$pinto" "${args[@]}" # warm the file cache
: >wall.txt
: >cpu.txt
for _ in $(seq 20); do
    start=$(date +%s%N)
    if [[ -x /usr/bin/time ]]; then
        /usr/bin/time -f '%U %S' -o time.txt "$pinto" "${args[@]}"
        awk '{ printf "%d\n", ($1 + $2) * 1000000 }' time.txt >>cpu.txt
    else
        "$pinto" "${args[@]}"
    fi
    end=$(date +%s%N)
    echo $(((end - start) / 1000)) >>wall.txt
done
cpu=""
if [[ -s cpu.txt ]]; then
    cpu=", median CPU $(median_ms <cpu.txt) ms"
fi
echo "pinto --render out.png, 20 runs: median wall $(median_ms <wall.txt) ms$cpu" \
    "(load average: $(cut -d' ' -f1 /proc/loadavg))"
