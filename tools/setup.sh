#!/usr/bin/env bash
# Installs the Debian packages the build needs, when any is missing.
# usage: setup.sh [EXTRA_PACKAGE...]
set -euo pipefail
packages=("$@" cmake ninja-build g++ pkg-config qt6-base-dev libgtest-dev libgmock-dev libbenchmark-dev gettext nlohmann-json3-dev
          fonts-dejavu-core clang-14 libclang-rt-14-dev libstb-dev libpng-dev imagemagick
          desktop-file-utils help2man dpkg-dev file)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0
if [ "$(id -u)" -ne 0 ]; then
  echo "Missing packages. Run as root:"
  echo "  apt-get update && apt-get install -y ${missing[*]}"
  exit 1
fi
echo "Installing: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
apt-get update -qq
apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
