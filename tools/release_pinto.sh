#!/usr/bin/env bash
# Builds the program for measuring, Release and without tests, in build-release/, and prints the
# path of the binary; on a failed build it prints the build's output to standard error instead.
# Used by the benchmark scripts.
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
log="$(mktemp)"
trap 'rm -f "$log"' EXIT
if ! { cmake -S "$here" -B "$here/build-release" -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DBUILD_TESTING=OFF && cmake --build "$here/build-release" --target pinto pinto_scales; } >"$log" 2>&1
then
    cat "$log" >&2
    exit 1
fi
echo "$here/build-release/pinto"
