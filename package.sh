#!/usr/bin/env bash
# Sets up, builds a Release build, makes the Debian package
# kstred_<version>_<arch>.deb here (apt-get install ./kstred_*.deb) and has
# Debian's checker look at it.
set -euo pipefail
cd "$(dirname "$0")"
tools/setup.sh lintian
build=build/package
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DKESTREL_BENCH=OFF >/dev/null
# What the package holds, not the tests.
cmake --build "$build" --target kstred_install_files
(cd "$build" && cpack -G DEB >/dev/null)
for deb in "$build"/kstred_*.deb; do
  mv -f "$deb" .
  echo "Made ${deb##*/}"
done
packaging/lint_package.sh "${deb##*/}"
