#!/usr/bin/env bash
# usage: command_line.sh KSTRED
# What the program itself prints and returns for refused command lines and
# scripts that cannot be read.
set -u
kstred=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir "$work/root" "$work/folder"
mkfifo "$work/fifo"
failed=0

# check STATUS STDOUT-FIRST-LINE STDERR-FIRST-LINE ARGS...
check() {
  local want_status=$1 want_out=$2 want_err=$3
  shift 3
  timeout 20 "$kstred" "$@" >"$work/out" 2>"$work/err"
  local status=$?
  local out err
  out=$(head -n 1 "$work/out") err=$(head -n 1 "$work/err")
  if [ "$status" != "$want_status" ] || [ "$out" != "$want_out" ] || [ "$err" != "$want_err" ]; then
    echo "kstred $*: exit $status, stdout '$out', stderr '$err'"
    echo "  expected exit $want_status, stdout '$want_out', stderr '$want_err'"
    failed=1
  fi
}

usage="usage: kstred [--root DIR] [--shots DIR] [--script FILE [--host headless|qt]]"
check 0 "$usage" "" --help
check 2 "" "kstred: make-sample does not take --root" --root "$work/root" make-sample "$work/sample"
[ "$(sed -n 2p "$work/err")" = "$usage" ] || { echo "a refused command line does not print the usage"; failed=1; }
check 2 "" "kstred: unexpected argument: frobnicate" frobnicate
check 2 "" "kstred: --script needs a file" --root "$work/root" --script
for script in "$work/folder" /dev/zero "$work/fifo"; do
  check 2 "" "kstred: cannot read the script $script: not a regular file" --root "$work/root" --script "$script"
  [ "$(wc -l <"$work/err")" = 1 ] || { echo "more than one line for $script"; failed=1; }
done
[ -e "$work/sample" ] && { echo "make-sample ran despite the refusal"; failed=1; }
exit $failed
