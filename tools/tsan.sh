#!/usr/bin/env bash
# Builds the sound tests with ThreadSanitizer in build-tsan/ and runs them: the mixer, the scale
# player and the sound card output, whose beats run on the output's thread while the dialog's
# thread changes what they read. Any data race or lock-order report fails the run.
# Usage: tools/tsan.sh [extra ctest arguments...]
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="$root/build-tsan"
targets=(sound_player_test sound_mixer_test sound_text_test sound_threads_test
         sound_sdl_output_test sound_practice_test)

launcher=()
if command -v ccache >/dev/null; then
    launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
fi
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=ON \
    -DPINTO_TSAN=ON "${launcher[@]}" >/dev/null
cmake --build "$build" --target "${targets[@]}"

cd "$build"
export SDL_AUDIODRIVER=dummy QT_QPA_PLATFORM=offscreen
# halt_on_error: the first report ends the test with a failure, so ctest sees it.
export TSAN_OPTIONS="halt_on_error=1 second_deadlock_stack=1 ${TSAN_OPTIONS:-}"
pattern="^($(IFS='|'; echo "${targets[*]}"))\$"
ctest --output-on-failure -R "$pattern" "$@"
