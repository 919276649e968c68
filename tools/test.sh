#!/usr/bin/env bash
# Sets up a Debian machine, builds Pinto with its tests and runs every test headless.
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
bash "$here/tools/setup.sh"
cmake -S "$here" -B "$here/build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=ON
cmake --build "$here/build"
cd "$here/build"
export QT_QPA_PLATFORM=offscreen SDL_AUDIODRIVER=dummy
ctest --output-on-failure -j2
