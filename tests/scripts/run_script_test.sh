#!/usr/bin/env bash
# usage: run_script_test.sh KSTRED SCRIPT.kst HOST
# Plays the script on a fresh sample data root and compares the transcript
# with SCRIPT.out; an optional SCRIPT.files lists files that must exist after,
# each with its size and the first 16 hex digits of its SHA-256.
set -u
kstred=$1 script=$2 host=$3
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
"$kstred" make-sample "$work/root" >/dev/null || { echo "make-sample failed"; exit 1; }
expected=${script%.kst}.out
(cd "$work" && "$kstred" --root "$work/root" --script "$script" --host "$host") >"$work/transcript" 2>"$work/stderr"
status=$?
if ! diff -u "$expected" "$work/transcript"; then
  echo "transcript differs (exit status $status)"; cat "$work/stderr"; exit 1
fi
want_status=0
[ -f "${script%.kst}.status" ] && want_status=$(cat "${script%.kst}.status")
[ "$status" = "$want_status" ] || { echo "exit status $status, expected $want_status"; cat "$work/stderr"; exit 1; }
if [ -f "${script%.kst}.files" ]; then
  while read -r path size sum; do
    [ -z "$path" ] && continue
    actual=$(stat -c %s "$work/root/$path" 2>/dev/null || echo missing)
    [ "$actual" = "$size" ] || { echo "$path: size $actual, expected $size"; exit 1; }
    [ -z "$sum" ] && continue
    actual=$(sha256sum "$work/root/$path" | cut -c1-16)
    [ "$actual" = "$sum" ] || { echo "$path: SHA-256 $actual..., expected $sum..."; exit 1; }
  done <"${script%.kst}.files"
fi
exit 0
