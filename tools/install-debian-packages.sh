#!/usr/bin/env bash
# Installs every Debian package the project needs to build, run, test and remake its data.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
packages=$(grep -v -E '^\s*(#|$)' "$here/debian-packages.txt")
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
# shellcheck disable=SC2086
if ! dpkg-query -W -f='${Status}\n' $packages 2>/dev/null | grep -v -q '^install ok installed$' \
   && [ "$(dpkg-query -W -f='${Status}\n' $packages 2>/dev/null | wc -l)" -eq "$(echo $packages | wc -w)" ]; then
  exit 0  # everything is there already
fi
$sudo apt-get update -q
# shellcheck disable=SC2086
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q --no-install-recommends $packages
