#!/usr/bin/env bash
# usage: git_diff.sh KSTRED README
# A data root in git with the README's attributes and `kstred show` as the
# diff driver: one field changed by the editor is one line of `git diff`.
set -eu
kstred=$(realpath "$1")
readme=$(realpath "$2")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
"$kstred" make-sample "$work/root" >/dev/null
cd "$work/root"
git init -q
git config user.email kestrel@example.org
git config user.name kestrel
sed -n '/^```gitattributes$/,/^```$/p' "$readme" | grep ' diff=kestrel$' >.gitattributes
git config diff.kestrel.textconv "$kstred show"
git add -A
git commit -qm "the sample"

cat >"$work/change.kst" <<'SCRIPT'
click 1006
dblclick 1008 "COAST"
type 1012 "Fisheries"
click 1
click 1
SCRIPT
"$kstred" --root . --script "$work/change.kst" >/dev/null

git diff --no-color -U0 | grep -v '^\(---\|+++\) ' | grep '^[-+]' >"$work/lines" || true
printf '%s\n' '-level[1] = "Fishery"' '+level[1] = "Fisheries"' >"$work/expected"
if ! diff -u "$work/expected" "$work/lines"; then
  echo "git diff does not show exactly the changed field"
  git diff --no-color --stat
  exit 1
fi
