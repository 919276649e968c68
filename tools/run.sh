#!/usr/bin/env bash
# Sets up a Debian machine, builds Pinto and starts it.
# The program keeps its files in its working folder: PINTO_HOME, by default ~/Pinto.
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
bash "$here/tools/setup.sh"
cmake -S "$here" -B "$here/build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build "$here/build"
work="${PINTO_HOME:-$HOME/Pinto}"
mkdir -p "$work"
if [ -x "$here/tools/prepare_workdir.sh" ]; then
  bash "$here/tools/prepare_workdir.sh" "$here/build" "$work"
fi
cd "$work"
exec "$here/build/pinto" "$@"
