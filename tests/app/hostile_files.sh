#!/usr/bin/env bash
# usage: hostile_files.sh KSTRED HOST
# The editor meets a FIFO as the icon sheet, a 2 GB sparse picture to
# import and an icon index far out of range, and must answer each at once.
set -u
kstred=$1 host=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
"$kstred" make-sample "$work/root" >/dev/null || { echo "make-sample failed"; exit 1; }
sheet=$(find "$work/root" -ipath '*/SETS/Fantasy/ITEMS.PCX')
rm "$sheet" && mkfifo "$sheet"
truncate -s 2G "$work/huge.pcx"
cat >"$work/script.kst" <<SCRIPT
click 1016
dblclick 1008 "DAWNRING"
expect open 156
snapshot "$work/fifo.bmp"
type 1209 "536870912"
snapshot "$work/overflow.bmp"
key escape
click 1
click 1006
dblclick 1008 "TOWNS"
file "$work/huge.pcx"
click 1015
expect message "Error" "Error reading $work/huge.pcx (too large)"
expect no-message
key escape
SCRIPT
start=$(date +%s)
timeout 60 "$kstred" --root "$work/root" --script "$work/script.kst" --host "$host" >"$work/out" 2>&1
status=$?
cat "$work/out"
[ "$status" = 0 ] || { echo "exit status $status"; exit 1; }
[ $(( $(date +%s) - start )) -lt 30 ] || { echo "took too long"; exit 1; }
[ -p "$sheet" ] || { echo "the FIFO was replaced"; exit 1; }
if find "$work/root" -type f -newer "$work/script.kst" | grep .; then
  echo "a file was written"; exit 1
fi
# Scripts that are not regular files are refused, never played or read forever.
for bad in "$work" /dev/zero; do
  timeout 20 "$kstred" --root "$work/root" --script "$bad" >"$work/out" 2>&1
  status=$?
  [ "$status" = 2 ] || { echo "--script $bad: exit status $status"; cat "$work/out"; exit 1; }
done
exit 0
