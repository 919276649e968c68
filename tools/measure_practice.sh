#!/usr/bin/env bash
# Measures practice runs from the produced audio (see practice_probe.cpp):
# - every click and note onset against its nominal frame, with count-in, click and trainer, at
#   64 and 512-frame buffers, idle and beside two busy loops;
# - a 40 -> 200 BPM ramp (step 8, every pass): missing and extra beats, count-in clicks;
# - the window playing a run with the built-in samples and clicks, captured by SDL's disk driver:
#   equal, sample for sample, to the same run saved with the window's "Save Exercise As"; the
#   notes' edges and loudness, and the capture's onsets, edges and levels against the run's
#   schedule when python3-numpy is at hand; the saved MIDI file read back with python3-mido.
# Usage: measure_practice.sh BUILD_DIR [SECONDS=600] [CAPTURE_SECONDS=120] [OUT_DIR=BUILD_DIR/practice]
set -euo pipefail
build="$(cd "${1:?usage: $0 BUILD_DIR [SECONDS] [CAPTURE_SECONDS] [OUT_DIR]}" && pwd)"
seconds="${2:-600}"
capture="${3:-120}"
out="${4:-$build/practice}"
mkdir -p "$out"
probe="$build/tools/pinto_practice_probe"
scheme="$build/share/pinto/sounds/plucked-string.scheme"
busy=()
stop_busy() {
  for pid in "${busy[@]}"; do
    kill "$pid" 2>/dev/null || true
  done
  busy=()
}
trap stop_busy EXIT

printf 'as %s, %s s a run\n' "$(id -un)" "$seconds"
for load in idle busy; do
  if [ "$load" = busy ]; then
    for _ in 1 2; do
      (while :; do :; done) &
      busy+=("$!")
    done
  fi
  for frames in 64 512; do
    printf '%-4s %3s frames: ' "$load" "$frames"
    SDL_AUDIODRIVER=dummy PINTO_AUDIO_BUFFER="$frames" "$probe" "$out/onsets-$load-$frames" \
      "$seconds" --probe-samples --count-in 1 --click --trainer 60,4,2,100 --passes "$((seconds / 4 + 10))" |
      tr '\n' ' '
    echo
  done
done
stop_busy

echo "Ramp 40 -> 200 BPM, step 8 every pass, 23 passes:"
SDL_AUDIODRIVER=dummy "$probe" "$out/ramp" 300 --probe-samples --count-in 1 --click \
  --trainer 40,8,1,200 --passes 23

echo "The window, $capture s on SDL's disk driver: count-in, click, trainer 60 -> 100 (4 every 2 passes):"
SDL_AUDIODRIVER=disk SDL_DISKAUDIOFILE="$out/window.raw" SDL_DISKAUDIODELAY=11 \
  "$build/tools/pinto_dialog_probe" practice "$out/window" "$capture" 2>&1 | grep -v '^CRITICAL' |
  tee "$out/window.txt"
played="$(sed -n 's/.*WAV: \([0-9]*\) frames.*/\1/p' "$out/window.txt")"
if [ -n "$played" ] && /usr/bin/python3 -c 'import numpy' 2>/dev/null; then
  echo "The capture measured against the run's schedule:"
  /usr/bin/python3 "$(dirname "$0")/practice_capture.py" "$out/window.raw" \
    "$build/share/pinto/sounds" "$played"
fi
echo "The same run rendered, its notes' edges and loudness:"
SDL_AUDIODRIVER=dummy "$probe" "$out/capture" 10 --scheme "$scheme" --count-in 1 --click \
  --trainer 60,4,2,100 --passes "$((capture / 4 + 10))" | tail -n 1
if /usr/bin/python3 -c 'import mido' 2>/dev/null; then
  /usr/bin/python3 - "$out/window.mid" <<'PY'
import sys, mido
f = mido.MidiFile(sys.argv[1])
tempos = [round(60e6 / m.tempo, 2) for m in f.tracks[0] if m.type == 'set_tempo']
notes = [m for m in f.tracks[1] if m.type == 'note_on']
clicks = [m.note for m in f.tracks[2] if m.type == 'note_on']
print(f"MIDI: type {f.type}, {f.ticks_per_beat} PPQ, tracks {[t.name for t in f.tracks]}, "
      f"{f.length:.1f} s; tempos {tempos}; {len(notes)} notes on channel "
      f"{notes[0].channel + 1}, pitches {sorted({m.note for m in notes})}; {len(clicks)} clicks on "
      f"channel 10: {clicks.count(37)} side stick, {clicks.count(42)} hi-hat")
PY
fi
