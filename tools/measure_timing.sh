#!/usr/bin/env bash
# Measures how evenly the scale player's notes land in the produced audio. For every buffer size
# and tempo below it plays a click on every beat through the real output for a while, idle and
# then beside two busy loops, and reports the onsets against the even grid of the tempo, with
# dropped and doubled notes, and how much sound the output made against the time that passed (a
# starved device falls behind; a real one would drop out). A last pass shows the naive start at
# the next buffer for comparison.
# Run it as an ordinary user: keeping time must need no special rights.
# Usage: measure_timing.sh BUILD_DIR [SECONDS=30] [OUT_DIR=BUILD_DIR/timing]
# Measures the output tap with SDL's dummy driver unless SDL_AUDIODRIVER is set; with
# SDL_AUDIODRIVER=disk it measures the file SDL writes, at SDL_DISKAUDIODELAY (default: one
# buffer's time, so the device runs near real time).
set -euo pipefail
build="$(cd "${1:?usage: $0 BUILD_DIR [SECONDS] [OUT_DIR]}" && pwd)"
seconds="${2:-30}"
out="${3:-$build/timing}"
mkdir -p "$out"
export SDL_AUDIODRIVER="${SDL_AUDIODRIVER:-dummy}"
buffers=(64 256 512 1024 2048)
tempos=(60 120 300)
busy=()
stop_busy() {
  for pid in "${busy[@]}"; do
    kill "$pid" 2>/dev/null || true
  done
  busy=()
}
trap stop_busy EXIT

run() { # load, frames, bpm, naive
  local name="$out/$1-$2-frames-$3-bpm${4:+-naive}"
  local delay="${SDL_DISKAUDIODELAY:-$(( ($2 * 1000 + 22050) / 44100 ))}"
  PINTO_AUDIO_BUFFER="$2" PINTO_AUDIO_NAIVE="${4:+1}" SDL_DISKAUDIOFILE="$name.raw" \
    SDL_DISKAUDIODELAY="$(( delay > 0 ? delay : 1 ))" \
    "$build/tools/pinto_beat_probe" "$name.wav" "$seconds" "$3" > "$name.log"
  local measured="$name.wav"
  if [ "$SDL_AUDIODRIVER" = disk ]; then
    measured="$name.raw"
  fi
  printf '%-5s %5s frames %4s BPM %-6s %s | output at %s of real time\n' "$1" "$2" "$3" \
    "${4:+naive}" "$("$build/tools/pinto_onset_error" "$measured" "$3" || true)" \
    "$(sed -n 's/.*(\(.*\) of real time)/\1/p' "$name.log")"
}

printf 'as %s, driver %s, %s s a run\n' "$(id -un)" "$SDL_AUDIODRIVER" "$seconds"
for load in idle busy; do
  if [ "$load" = busy ]; then
    for _ in 1 2; do
      (while :; do :; done) &
      busy+=("$!")
    done
  fi
  for frames in "${buffers[@]}"; do
    for bpm in "${tempos[@]}"; do
      run "$load" "$frames" "$bpm"
    done
  done
done
for bpm in "${tempos[@]}"; do
  run busy 512 "$bpm" naive
done
