#!/usr/bin/env bash
# The peak memory of `kstred check` on a root of 10,000 files and on one of
# 100,000: the checker keeps the root's listing and its findings, never the
# files it has read, so ten times the files cost more for the listing alone.
# A third root of 100,000 files holds only the largest records, over four
# times the bytes of the second: its peak must be the second's.
# Usage: bench/check_memory.sh KSTRED [RUNS]
# Each root is the sample's with copies of one entry of each data set (the
# record file only) until it holds the number of files. Prints each root's
# median peak resident size over RUNS runs, and the ratios.
set -euo pipefail

kstred=${1:?usage: check_memory.sh KSTRED [RUNS]}
runs=${2:-3}

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# COUNT copies of FILE in its folder, named B000001 and on with its
# extension; tee writes a few hundred at once.
fan_out() {
  local file=$1 count=$2
  local dir=${file%/*} ext=.${file##*.}
  ((count > 0)) || return 0
  seq -f "$dir/B%06g$ext" 1 "$count" | xargs -n 400 sh -c 'tee "$@" <"$0" >/dev/null' "$file"
}

every_set=('CITY/*.CIT' 'TERRAIN/DATA/*.TER' 'TERRAIN/SUBTYPE/*.STT' 'TERRAIN/BONUS/*.BON' 'ARMY/*.ARM'
  'RUINS/*.RUI' 'SITES/*.SIT' 'HERO/*.HER' 'ITEMS/*.ITM' 'ADVISOR/*.AVR' 'SPELL/*.SPL' 'SHIELD/*.SHI' 'FLAGS/*.FLG')
largest=('HERO/*.HER' 'ADVISOR/*.AVR')

# A root of FILES files: the sample, then the first entries of the data sets
# the patterns give copied.
make_root() {
  local root=$1 files=$2
  shift 2
  "$kstred" make-sample "$root" >/dev/null
  local entries=() pattern
  for pattern in "$@"; do
    local found=("$root"/$pattern)
    [[ -f ${found[0]} ]] && entries+=("${found[0]}")
  done
  local have
  have=$(find "$root" -type f | wc -l)
  local missing=$((files - have)) i
  for ((i = 0; i < ${#entries[@]}; i++)); do
    local share=$((missing / ${#entries[@]}))
    ((i < missing % ${#entries[@]})) && share=$((share + 1))
    fan_out "${entries[i]}" "$share"
  done
  local made
  made=$(find "$root" -type f | wc -l)
  ((made == files)) || { echo "check_memory: $root holds $made files, not $files" >&2; exit 2; }
}

median() { printf '%s\n' "$@" | sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : int((v[NR / 2] + v[NR / 2 + 1]) / 2) }'; }

# The median peak resident size in KiB of checking ROOT.
peak=0
measure() {
  local root=$1 sizes=() i status
  for ((i = 0; i < runs; i++)); do
    status=0
    /usr/bin/time -f '%M' -o "$work/rss" "$kstred" --root "$root" check >"$work/out" || status=$?
    ((status <= 1)) || { echo "check_memory: kstred check failed on $root" >&2; exit 2; }
    sizes+=("$(tail -n 1 "$work/rss")")
  done
  peak=$(median "${sizes[@]}")
}

declare -A peaks
# NAME FILES PATTERN...: a root made, checked and removed.
root_peak() {
  local name=$1 files=$2
  shift 2
  make_root "$work/$name" "$files" "$@"
  local bytes
  bytes=$(du -sb "$work/$name" | cut -f1)
  measure "$work/$name"
  peaks[$name]=$peak
  echo "$name: $files files, $((bytes / 1024)) KiB: peak $peak KiB over $runs runs ($(tail -n 1 "$work/out"))"
  rm -rf "${work:?}/$name"
}
root_peak small 10000 "${every_set[@]}"
root_peak many 100000 "${every_set[@]}"
root_peak large 100000 "${largest[@]}"
ratio() { awk -v a="${peaks[$1]}" -v b="${peaks[$2]}" 'BEGIN { printf "%.2f", a / b }'; }
echo "peak many / small (ten times the files) = $(ratio many small)"
echo "peak large / many (the same files, larger) = $(ratio large many)"
