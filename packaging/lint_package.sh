#!/usr/bin/env bash
# usage: lint_package.sh DEB
# Debian's checker on the package: errors and warnings fail, and so does any
# hardening it finds missing, which it reports only as information.
set -uo pipefail
deb=$1
status=0
report=$(lintian --fail-on error,warning --display-info "$deb" 2> >(grep -v 'running with root privileges' >&2)) || status=$?
[ -z "$report" ] || echo "$report"
if [ $status -ne 0 ] || grep -q ' hardening-' <<<"$report"; then
  echo "lintian refuses ${deb##*/}" >&2
  exit 1
fi
echo "lintian accepts ${deb##*/}"
