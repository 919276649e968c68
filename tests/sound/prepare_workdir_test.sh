#!/usr/bin/env bash
# Checks tools/prepare_workdir.sh: a fresh folder gets the samples and a "pinto_ss.dat" that
# lists the built-in scheme; a second run adds nothing; a user's own list keeps its lines.
# Usage: prepare_workdir_test.sh SOURCE_DIR BUILD_DIR
set -uo pipefail
source_dir="$1"
build_dir="$2"
prepare="$source_dir/tools/prepare_workdir.sh"
scheme="sounds/plucked-string.scheme"
root="$(mktemp -d)"
trap 'rm -rf "$root"' EXIT
passed=0
failed=0

check() { # description, then a command that must succeed
  local what="$1"
  shift
  if "$@"; then
    passed=$((passed + 1))
  else
    echo "FAIL: $what" >&2
    failed=$((failed + 1))
  fi
}

snapshot() { # every file under a folder with its checksum
  (cd "$1" && find . -type f -print0 | sort -z | xargs -0 md5sum)
}

same_bytes() { cmp -s "$1" <(printf '%b' "$2"); }

# A fresh folder (not there yet) gets 24 samples, the scheme file and a one-line list.
fresh="$root/fresh"
check "fresh run succeeds" bash "$prepare" "$build_dir" "$fresh"
check "24 samples" test "$(find "$fresh/sounds" -name '*.wav' | wc -l)" -eq 24
check "list names the scheme" same_bytes "$fresh/pinto_ss.dat" "$scheme\r\n"
check "scheme file has a name and 24 paths" test "$(wc -l < "$fresh/$scheme")" -eq 25
check "scheme name" test "$(head -n 1 "$fresh/$scheme" | tr -d '\r')" = "Plucked String"
missing=0
while IFS= read -r line; do
  [ -f "$fresh/${line%$'\r'}" ] || missing=$((missing + 1))
done < <(tail -n +2 "$fresh/$scheme")
check "every listed sample exists" test "$missing" -eq 0

# A second run adds nothing and changes nothing.
before="$(snapshot "$fresh")"
check "second run succeeds" bash "$prepare" "$build_dir" "$fresh"
check "second run adds nothing" test "$(snapshot "$fresh")" = "$before"

# A user's list keeps its lines (the last one even without an end of line) and gains ours once.
user="$root/user"
mkdir -p "$user"
printf 'mine.scheme\r\n\r\nC:/Sounds/piano.scheme' > "$user/pinto_ss.dat"
check "user run succeeds" bash "$prepare" "$build_dir" "$user"
check "user lines kept, ours appended" same_bytes "$user/pinto_ss.dat" \
  "mine.scheme\r\n\r\nC:/Sounds/piano.scheme\r\n$scheme\r\n"
bash "$prepare" "$build_dir" "$user"
check "ours listed once after a second run" same_bytes "$user/pinto_ss.dat" \
  "mine.scheme\r\n\r\nC:/Sounds/piano.scheme\r\n$scheme\r\n"

# A list that names the scheme already, with plain line ends, is left as it is.
listed="$root/listed"
mkdir -p "$listed"
printf 'other.scheme\n%s\n' "$scheme" > "$listed/pinto_ss.dat"
bash "$prepare" "$build_dir" "$listed"
check "a list naming the scheme is untouched" same_bytes "$listed/pinto_ss.dat" \
  "other.scheme\n$scheme\n"

echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
