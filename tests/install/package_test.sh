#!/usr/bin/env bash
# Builds the Debian package from a built tree and checks what it holds: the program, the desktop
# entry with its icons and metainfo, the manual page and the default sound scheme whose samples
# are named where they are installed; its name, version and dependencies; and nothing that
# dpkg -r would leave behind (no configuration files, no maintainer scripts).
# Usage: package_test.sh BUILD_DIR VERSION APP_ID WORK_DIR
set -uo pipefail
build="$1"
version="$2"
id="$3"
work="$4"
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

rm -rf "$work/package"
mkdir -p "$work/package"
if ! cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work/package" > "$work/cpack.log" 2>&1; then
  cat "$work/cpack.log" >&2
  echo "0 passed, 1 failed"
  exit 1
fi
deb="$work/package/pinto_${version}_$(dpkg --print-architecture).deb"
check "package named pinto_<version>_<arch>.deb" test -f "$deb"
[ -f "$deb" ] || { echo "$passed passed, $failed failed"; exit 1; }

dpkg-deb -c "$deb" | awk '{print $6}' | sed 's|^\./|/|' > "$work/contents"
has() { grep -qxF "$1" "$work/contents"; }
for path in \
  /usr/bin/pinto \
  "/usr/share/applications/$id.desktop" \
  "/usr/share/icons/hicolor/scalable/apps/$id.svg" \
  "/usr/share/icons/hicolor/48x48/apps/$id.png" \
  "/usr/share/icons/hicolor/128x128/apps/$id.png" \
  "/usr/share/metainfo/$id.metainfo.xml" \
  /usr/share/man/man1/pinto.1.gz \
  /usr/share/pinto/scales/families.txt \
  /usr/share/pinto/sounds/plucked-string.scheme; do
  check "package holds $path" has "$path"
done
check "package holds 24 samples" \
  test "$(grep -c '^/usr/share/pinto/sounds/pluck-.*\.wav$' "$work/contents")" -eq 24
check "every file lies under /usr/bin or /usr/share" \
  test -z "$(grep -v -e '/$' -e '^/usr/bin/' -e '^/usr/share/' "$work/contents")"

field() { dpkg-deb -f "$deb" "$1"; }
check "version field" test "$(field Version)" = "$version"
check "depends on the dialog font" grep -q 'fonts-liberation' <(field Depends)
check "libraries found by shlibdeps" grep -q 'libqt6widgets6' <(field Depends)
check "depends on SDL" grep -q 'libsdl2' <(field Depends)
dpkg-deb -e "$deb" "$work/control"
check "no configuration files or maintainer scripts" \
  test -z "$(ls "$work/control" | grep -v -x -e control -e md5sums)"

tree="$work/tree"
dpkg-deb -x "$deb" "$tree"
scheme="$tree/usr/share/pinto/sounds/plucked-string.scheme"
check "scheme name line" test "$(head -n 1 "$scheme")" = $'Plucked String\r'
check "scheme names 24 installed samples" \
  test "$(tail -n +2 "$scheme" | grep -c $'^/usr/share/pinto/sounds/pluck-[0-9][0-9]-[A-Gs0-9]*\\.wav\r$')" -eq 24
missing=0
while IFS= read -r line; do
  [ -f "$tree${line%$'\r'}" ] || missing=$((missing + 1))
done < <(tail -n +2 "$scheme")
check "every sample the scheme names is in the package" test "$missing" -eq 0
check "metainfo carries the version" \
  grep -q "<release version=\"$version\"" "$tree/usr/share/metainfo/$id.metainfo.xml"
check "manual page carries the version" \
  grep -q "\"Pinto $version\"" <(gzip -dc "$tree/usr/share/man/man1/pinto.1.gz")
check "desktop entry starts pinto --home" grep -qx 'Exec=pinto --home' \
  "$tree/usr/share/applications/$id.desktop"
if ! appstreamcli validate-tree --no-net "$tree" > "$work/validate-tree.log" 2>&1; then
  cat "$work/validate-tree.log" >&2
  check "metainfo and desktop entry agree as installed" false
else
  check "metainfo and desktop entry agree as installed" true
fi

echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
