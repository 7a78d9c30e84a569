#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs a command (make test) on a machine set up as a user's: a Kelvara of
# their own installed, and a desktop whose root window holds the address of
# their accessibility bus; afterwards both must be as they were.
#   untouched.sh COMMAND...
# It installs a package, so it runs only in a throw-away chroot of
# scripts/in-release.sh, which says so in KELVARA_CHROOT.
set -euo pipefail
[ -n "${KELVARA_CHROOT:-}" ] || { echo "untouched.sh installs a package: run it in scripts/in-release.sh" >&2; exit 2; }
fail() { echo "FAIL: $*" >&2; exit 1; }
own=$(mktemp -d)

mkdir -p "$own/pkg/DEBIAN" "$own/pkg/usr/bin"
printf 'Package: kelvara\nVersion: 0.9-user\nArchitecture: all\nMaintainer: A user <user@example.org>\nDescription: the user'"'"'s own Kelvara\n' \
    >"$own/pkg/DEBIAN/control"
printf '#!/bin/sh\necho the user'"'"'s own\n' >"$own/pkg/usr/bin/kelvara"
chmod 755 "$own/pkg/usr/bin/kelvara"
dpkg-deb -b "$own/pkg" "$own/kelvara.deb" >/dev/null
dpkg -i "$own/kelvara.deb" >/dev/null

exec 5<> <(:)
Xvfb -displayfd 5 -screen 0 640x480x24 -nolisten tcp >/dev/null 2>&1 &
desktop=$!
trap 'kill $desktop' EXIT
read -r -t 120 n <&5 || fail "no X server for the user's desktop"
export DISPLAY=:$n
bus='unix:path=/run/user/1000/at-spi/bus_0,guid=0123456789abcdef'
xprop -root -f AT_SPI_BUS 8s -set AT_SPI_BUS "$bus"

"$@"

[ "$(dpkg-query -W -f='${Version} ${Status}' kelvara)" = "0.9-user install ok installed" ] ||
    fail "the user's Kelvara is now: $(dpkg-query -W -f='${Version} ${Status}' kelvara 2>&1)"
[ "$(/usr/bin/kelvara)" = "the user's own" ] || fail "/usr/bin/kelvara is no longer the user's"
[ "$(xprop -root AT_SPI_BUS)" = "AT_SPI_BUS(STRING) = \"$bus\"" ] ||
    fail "the desktop's accessibility bus is now: $(xprop -root AT_SPI_BUS)"
echo "untouched: the user's Kelvara and the desktop's AT_SPI_BUS kept"
