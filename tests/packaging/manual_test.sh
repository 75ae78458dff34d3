#!/usr/bin/env bash
# usage: manual_test.sh KSTRED SOURCE_DIR BUILT_PAGE
# Writes the manual page twice as the build does, under clocks, time zones
# and locales far apart, and expects the same bytes both times and as the
# build's page, dated by the changelog's newest entry.
set -u
kstred=$1 source=$2 built=$3
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failed=0
fail() { echo "$*"; failed=1; }
export ASAN_OPTIONS=detect_leaks=0
write=$source/packaging/write_manual.sh
changelog=$source/packaging/changelog

SOURCE_DATE_EPOCH=0 TZ=Pacific/Kiritimati LC_ALL=C.UTF-8 LANG=de_DE.UTF-8 \
  "$write" "$kstred" "$changelog" "$work/a.1.gz" || fail "write_manual.sh failed"
SOURCE_DATE_EPOCH=2000000000 TZ=America/Adak LANG=fr_FR.UTF-8 \
  "$write" "$kstred" "$changelog" "$work/b.1.gz" || fail "write_manual.sh failed"
unset SOURCE_DATE_EPOCH
"$write" "$kstred" "$changelog" "$work/c.1.gz" || fail "write_manual.sh failed"

for page in b c; do
  cmp -s "$work/a.1.gz" "$work/$page.1.gz" ||
    fail "two writes differ: $(diff <(gzip -dc "$work/a.1.gz") <(gzip -dc "$work/$page.1.gz") | head -n 4)"
done
cmp -s "$work/a.1.gz" "$built" || fail "the build's page $built differs from a fresh write"

stamp=$(dpkg-parsechangelog -l "$changelog" -STimestamp)
month=$(LC_ALL=C date -u -d "@$stamp" '+%B %Y')
title=$(gzip -dc "$work/a.1.gz" | grep '^\.TH ')
[[ "$title" == ".TH KSTRED \"1\" \"$month\" "* ]] || fail "the page's title '$title' is not dated $month"
exit $failed
