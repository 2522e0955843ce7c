#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs every Debian package the project needs to build, run, test and remake its data,
# then the few npm packages its tests use.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
packages=$(grep -v -E '^\s*(#|$)' "$here/debian-packages.txt")
missing=""
for package in $packages; do
  dpkg-query -W -f='${db:Status-Status}' "$package" 2>/dev/null | grep -q '^installed$' || missing="$missing $package"
done
if [ -n "$missing" ]; then
  sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  $sudo apt-get -o DPkg::Lock::Timeout=900 update -q
  # shellcheck disable=SC2086
  DEBIAN_FRONTEND=noninteractive $sudo apt-get -o DPkg::Lock::Timeout=900 install -y -q --no-install-recommends $missing
fi
# The browser tests' accessibility check comes from npm, which the list above installs.
"$here/install-npm-packages.sh"
