#!/usr/bin/env bash
# What `kstred show FILE` costs over the bare start of the program, both run
# as whole processes: git runs `show` once per changed file when it diffs, so
# it must cost little more than starting. The two commands run in turn after a
# warm-up; the medians and the median of the pairwise differences are printed.
# Usage: bench/show_startup.sh KSTRED [RUNS] [FILE]
# Without FILE it shows the sample scenario's CITY.DAT. Exits 1 when the
# difference is over the limit.
set -euo pipefail

kstred=${1:?usage: show_startup.sh KSTRED [RUNS] [FILE]}
runs=${2:-40}
file=${3:-}
limit_us=2000

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
if [[ -z $file ]]; then
  "$kstred" make-sample "$work/root" >/dev/null
  file=$(find "$work/root" -iname CITY.DAT -print -quit)
  [[ -n $file ]] || { echo "show_startup: the sample has no CITY.DAT" >&2; exit 2; }
fi
"$kstred" show "$file" >/dev/null || { echo "show_startup: kstred show $file failed" >&2; exit 2; }

# Microseconds of one run, the output thrown away; no subshell around the clock.
elapsed=0
timed() {
  local start=${EPOCHREALTIME//[.,]/}
  "$@" >/dev/null
  elapsed=$((${EPOCHREALTIME//[.,]/} - start))
}

median() { printf '%s\n' "$@" | sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : int((v[NR / 2] + v[NR / 2 + 1]) / 2) }'; }
ms() { awk -v us="$1" 'BEGIN { printf "%.2f", us / 1000 }'; }

for _ in 1 2 3; do timed "$kstred" --version; timed "$kstred" show "$file"; done
bare=() shown=() differences=()
for ((i = 0; i < runs; i++)); do
  timed "$kstred" --version; bare+=("$elapsed")
  timed "$kstred" show "$file"; shown+=("$elapsed")
  differences+=($((shown[i] - bare[i])))
done

bare_median=$(median "${bare[@]}")
shown_median=$(median "${shown[@]}")
difference=$(median "${differences[@]}")
echo "kstred --version: median $(ms "$bare_median") ms over $runs runs"
echo "kstred show $(basename "$file") ($(wc -c <"$file") bytes): median $(ms "$shown_median") ms"
verdict=ok
((difference <= limit_us)) || verdict=OVER
echo "difference show - version: median $(ms "$difference") ms (limit $(ms "$limit_us") ms) $verdict"
[[ $verdict == ok ]]
