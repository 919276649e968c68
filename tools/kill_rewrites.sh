#!/usr/bin/env bash
# Kills rewrites of the data files with SIGKILL at random moments and checks after every kill that
# the file is whole. Forget runs on a 2 MiB pinto_s.dat, the settings on pinto_c.dat, each in a
# folder that takes new files and in one that refuses them (as root the rewrites run as the user
# nobody, so that the folder's permissions bind them). Reports per run the kills, the files found
# whole, the kills that left a temporary (they fell within a rewrite), the temporaries left at the
# end, and those still left after a minute and one more rewrite.
# Usage: kill_rewrites.sh BUILD_DIR [KILLS=50] [OUT_DIR]
set -uo pipefail
build="$(cd "${1:?usage: $0 BUILD_DIR [KILLS=50] [OUT_DIR]}" && pwd)"
kills="${2:-50}"
out="${3:-$(mktemp -d /tmp/kill_rewrites.XXXXXX)}"
probe="$build/tools/pinto_rewrite_probe"
records=48000 # about 2.1 MiB of scales
[ -x "$probe" ] || { echo "build the target pinto_rewrite_probe first" >&2; exit 2; }
mkdir -p "$out"
chmod 755 "$out"

# What runs a command as the writer: the user nobody when run as root, else the user itself.
writer=()
if [ "$(id -u)" -eq 0 ]; then
  writer=(setpriv --reuid=65534 --regid=65534 --clear-groups --)
fi

temporaries() {
  find "$1" -maxdepth 1 -name '.pinto_[cs].dat.??????' | wc -l
}

# prepare FOLDER WHAT REFUSING: the folder with its file, owned so that the writer may change the
# file, and add files beside it only when REFUSING is "no".
prepare() {
  local folder="$1" what="$2" refusing="$3"
  [ -d "$folder" ] && chmod u+w "$folder"
  rm -rf "$folder"
  mkdir -p "$folder"
  if [ "$what" = forget ]; then
    (cd "$folder" && "$probe" library "$records")
  else
    (cd "$folder" && "$probe" settings 1)
  fi
  if [ "$(id -u)" -eq 0 ]; then
    chown 65534:65534 "$folder"/pinto_?.dat
    [ "$refusing" = no ] && chown 65534:65534 "$folder"
    chmod 755 "$folder"
  elif [ "$refusing" = yes ]; then
    chmod 555 "$folder"
  fi
}

status=0
for what in forget settings; do
  [ "$what" = forget ] && file=library || file=settings
  for refusing in no yes; do
    folder="$out/$what-$([ "$refusing" = yes ] && echo refusing || echo normal)"
    prepare "$folder" "$what" "$refusing"
    whole=0
    leaving=0
    for ((kill = 1; kill <= kills; kill++)); do
      before="$(temporaries "$folder")"
      (cd "$folder" && exec "${writer[@]}" "$probe" "$what") &
      pid=$!
      if [ "$what" = forget ] && [ "$refusing" = no ] && ((kill % 2)); then
        # Most of a Forget is reading and the rewrite takes a few ms: every other kill waits for
        # a new temporary to appear and falls within the rewrite.
        for ((poll = 0; poll < 2000; poll++)); do
          [ "$(compgen -G "$folder/.pinto_s.dat.??????" | wc -l)" -gt "$before" ] && break
          sleep 0.001
        done
      else
        sleep "$(printf '0.%03d' $((20 + RANDOM % 500)))"
      fi
      kill -KILL "$pid" 2>/dev/null
      wait "$pid" 2>/dev/null
      if (cd "$folder" && "$probe" check "$file" >>"$folder.log"); then
        whole=$((whole + 1))
      else
        status=1
      fi
      if [ "$(temporaries "$folder")" -gt "$before" ]; then
        leaving=$((leaving + 1))
      fi
    done
    left="$(temporaries "$folder")"
    printf '%s, %s folder: %d kills, %d whole, %d kills left a temporary, %d temporaries left\n' \
      "$what" "$([ "$refusing" = yes ] && echo refusing || echo normal)" "$kills" "$whole" \
      "$leaving" "$left" | tee -a "$out/report.txt"
  done
done

echo "a minute later, one more rewrite in each folder:" | tee -a "$out/report.txt"
sleep 61
for folder in "$out"/forget-normal "$out"/forget-refusing "$out"/settings-normal \
  "$out"/settings-refusing; do
  what="${folder##*/}"
  what="${what%%-*}"
  (cd "$folder" && "${writer[@]}" "$probe" "$what" 1)
  printf '%s: %d temporaries left\n' "${folder##*/}" "$(temporaries "$folder")" |
    tee -a "$out/report.txt"
done
exit "$status"
