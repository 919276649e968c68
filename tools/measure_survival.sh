#!/usr/bin/env bash
# Plays the scale player's beat for a while pinned to one CPU and reports whether the process
# survived, its CPU use, its real-time CPU limit and how its threads are scheduled. Run it as
# root, where real-time scheduling is allowed: the program must neither use it nor change the
# process's limits, so a busy beat can never get it killed.
# Usage: measure_survival.sh BUILD_DIR SECONDS BUFFER_FRAMES BPM [probe|dialog] [OUT_DIR]
# probe runs the beat probe; dialog runs the real Play dialog on Up and Loop.
# Uses SDL's dummy driver unless SDL_AUDIODRIVER is set.
set -uo pipefail
build="${1:?usage: $0 BUILD_DIR SECONDS BUFFER_FRAMES BPM [probe|dialog] [OUT_DIR]}"
seconds="${2:?}"
frames="${3:?}"
bpm="${4:?}"
what="${5:-probe}"
out="${6:-$build/survival}"
mkdir -p "$out"
export SDL_AUDIODRIVER="${SDL_AUDIODRIVER:-dummy}"
export PINTO_AUDIO_BUFFER="$frames"
name="$out/$what-$frames-frames-$bpm-bpm"

if [ "$what" = dialog ]; then
  taskset -c 0 "$build/tools/pinto_dialog_probe" play "$name.wav" "$seconds" "$bpm" > "$name.log" 2>&1 &
else
  taskset -c 0 "$build/tools/pinto_beat_probe" "$name.wav" "$seconds" "$bpm" > "$name.log" 2>&1 &
fi
pid=$!
started=$SECONDS
sleep 5
limit="$(grep 'Max realtime timeout' "/proc/$pid/limits" | tr -s ' ')"
threads=""
for task in /proc/"$pid"/task/*; do
  policy="$(chrt -p "${task##*/}" 2>/dev/null | sed -n 's/.*scheduling policy: //p')"
  threads+="$(cat "$task/comm") ($policy, nice $(awk '{print $19}' "$task/stat")); "
done
wait "$pid"
status=$?
lasted=$((SECONDS - started))

printf '%s, %s frames, %s BPM, %s s, taskset -c 0, as %s\n' "$what" "$frames" "$bpm" "$seconds" "$(id -un)"
if [ "$status" -gt 128 ]; then
  printf '  KILLED by signal %s (%s) after %s s\n' "$((status - 128))" \
    "$(kill -l "$((status - 128))")" "$lasted"
else
  printf '  exit status %s after %s s\n' "$status" "$lasted"
fi
printf '  %s\n  threads: %s\n  %s\n' "$limit" "$threads" "$(grep '^cpu' "$name.log")"
if [ "$bpm" -le 600 ] && [ -s "$name.wav" ]; then
  printf '  %s\n' "$("$build/tools/pinto_onset_error" "$name.wav" "$bpm")"
fi
