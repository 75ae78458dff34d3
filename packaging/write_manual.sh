#!/bin/sh
# usage: write_manual.sh KSTRED CHANGELOG OUT.1.gz
# The manual is the program's own --help and --version, so it cannot drift.
# Its date is the changelog's newest entry, not the build's clock, and it is
# written in the C locale, so that one source gives one page.
set -eu
kstred=$1 changelog=$2 out=$3
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
# help2man takes its synopsis from "Usage:" and "or:" lines.
cat >"$dir/kstred" <<WRAPPER
#!/bin/sh
"$kstred" "\$@" | sed -e 's/^usage: /Usage: /' -e 's/^       kstred /  or:  kstred /'
WRAPPER
chmod +x "$dir/kstred"
SOURCE_DATE_EPOCH=$(dpkg-parsechangelog -l "$changelog" -STimestamp)
export SOURCE_DATE_EPOCH
LC_ALL=C help2man --no-info --section=1 \
  "--name=editor for the data of a turn-based fantasy strategy game" \
  --output="$dir/kstred.1" "$dir/kstred"
gzip -9nc "$dir/kstred.1" >"$out"
