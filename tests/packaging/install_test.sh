#!/usr/bin/env bash
# usage: install_test.sh BUILD_DIR VERSION
# Installs the build into a staging folder as the package does and checks
# what lands there: the exact file list, the desktop entry, the icons, the
# manual page, the documents and the staged program itself.
set -u
build=$1 version=$2
stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
failed=0
fail() { echo "$*"; failed=1; }

DESTDIR=$stage cmake --install "$build" --prefix /usr >"$stage.log" 2>&1 || { cat "$stage.log"; rm -f "$stage.log"; exit 1; }
rm -f "$stage.log"

sizes="16 32 48 64 128 256"
expected=$( {
  echo usr/bin/kstred
  echo usr/share/applications/kstred.desktop
  for s in $sizes; do echo "usr/share/icons/hicolor/${s}x${s}/apps/kstred.png"; done
  echo usr/share/man/man1/kstred.1.gz
  echo usr/share/doc/kstred/copyright
  echo usr/share/doc/kstred/changelog.gz
  echo usr/share/doc/kstred/NEWS.md
} | sort)
actual=$(cd "$stage" && find . -type f -o -type l | sed 's|^\./||' | sort)
[ "$actual" = "$expected" ] || fail "installed files differ:
$(diff <(echo "$expected") <(echo "$actual"))"

bin=$stage/usr/bin/kstred
[ -x "$bin" ] || fail "kstred is not executable"
entry=$stage/usr/share/applications/kstred.desktop
if [ -f "$entry" ]; then
  out=$(desktop-file-validate "$entry" 2>&1) || fail "desktop-file-validate: $out"
  [ "$(sed -n 's/^Name=//p' "$entry")" = "Kestrel 3 Editor" ] || fail "the entry's Name is not Kestrel 3 Editor"
  exec_word=$(sed -n 's/^Exec=\([^ ]*\).*/\1/p' "$entry")
  [ -x "$stage/usr/bin/$exec_word" ] || fail "Exec=$exec_word is not the installed program"
  icon=$(sed -n 's/^Icon=//p' "$entry")
  [ -f "$stage/usr/share/icons/hicolor/48x48/apps/$icon.png" ] || fail "Icon=$icon is not an installed icon"
fi

# Each icon a PNG of its size that shows something.
for s in $sizes; do
  png=$stage/usr/share/icons/hicolor/${s}x${s}/apps/kstred.png
  [ -f "$png" ] || continue
  [ "$(head -c 8 "$png" | od -An -tx1 | tr -d ' \n')" = 89504e470d0a1a0a ] || fail "$png is not a PNG"
  size=$(od -An -tu1 -j16 -N8 "$png" | awk '{print $1*16777216+$2*65536+$3*256+$4, $5*16777216+$6*65536+$7*256+$8}')
  [ "$size" = "$s $s" ] || fail "$png is $size, not ${s}x${s}"
  if command -v convert >/dev/null; then
    covered=$(convert "$png" -alpha extract -format '%[fx:mean>0.25 && mean<0.9]' info:)
    [ "$covered" = 1 ] || fail "$png: the drawing covers too little or all of it"
  fi
done

man=$stage/usr/share/man/man1/kstred.1.gz
if [ -f "$man" ]; then
  page=$(gzip -dc "$man") || fail "the manual page is no gzip file"
  grep -q '^\.TH KSTRED "1" .*"kstred '"$version"'"' <<<"$page" || fail "the manual page has no title for kstred $version"
  grep -q '^\.SH SYNOPSIS' <<<"$page" || fail "the manual page has no synopsis"
  for option in root shots script host to help version; do
    grep -q -- "\\\\-\\\\-$option" <<<"$page" || fail "the manual page does not mention --$option"
  done
fi

# Debian reads the copyright file by its fields; the changelog's newest entry
# is the version built, compressed without a name or time in its header.
doc=$stage/usr/share/doc/kstred
if [ -f "$doc/copyright" ]; then
  head -n1 "$doc/copyright" | grep -qx 'Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/' ||
    fail "the copyright file is not in the machine-readable format"
  for field in 'Files: \*' 'Copyright: .*The Kestrel 3 Editor developers' 'License: .*'; do
    grep -qx "$field" "$doc/copyright" || fail "the copyright file has no line '$field'"
  done
fi
if [ -f "$doc/changelog.gz" ]; then
  header=$(od -An -tx1 -N10 "$doc/changelog.gz" | tr -d ' \n')
  [ "$header" = 1f8b0800000000000203 ] || fail "changelog.gz header $header: not gzip -9n"
  top=$(gzip -dc "$doc/changelog.gz" | head -n1)
  [ "$top" = "kstred ($version) unstable; urgency=medium" ] || fail "the changelog's newest entry is '$top', not $version"
fi

# NEWS.md starts with the release built, by its major and minor number.
if [ -f "$doc/NEWS.md" ]; then
  release=$(grep -m1 '^## ' "$doc/NEWS.md")
  [ "$release" = "## ${version%.*}" ] || fail "NEWS.md's newest release is '$release', not ${version%.*}"
fi

out=$("$bin" --version 2>&1)
[ "$out" = "kstred $version" ] || fail "staged kstred --version: '$out'"
out=$("$bin" --help 2>&1) && grep -q '^usage: kstred' <<<"$out" || fail "staged kstred --help: '$out'"
exit $failed
