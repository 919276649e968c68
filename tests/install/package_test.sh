#!/usr/bin/env bash
# Builds the Debian package from a built tree and checks what it holds: the program, hardened,
# the desktop entry with its icons and metainfo, the manual page, the default sound scheme whose
# samples are named where they are installed, the copyright file and change log; its name, version,
# dependencies and conflicts; nothing that dpkg -r would leave behind (no configuration files, no
# maintainer scripts); that lintian finds no error or warning; and that the packaged program
# repairs a sound list left naming only a deleted build folder's scheme.
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

no_lines() { # a pattern, then a command none of whose output lines may match it (they are shown)
  local pattern="$1"
  shift
  ! "$@" 2>&1 | grep -E "$pattern" >&2
}

rm -rf "$work/package"
mkdir -p "$work/package"
if ! cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work/package" > "$work/cpack.log" 2>&1; then
  cat "$work/cpack.log" >&2
  echo "0 passed, 1 failed"
  exit 1
fi
package=pinto-fretboard
deb="$work/package/${package}_${version}_$(dpkg --print-architecture).deb"
check "package named ${package}_<version>_<arch>.deb" test -f "$deb"
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
  /usr/share/pinto/sounds/plucked-string.scheme \
  "/usr/share/doc/$package/copyright" \
  "/usr/share/doc/$package/changelog.gz"; do
  check "package holds $path" has "$path"
done
check "package holds 24 samples" \
  test "$(grep -c '^/usr/share/pinto/sounds/pluck-.*\.wav$' "$work/contents")" -eq 24
check "every file lies under /usr/bin or /usr/share" \
  test -z "$(grep -v -e '/$' -e '^/usr/bin/' -e '^/usr/share/' "$work/contents")"

field() { dpkg-deb -f "$deb" "$1"; }
check "package field" test "$(field Package)" = "$package"
check "version field" test "$(field Version)" = "$version"
# Debian's unrelated package pinto also installs /usr/bin/pinto.
check "conflicts with Debian's pinto" test "$(field Conflicts)" = pinto
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
# The class Qt gives the program's windows on X11: its application name.
check "desktop entry knows the window class" grep -qx 'StartupWMClass=Pinto2' \
  "$tree/usr/share/applications/$id.desktop"
check "copyright file in the machine-readable format" grep -qx \
  'Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/' \
  "$tree/usr/share/doc/$package/copyright"
gzip -dc "$tree/usr/share/doc/$package/changelog.gz" > "$work/changelog"
check "change log of this version" \
  test "$(dpkg-parsechangelog -S Version -l "$work/changelog")" = "$version"
check "hardened program" hardening-check --quiet "$tree/usr/bin/pinto"
check "lintian finds no error or warning" no_lines '^[EW]: ' lintian "$deb"

# The README's build leaves ~/Pinto/pinto_ss.dat naming the build folder's scheme; once that is
# deleted, the packaged program adds its own scheme to the list and keeps the old line.
home="$work/home"
rm -rf "$home"
mkdir -p "$home/Pinto"
stale="$work/deleted-build/share/pinto/sounds/plucked-string.scheme"
printf '%s\r\n' "$stale" > "$home/Pinto/pinto_ss.dat"
HOME="$home" XDG_CONFIG_HOME="$home/.config" QT_QPA_PLATFORM=offscreen \
  PINTO_EXIT_AFTER_FIRST_PAINT=1 "$tree/usr/bin/pinto" --home > /dev/null 2> "$work/home.log"
check "stale sound list gets the packaged scheme" cmp -s "$home/Pinto/pinto_ss.dat" \
  <(printf '%s\r\n' "$stale" "$tree/usr/share/pinto/sounds/plucked-string.scheme")

if ! appstreamcli validate-tree --no-net "$tree" > "$work/validate-tree.log" 2>&1; then
  cat "$work/validate-tree.log" >&2
  check "metainfo and desktop entry agree as installed" false
else
  check "metainfo and desktop entry agree as installed" true
fi

echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
