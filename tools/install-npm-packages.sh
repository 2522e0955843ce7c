#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the npm packages the tests use (tools/npm-packages.txt), globally.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
# Debian's nodejs comes without npm, which is a package of its own; other builds of
# nodejs carry npm and refuse Debian's.
if ! command -v npm >/dev/null; then
  DEBIAN_FRONTEND=noninteractive $sudo apt-get -o DPkg::Lock::Timeout=900 install -y -q --no-install-recommends npm
fi
packages=$(grep -v -E '^\s*(#|$)' "$here/npm-packages.txt")
root=$(npm root -g)
missing=""
for package in $packages; do
  [ -d "$root/$package" ] || missing="$missing $package"
done
[ -n "$missing" ] || exit 0
# shellcheck disable=SC2086
$sudo npm install -g $missing
