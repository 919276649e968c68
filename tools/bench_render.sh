#!/usr/bin/env bash
# Times `pinto --render` of a PNG against `pinto --version`, whole process each, in paired runs:
# the medians of wall-clock and CPU time (user + system, which a busy machine inflates less) and
# the median ratio of render to version over the rounds.
# Usage: tools/bench_render.sh [path/to/pinto [rounds]] (default: a Release build in
# build-release/, 20 rounds).
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
source "$here/tools/bench_pairs.sh"
pinto="${1:-}"
rounds="${2:-20}"
if [[ -z "$pinto" ]]; then
    pinto="$(bash "$here/tools/release_pinto.sh")"
fi
pinto="$(realpath "$pinto")"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
cd "$work"
args=(--render out.png --scale "Major" --overlay "Minor Pentatonic" --root C)

"$pinto" --version >/dev/null # warm the file cache
"$pinto" "${args[@]}"
: >version.wall; : >version.cpu; : >render.wall; : >render.cpu
for _ in $(seq "$rounds"); do
    time_run "$pinto" --version
    echo "$wall_us" >>version.wall; echo "$cpu_us" >>version.cpu
    time_run "$pinto" "${args[@]}"
    echo "$wall_us" >>render.wall; echo "$cpu_us" >>render.cpu
done
echo "$rounds rounds (load average: $(cut -d' ' -f1 /proc/loadavg))"
report version
report render version
