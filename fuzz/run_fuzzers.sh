#!/usr/bin/env bash
# Builds the fuzz targets with clang into build/fuzz, writes the seeds,
# replays fuzz/regressions/TARGET/* (inputs that once crashed) and runs each
# target for SECONDS (default 20), with fuzz/TARGET.dict when there is one.
# Fails when any target crashes; the crashing input is left in
# build/fuzz/artifacts.
#   fuzz/run_fuzzers.sh [SECONDS] [TARGET...]
#   targets: pcx bmp gif icon open (pictures), cityset item records (record codecs),
#            script, textin (translations), import (the import's apply step)
# Without named targets the city set and item targets run at most 5 s: they
# reach their whole coverage within a few seconds. The records target, with a
# kind for every codec, takes the time given like the others.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-20}
shift || true
targets=("$@")
named=${#targets[@]}
[ "$named" -eq 0 ] && targets=(pcx bmp gif icon open cityset item records script textin import)

cxx=${FUZZ_CXX:-$(command -v clang++-14 || command -v clang++ || true)}
if [ -z "$cxx" ]; then
  echo "run_fuzzers: clang++ not found (Debian: clang-14 libclang-rt-14-dev)" >&2
  exit 1
fi
build=build/fuzz
cmake -S fuzz -B "$build" -G Ninja -DCMAKE_CXX_COMPILER="$cxx" >/dev/null
cmake --build "$build"
rm -rf "$build/seeds"
"$build/make_seeds" "$build/seeds"
mkdir -p "$build/artifacts"

export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}
failed=()
for t in "${targets[@]}"; do
  exe="$build/fuzz_$t"
  log="$build/fuzz_$t.log"
  # Inputs that once crashed must now run clean.
  shopt -s nullglob
  regressions=(fuzz/regressions/"$t"/*)
  shopt -u nullglob
  if [ ${#regressions[@]} -gt 0 ] && ! "$exe" "${regressions[@]}" >"$build/regressions_$t.log" 2>&1; then
    echo "fuzz_$t: a regression input crashes again, see $build/regressions_$t.log"
    grep -E '^Running: |^(==[0-9]+==ERROR|SUMMARY|invariant broken)|runtime error' "$build/regressions_$t.log" | tail -4
    failed+=("$t")
    continue
  fi
  corpus="$build/corpus/$t"
  mkdir -p "$corpus"
  dict=()
  [ -f "fuzz/$t.dict" ] && dict=(-dict="fuzz/$t.dict")
  run_for=$seconds
  if [ "$named" -eq 0 ] && { [ "$t" = cityset ] || [ "$t" = item ]; } && [ "$run_for" -gt 5 ]; then run_for=5; fi
  if "$exe" -max_total_time="$run_for" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 "${dict[@]}" \
       -artifact_prefix="$build/artifacts/$t-" "$corpus" "$build/seeds/$t" >"$log" 2>&1; then
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
    cov=$(grep -o 'cov: [0-9]* ft: [0-9]*' "$log" | tail -1)
    echo "fuzz_$t: ${run_for} s, ${runs:-?} runs, ${cov:-no coverage line}, corpus $(ls "$corpus" | wc -l) files"
  else
    echo "fuzz_$t: CRASH (log: $log)"
    grep -E '^(==[0-9]+==ERROR|SUMMARY|invariant broken)|runtime error|^ *#[0-9]+ ' "$log" | head -30
    failed+=("$t")
  fi
done
if [ ${#failed[@]} -gt 0 ]; then
  echo "fuzzing failed: ${failed[*]}"
  exit 1
fi
echo "fuzzing: ${#targets[@]} targets clean"
