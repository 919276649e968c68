#!/usr/bin/env bash
# Prepares the folder the program runs in: writes the built-in plucked-string sound scheme
# (samples under WORK_DIR/sounds/) and makes sure "pinto_ss.dat" lists it, so "Play it" and
# "Tune up" sound on the first run. A user's own pinto_ss.dat keeps all its lines; our scheme is
# added only when it is not listed yet.
# Usage: prepare_workdir.sh BUILD_DIR WORK_DIR
set -euo pipefail
if [ $# -ne 2 ]; then
  echo "usage: $0 BUILD_DIR WORK_DIR" >&2
  exit 2
fi
build="$(cd "$1" && pwd)"
work="$2"
synth="$build/tools/pinto_synth"
scheme="sounds/plucked-string.scheme"

if [ ! -x "$synth" ]; then
  echo "$0: $synth not built; no default sound scheme" >&2
  exit 0
fi
mkdir -p "$work"
cd "$work"
"$synth" sounds "$scheme"

list="pinto_ss.dat"
if [ ! -e "$list" ]; then
  printf '%s\r\n' "$scheme" > "$list"
elif ! tr -d '\r' < "$list" | grep -qxF "$scheme"; then
  # Keep the user's last line whole when it lacks an end of line.
  if [ -s "$list" ] && [ "$(tail -c 1 "$list" | od -An -c | tr -d ' ')" != '\n' ]; then
    printf '\r\n' >> "$list"
  fi
  printf '%s\r\n' "$scheme" >> "$list"
fi
