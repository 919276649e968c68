#!/usr/bin/env bash
# Start-up: the time from launch to the window's first paint, paired with `pinto --version`
# (whole process), in a fresh folder and in one whose pinto_s.dat holds 65,536 records (2 MiB):
# the medians of each, the median ratio of first paint to version over the rounds, the CPU time
# of the whole window process, and its largest resident memory.
# Usage: tools/bench_startup.sh [--home] [path/to/pinto [rounds]] (default: a Release build in
# build-release/, 10 rounds). With --home the window starts as the menu starts it, the folder
# as PINTO_HOME, and the scales installed beside the program (share/pinto/scales) join the
# library.
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
source "$here/tools/bench_pairs.sh"
home=()
if [[ "${1:-}" == --home ]]; then
    home=(--home)
    shift
fi
pinto="${1:-}"
rounds="${2:-10}"
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
mkdir "$work/fresh" "$work/large"

# 65,536 records of 32 bytes: a name line of 8 bytes and twelve one-digit degree lines.
awk 'BEGIN { for (i = 0; i < 65536; ++i) {
                 printf "Sc%05d\n", i
                 for (d = 0; d < 12; ++d) printf "%d\n", (i + d) % 3 == 0 } }' >"$work/large/pinto_s.dat"

export QT_QPA_PLATFORM=offscreen PINTO_EXIT_AFTER_FIRST_PAINT=1
for folder in fresh large; do
    cd "$work/$folder"
    export PINTO_HOME="$work/$folder"
    "$pinto" "${home[@]}" >/dev/null 2>&1 # warm the file cache
    rm -f pinto_c.dat
    : >version.wall; : >version.cpu; : >paint.wall; : >paint.cpu; : >rss.txt
    for _ in $(seq "$rounds"); do
        time_run "$pinto" --version
        echo "$wall_us" >>version.wall; echo "$cpu_us" >>version.cpu
        time_run /usr/bin/time -f '%M' -o time.txt "$pinto" "${home[@]}"
        echo $(($(cat .out) - start_us)) >>paint.wall; echo "$cpu_us" >>paint.cpu
        cat time.txt >>rss.txt
        rm -f pinto_c.dat
    done
    echo "== $folder folder$([[ $folder == large ]] && echo ", pinto_s.dat $(stat -c %s pinto_s.dat) bytes"):" \
        "$rounds rounds, median max RSS $(median <rss.txt | awk '{ printf "%.1f", $1 / 1024 }') MB" \
        "(load average: $(cut -d' ' -f1 /proc/loadavg))"
    report version
    report paint version
done
echo "(paint: wall time from launch to the first paint; CPU time of the whole process)"
