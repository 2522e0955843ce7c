#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the npm packages the tests use (tools/npm-packages.txt), globally.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
command -v npm >/dev/null || { echo "npm is missing: apt-get install npm" >&2; exit 1; }
packages=$(grep -v -E '^\s*(#|$)' "$here/npm-packages.txt")
root=$(npm root -g)
missing=""
for package in $packages; do
  [ -d "$root/$package" ] || missing="$missing $package"
done
[ -n "$missing" ] || exit 0
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
# shellcheck disable=SC2086
$sudo npm install -g $missing
