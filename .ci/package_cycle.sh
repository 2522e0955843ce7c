#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# .ci/package_cycle.sh GAME_DEB SITE_DEB
# Installs both packages as an administrator does (apt-get install ./...deb), checks
# that the site's program runs as its system user, then removes and purges them and
# checks that nothing of theirs is left under /etc, /usr and /var/lib: no file, no
# link (the service's, which the maintainer scripts make), no data folder, no user.
# Needs root (or sudo) and a machine where neither package is installed.
set -euo pipefail

game_deb=$(realpath "$1")
site_deb=$(realpath "$2")
as_root=""
[ "$(id -u)" -eq 0 ] || as_root="sudo"
fail() { echo "package_cycle: $*" >&2; exit 1; }

for package in letterama letterama-site; do
  if dpkg-query -W -f '${Status}' "$package" 2>/dev/null | grep -q 'installed'; then
    fail "$package is already installed here: purge it first"
  fi
done
# Left over from an earlier run of theirs: what this check must not find afterwards.
leftovers() {
  find /etc /usr /var/lib -name '*letterama*' 2>/dev/null || true
  find /etc /usr /var/lib -xtype l -lname '*letterama*' 2>/dev/null || true
}
[ -z "$(leftovers)" ] || fail "files of Letterama are here before the install: $(leftovers)"

$as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends "$game_deb" "$site_deb"
owned=$(mktemp)
trap 'rm -f "$owned"' EXIT
dpkg-query -L letterama letterama-site > "$owned"

getent passwd letterama-site > /dev/null || fail "no system user letterama-site after the install"
[ "$(stat -c %U /var/lib/letterama-site)" = letterama-site ] || fail "/var/lib/letterama-site is not the site user's"
[ -L /etc/systemd/system/multi-user.target.wants/letterama-site.service ] || fail "the service was not enabled"
version=$($as_root runuser -u letterama-site -- letterama-site --version)
echo "as letterama-site: $version"
[[ "$version" == "letterama-site "* ]] || fail "letterama-site --version said: $version"
/usr/games/letterama-dict info /usr/share/games/letterama/SLESSICO.1 > /dev/null

$as_root env DEBIAN_FRONTEND=noninteractive apt-get remove -y letterama letterama-site
getent passwd letterama-site > /dev/null || fail "remove took the system user: only purge may"
$as_root env DEBIAN_FRONTEND=noninteractive apt-get purge -y letterama letterama-site

left=""
while IFS= read -r path; do
  if [ -e "$path" ] || [ -L "$path" ]; then
    [ -d "$path" ] && [ ! -L "$path" ] || left+="$path "
  fi
done < "$owned"
[ -z "$left" ] || fail "files of the packages left after the purge: $left"
[ -z "$(leftovers)" ] || fail "left after the purge: $(leftovers)"
! getent passwd letterama-site > /dev/null || fail "the system user letterama-site is left after the purge"
! getent group letterama-site > /dev/null || fail "the group letterama-site is left after the purge"
echo "package_cycle: installed, ran, removed and purged both packages; nothing of theirs is left"
