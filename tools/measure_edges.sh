#!/usr/bin/env bash
# Measures what a user hears at the edges of notes, from the produced audio:
# - the steps between consecutive frames at note boundaries and at the final stop, playing C major
#   up and over with the built-in plucked-string samples and with smooth test tones (whose own
#   steps are small, so that what an edge adds stands out), at 120 and 300 BPM;
# - the delay from a press of a tuner note button to the first frame of its note, at 64, 512 and
#   2048-frame buffers.
# Usage: measure_edges.sh BUILD_DIR [SECONDS=20] [OUT_DIR=BUILD_DIR/edges]
# Uses SDL's dummy driver unless SDL_AUDIODRIVER is set.
set -euo pipefail
build="$(cd "${1:?usage: $0 BUILD_DIR [SECONDS] [OUT_DIR]}" && pwd)"
seconds="${2:-20}"
out="${3:-$build/edges}"
mkdir -p "$out"
out="$(cd "$out" && pwd)"
export SDL_AUDIODRIVER="${SDL_AUDIODRIVER:-dummy}"
tools="$build/tools"

cd "$out"
"$tools/pinto_synth" plucks plucks/plucked-string.scheme
"$tools/pinto_beat_probe" --write-tones tones
echo "Steps at note boundaries (512-frame buffers), in percent of full scale:"
for scheme in plucks/plucked-string.scheme tones/tones.scheme; do
  for bpm in 120 300; do
    name="$out/steps-${scheme%%/*}-$bpm-bpm"
    PINTO_AUDIO_BUFFER=512 "$tools/pinto_beat_probe" "$name.wav" "$seconds" "$bpm" "$scheme" \
      > "$name.log"
    printf '%-7s %3s BPM  %s\n' "${scheme%%/*}" "$bpm" "$("$tools/pinto_note_steps" "$name.wav" "$bpm")"
  done
done
echo "Tuner, click to sound:"
for frames in 64 512 2048; do
  printf '%5s frames  %s\n' "$frames" \
    "$(PINTO_AUDIO_BUFFER="$frames" "$tools/pinto_dialog_probe" tune "$out/tune-$frames.wav" 40 \
      2> /dev/null | grep presses | tr '\n' ' ')"
done
