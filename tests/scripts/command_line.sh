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

# Scenarios and worlds from the command line: the dialogs' checks and messages.
check 0 "" "" --root "$work/root" list-scenarios
check 0 "The world has been created!" "" --root "$work/root" new-world MIDLANDS
check 1 "" "This world already exists!" --root "$work/root" new-world midlands
check 0 "The scenario has been created!" "" --root "$work/root" new-scenario ISLANDS
check 1 "" "This scenario already exists!" --root "$work/root" new-scenario ISLANDS
check 1 "" "Please enter no more than 8 characters." --root "$work/root" new-scenario NINECHARS
for name in .. ../OUT 'A\B' CON 'A*'; do
  check 1 "" "Error writing new scenario file!" --root "$work/root" new-scenario "$name"
  check 1 "" "Error writing new world file!" --root "$work/root" new-world "$name"
done
check 2 "" "kstred: new-scenario needs a name" --root "$work/root" new-scenario ""
check 2 "" "kstred: the data root $work/none is not a folder" --root "$work/none" new-world X
check 0 "ISLANDS	ISLANDS" "" --root "$work/root" list-scenarios
(cd "$work/root" && KESTREL_ROOT= "$kstred" new-scenario COAST >/dev/null) || { echo "no working-directory root"; failed=1; }
[ "$(KESTREL_ROOT="$work/root" "$kstred" list-scenarios | tr '\t' ' ')" = "$(printf 'COAST COAST\nISLANDS ISLANDS')" ] ||
  { echo "list-scenarios does not list every scenario from KESTREL_ROOT"; failed=1; }
[ "$(ls "$work" | tr '\n' ' ')" = "err fifo folder out root " ] ||
  { echo "a refused name made something outside the data root"; failed=1; }
[ "$(cd "$work/root" && find . | sort | tr '\n' ' ')" = ". ./SCENARIO ./SCENARIO/COAST ./SCENARIO/COAST/SCENARIO.DAT ./SCENARIO/ISLANDS ./SCENARIO/ISLANDS/SCENARIO.DAT ./WORLD ./WORLD/MIDLANDS ./WORLD/MIDLANDS/WORLD.DAT " ] ||
  { echo "the data root holds other files than the two scenarios and the world"; failed=1; }
[ "$(stat -c %s "$work/root/SCENARIO/ISLANDS/SCENARIO.DAT" "$work/root/WORLD/MIDLANDS/WORLD.DAT" | tr '\n' ' ')" = "375 44 " ] ||
  { echo "headers of the wrong size"; failed=1; }

# Record files as text and JSON: what is refused, and how.
mkdir "$work/json"
printf 'abc' >"$work/json/NOTES.TXT"
printf 'Ruin' >"$work/json/Xy12Ab_COAST.CIT"
check 2 "" "kstred: $work/json/NOTES.TXT is no record file the editor knows; name its kind with --kind (kstred --help lists them)" \
  show "$work/json/NOTES.TXT"
check 2 "" "kstred: no kind bogus (kstred --help lists them)" show --kind bogus "$work/json/NOTES.TXT"
check 2 "" "kstred: cannot read $work/fifo: not a regular file" show --kind cities "$work/fifo"
check 0 'format = "city set"' "" show "$work/json/Xy12Ab_COAST.CIT"
check 0 'format = "city set"' "" show --kind city-set "$work/json/NOTES.TXT"
check 0 "" "" to-json "$work/json/Xy12Ab_COAST.CIT" "$work/json/COAST.CIT.json"
check 0 "" "" from-json "$work/json/COAST.CIT.json" "$work/json/BACK.CIT"
cmp -s "$work/json/Xy12Ab_COAST.CIT" "$work/json/BACK.CIT" || { echo "one file through JSON came back otherwise"; failed=1; }
printf '{\n  "level[9]": "X"\n}\n' >"$work/json/BAD.CIT.json"
check 1 "" "kstred: $work/json/BAD.CIT.json: line 2: field level[9]: no such field in a city set record" \
  from-json "$work/json/BAD.CIT.json" "$work/json/BAD.CIT"
[ -e "$work/json/BAD.CIT" ] && { echo "a refused JSON file was written"; failed=1; }
check 2 "" "kstred: to-json of a data root needs the folder to write the tree in" to-json "$work/root"
check 2 "" "kstred: the data root $work/fifo is not a folder" from-json "$work/json" "$work/fifo"
rm "$work/json/BAD.CIT.json"
check 0 "1 record file written, 3 other files copied" "" from-json "$work/json" "$work/json-root"
rm -rf "$work/json-root"
rm -rf "$work/json"

# check: a clean root, a planted error in both forms, what cannot be checked.
"$kstred" make-sample "$work/chk" >/dev/null
check 0 "0 errors, 0 warnings in 0 files" "" --root "$work/chk" check
check 0 "0 errors, 0 warnings in 0 files" "" --root "$work/chk" check ISLANDS ISLES
printf 'x' >"$work/chk/SPELL/HEAL.SPL"
check 1 "SPELL/HEAL.SPL: error: the file is 1 byte long; a spell file is 210 bytes" "" --root "$work/chk" check
check 1 '{"path":"SPELL/HEAL.SPL","record":"","field":"","severity":"error","message":"the file is 1 byte long; a spell file is 210 bytes"}' \
  "1 error, 0 warnings in 1 file" --root "$work/chk" check --json
check 2 "" "kstred: no scenario or campaign named NOPE" --root "$work/chk" check NOPE
check 2 "" "kstred: the data root $work/fifo is not a folder" --root "$work/fifo" check
check 2 "" "kstred: check does not take --kind" --root "$work/chk" check --kind city-set
rm -rf "$work/chk"
exit $failed
