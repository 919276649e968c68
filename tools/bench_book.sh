#!/usr/bin/env bash
# Times a scale book of 12 keys against a one-diagram PDF, whole process each, and prints the
# medians of 20 runs (wall-clock and CPU time) and the book's share of the one diagram's time.
# Usage: tools/bench_book.sh [path/to/pinto] (default: a Release build in build-release/).
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
pinto="${1:-}"
if [[ -z "$pinto" ]]; then
    pinto="$(bash "$here/tools/release_pinto.sh")"
fi
pinto="$(realpath "$pinto")"
if [[ ! -x /usr/bin/time ]]; then
    echo "bench_book.sh needs /usr/bin/time (Debian package time)" >&2
    exit 1
fi
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
cd "$work"
one=(--render one.pdf --scale "Minor Blues" --root C)
book=(--render book.pdf --scale "Minor Blues" --root C --book keys)

median()
{
    sort -n | awk '{ v[NR] = $1 } END { print (v[int((NR + 1) / 2)] + v[int(NR / 2) + 1]) / 2 }'
}

# Runs pinto with the arguments 20 times; prints "wall-ms cpu-ms", the medians.
measure()
{
    "$pinto" "$@" # warm the file cache
    : >wall.txt
    : >cpu.txt
    for _ in $(seq 20); do
        start=$(date +%s%N)
        /usr/bin/time -f '%U %S' -o time.txt "$pinto" "$@"
        end=$(date +%s%N)
        echo $(((end - start) / 1000)) >>wall.txt
        awk '{ printf "%d\n", ($1 + $2) * 1000000 }' time.txt >>cpu.txt
    done
    echo "$(median <wall.txt) $(median <cpu.txt)" | awk '{ printf "%.1f %.1f\n", $1 / 1000, $2 / 1000 }'
}

read -r oneWall oneCpu < <(measure "${one[@]}")
read -r bookWall bookCpu < <(measure "${book[@]}")
echo "one-diagram PDF: median wall $oneWall ms, CPU $oneCpu ms"
echo "12-key book ($(pdfinfo book.pdf 2>/dev/null | awk '/^Pages/ { print $2 }') pages):" \
    "median wall $bookWall ms, CPU $bookCpu ms"
awk -v b="$bookWall" -v o="$oneWall" 'BEGIN { printf "book / one diagram: %.2f (target at most 2)", b / o }'
echo " (load average: $(cut -d' ' -f1 /proc/loadavg))"
