#!/usr/bin/env bash
# Measures how evenly the scale player's notes land in the produced audio: plays a click on
# every beat at 120 BPM with 512-frame buffers, once with sample-accurate starts and once with
# the naive start at the next buffer, taps the output into WAV files and reports each onset's
# distance from a fitted straight grid.
# Usage: measure_timing.sh BUILD_DIR [SECONDS=60] [OUT_DIR=BUILD_DIR/timing]
# Uses SDL's dummy driver unless SDL_AUDIODRIVER is set.
set -euo pipefail
build="${1:?usage: $0 BUILD_DIR [SECONDS] [OUT_DIR]}"
seconds="${2:-60}"
out="${3:-$build/timing}"
mkdir -p "$out"
export SDL_AUDIODRIVER="${SDL_AUDIODRIVER:-dummy}"
export PINTO_AUDIO_BUFFER=512

PINTO_AUDIO_NAIVE=0 "$build/tools/pinto_beat_probe" "$out/accurate.wav" "$seconds" 120
PINTO_AUDIO_NAIVE=1 "$build/tools/pinto_beat_probe" "$out/naive.wav" "$seconds" 120

printf 'sample-accurate: '
"$build/tools/pinto_onset_error" "$out/accurate.wav"
printf 'next buffer:     '
"$build/tools/pinto_onset_error" "$out/naive.wav"
