#!/usr/bin/env bash
# Sets up a Debian machine, builds Pinto and starts it with --home: the program keeps its files in
# PINTO_HOME, by default ~/Pinto, and a new folder gets the built default sound scheme.
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
bash "$here/tools/setup.sh"
cmake -S "$here" -B "$here/build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build "$here/build"
exec "$here/build/pinto" --home "$@"
