#!/usr/bin/env bash
# Start-up with a large scale library: time from launch to the window's first paint and the
# largest resident memory, median of 10 runs, with a pinto_s.dat of 65,536 records (2 MiB).
# Usage: tools/bench_startup.sh [path/to/pinto] (default: a Release build in build-release/).
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
pinto="${1:-}"
if [[ -z "$pinto" ]]; then
    pinto="$(bash "$here/tools/release_pinto.sh")"
fi
pinto="$(realpath "$pinto")"
if [[ ! -x /usr/bin/time ]]; then
    echo "bench_startup.sh needs /usr/bin/time (Debian package time)" >&2
    exit 1
fi
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
cd "$work"

# 65,536 records of 32 bytes: a name line of 8 bytes and twelve one-digit degree lines.
awk 'BEGIN { for (i = 0; i < 65536; ++i) {
                 printf "Sc%05d\n", i
                 for (d = 0; d < 12; ++d) printf "%d\n", (i + d) % 3 == 0 } }' >pinto_s.dat

median()
{
    sort -n | awk '{ v[NR] = $1 } END { print (v[int((NR + 1) / 2)] + v[int(NR / 2) + 1]) / 2 }'
}

export QT_QPA_PLATFORM=offscreen PINTO_EXIT_AFTER_FIRST_PAINT=1
PINTO_EXIT_AFTER_FIRST_PAINT=1 "$pinto" >/dev/null # warm the file cache
: >paint.txt
: >rss.txt
for _ in $(seq 10); do
    start=$(date +%s%6N)
    painted=$(/usr/bin/time -f '%M' -o time.txt "$pinto")
    echo $((painted - start)) >>paint.txt
    cat time.txt >>rss.txt
    cp pinto_s.dat keep.dat && rm -f pinto_c.dat
done
printf 'pinto_s.dat %s bytes, 10 runs: median start to first paint %.0f ms, median max RSS %.1f MB' \
    "$(stat -c %s pinto_s.dat)" "$(median <paint.txt | awk '{ print $1 / 1000 }')" \
    "$(median <rss.txt | awk '{ print $1 / 1024 }')"
echo " (load average: $(cut -d' ' -f1 /proc/loadavg))"
