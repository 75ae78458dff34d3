#!/usr/bin/env bash
# usage: no_display.sh KSTRED VERSION
# Without a display the window refuses in one line with exit status 1 instead
# of Qt's abort, and everything that opens no window runs as usual. Also holds
# kstred to KESTREL_ROOT.
set -u
kstred=$1 version=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir "$work/home"
failed=0
fail() { echo "$*"; failed=1; }

# run ARGS...: from a home folder without WSDATA and without any display.
run() {
  (cd "$work/home" && env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM -u KESTREL_ROOT HOME="$work/home" \
     timeout 30 "$kstred" "$@") >"$work/out" 2>"$work/err"
  status=$?
}

run make-sample "$work/root"
[ "$status" = 0 ] || fail "make-sample: exit $status: $(cat "$work/err")"
printf 'expect open 102\nexpect caption "Kestrel 3 Editor"\nclick 1\n' >"$work/quit.kst"

# The window, however it is asked for.
for args in "" "--root $work/root" "--shots $work/shots" "--root $work/root --script $work/quit.kst --host qt" \
            "env KESTREL_ROOT=$work/root"; do
  if [[ $args == env* ]]; then
    # KESTREL_ROOT set, nothing on the command line.
    (cd "$work/home" && env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM KESTREL_ROOT="$work/root" \
       timeout 30 "$kstred") >"$work/out" 2>"$work/err"
    status=$?
  else
    # shellcheck disable=SC2086
    run $args
  fi
  what="kstred $args"
  [ "$status" = 1 ] || fail "$what: exit $status, expected 1"
  [ "$(wc -l <"$work/err")" = 1 ] || fail "$what: stderr is not one line: $(cat "$work/err")"
  grep -q 'no display' "$work/err" && grep -q 'xvfb-run' "$work/err" || fail "$what: stderr '$(cat "$work/err")'"
  [ -s "$work/out" ] && fail "$what: printed '$(cat "$work/out")'"
done
[ -e "$work/shots" ] && fail "the window saved shots without a display"

# What opens no window.
run --version
[ "$status" = 0 ] && [ "$(cat "$work/out")" = "kstred $version" ] || fail "--version: exit $status, '$(cat "$work/out")'"
run --help
[ "$status" = 0 ] && grep -q -- '--version' "$work/out" || fail "--help: exit $status"
run picture "$work/root/WSDATA/CITY.PCX" --to "$work/city.bmp"
[ "$status" = 0 ] && [ -s "$work/city.bmp" ] || fail "picture: exit $status: $(cat "$work/err")"
run --root "$work/root" --script "$work/quit.kst"
[ "$status" = 0 ] && grep -q '^open 102' "$work/out" || fail "headless script: exit $status: $(cat "$work/out" "$work/err")"

# A script plays on KESTREL_ROOT unless --root names another root.
(cd "$work/home" && env -u DISPLAY KESTREL_ROOT="$work/missing" \
   timeout 30 "$kstred" --script "$work/quit.kst") >"$work/out" 2>"$work/err"
status=$?
[ "$status" = 2 ] && [ "$(cat "$work/err")" = "kstred: the data root $work/missing is not a folder" ] ||
  fail "KESTREL_ROOT was not the root: exit $status, '$(cat "$work/err")'"
(cd "$work/home" && env -u DISPLAY KESTREL_ROOT="$work/missing" \
   timeout 30 "$kstred" --root "$work/root" --script "$work/quit.kst") >"$work/out" 2>"$work/err"
status=$?
[ "$status" = 0 ] || fail "--root did not win over KESTREL_ROOT: exit $status, '$(cat "$work/err")'"
exit $failed
