#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs a command of this project in a clean chroot of a Debian release, on a
# clone of this checkout's HEAD, as a user of that release would run it:
#   in-release.sh RELEASE COMMAND...      e.g.  in-release.sh trixie make test
# The chroot is made by mmdebstrap from this machine's mirror, with every
# package `scripts/install-deps.sh test` names, and kept as a tarball in
# $KELVARA_CHROOT_CACHE (/var/cache/kelvara/chroots) until the list changes or
# it is a week old. Each run unpacks it afresh and throws it away after.
# The command runs in namespaces of its own (scripts/chroot-run.sh --net):
# its own mounts, its own process tree and its own network with only
# loopback, so its X servers and buses meet no other job's and nothing it
# does reaches the machine's desktop. Every line it prints names the release.
set -euo pipefail
release=$1
shift
top=$(cd "$(dirname "$0")/.." && pwd -P)
cache=${KELVARA_CHROOT_CACHE:-/var/cache/kelvara/chroots}
say() { echo "[$release] $*"; }

"$top/scripts/install-deps.sh" release
mkdir -p "$cache"
mirror=$(apt-get indextargets --format '$(REPO_URI)' 'Origin: Debian' 'Label: Debian' 2>/dev/null |
    grep -v security | head -1)
mirror=${mirror:-http://deb.debian.org/debian/}
packages=$("$top/scripts/install-deps.sh" --list test | sort -u | paste -sd,)
key=$(printf '%s\n%s\n' "$mirror" "$packages" | sha256sum | cut -c1-12)
tarball=$cache/$release-$key.tar
if [ -z "$(find "$tarball" -mtime -7 2>/dev/null)" ]; then
    say "making the chroot from $mirror"
    rm -rf "$cache/$release"-*.tar "$cache/$release"-*.tar.part
    # An unstable suite's Release file may have passed its Valid-Until on a
    # mirror that is not refreshed daily; the signatures are checked all the same.
    mmdebstrap --quiet --variant=apt --format=tar --include="$packages" \
        --aptopt='Acquire::Check-Valid-Until "false"' \
        "$release" "$tarball.part" "$mirror" >"$cache/$release.log" 2>&1 ||
        { tail -20 "$cache/$release.log"; say "FAIL: the chroot could not be made"; exit 1; }
    mv "$tarball.part" "$tarball"
fi

root=$(mktemp -d "${TMPDIR:-/var/tmp}/kelvara-$release.XXXXXX")
trap 'rm -rf --one-file-system "$root"' EXIT
tar -xf "$tarball" -C "$root"
git clone -q "$top" "$root/src/kelvara"

say "$*"
set +e
"$top/scripts/chroot-run.sh" --net "$root" /usr/bin/env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin \
    HOME=/root LANG=C.UTF-8 CI="${CI:-}" TERM="${TERM:-dumb}" \
    bash -c 'cd /src/kelvara && exec "$@"' command "$@" 2>&1 | sed -u "s/^/[$release] /"
status=${PIPESTATUS[0]}
set -e
if [ $status != 0 ]; then
    say "FAIL: '$*' ended with status $status on Debian $release"
    exit $status
fi
say "passed: $*"
