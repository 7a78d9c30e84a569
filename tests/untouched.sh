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
source "$(dirname "$0")/e2e/wait.sh"
own=$(mktemp -d)
mkdir -p "$own/DEBIAN" "$own/usr/bin"
printf 'Package: kelvara\nVersion: 0.9-user\nArchitecture: all\nMaintainer: A user <user@example.org>\nDescription: their own\n' >"$own/DEBIAN/control"
printf '#!/bin/sh\necho their own\n' >"$own/usr/bin/kelvara" && chmod 755 "$own/usr/bin/kelvara"
dpkg-deb -b "$own" "$own.deb" >/dev/null && dpkg -i "$own.deb" >/dev/null
x_server 640x480x24 || fail "no X server for the user's desktop"
trap 'kill $server' EXIT
export DISPLAY=$display
xprop -root -f AT_SPI_BUS 8s -set AT_SPI_BUS unix:path=/run/user/1000/at-spi/bus_0

"$@"

kept="$(dpkg-query -W -f='${Version} ${Status}' kelvara), $(/usr/bin/kelvara), $(xprop -root AT_SPI_BUS)"
[ "$kept" = '0.9-user install ok installed, their own, AT_SPI_BUS(STRING) = "unix:path=/run/user/1000/at-spi/bus_0"' ] ||
    fail "the user's machine is now: $kept"
echo "untouched: the user's Kelvara and the desktop's AT_SPI_BUS kept"
