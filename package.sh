#!/usr/bin/env bash
# Sets up, builds a hardened Release build, makes the Debian package
# kstred_<version>_<arch>.deb here (apt-get install ./kstred_*.deb) and has
# Debian's checker look at it.
set -euo pipefail
cd "$(dirname "$0")"
tools/setup.sh lintian
build=build/package
# The flags Debian builds its packages with: fortify, stack protector, full
# RELRO and BIND_NOW.
export DEB_BUILD_MAINT_OPTIONS=hardening=+all
# The package's times are the changelog's newest entry, so that two builds
# of one source give the same package.
SOURCE_DATE_EPOCH=$(dpkg-parsechangelog -l packaging/changelog -STimestamp)
export SOURCE_DATE_EPOCH
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DKESTREL_BENCH=OFF \
  "-DCMAKE_CXX_FLAGS=$(dpkg-buildflags --get CPPFLAGS) $(dpkg-buildflags --get CXXFLAGS)" \
  "-DCMAKE_EXE_LINKER_FLAGS=$(dpkg-buildflags --get LDFLAGS)" >/dev/null
# What the package holds, not the tests.
cmake --build "$build" --target kstred_install_files
(cd "$build" && cpack -G DEB >/dev/null)
for deb in "$build"/kstred_*.deb; do
  mv -f "$deb" .
  echo "Made ${deb##*/}"
done
packaging/lint_package.sh "${deb##*/}"
