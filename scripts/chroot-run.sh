#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs a command chrooted into a root directory, in namespaces of its own:
# its own mounts (the machine's /dev; a fresh /proc, /sys, /dev/shm and /tmp),
# and its own process tree, so that nothing it starts outlives it.
#   chroot-run.sh [--net] [--overlay] [--bind DIR]... ROOT COMMAND...
#   --net       a network of its own with only loopback: X servers and buses
#               inside meet no other job's
#   --overlay   ROOT (made if need be) becomes a copy of this machine's root
#               whose writes go to memory and vanish with the command
#   --bind DIR  this machine's DIR, at the same place inside
set -euo pipefail
namespaces=(--mount --pid --fork --kill-child)
export CHROOT_RUN_NET=false CHROOT_RUN_OVERLAY=false CHROOT_RUN_BINDS=
while [[ $1 == --* ]]; do
    case $1 in
    --net) namespaces+=(--net) && CHROOT_RUN_NET=true ;;
    --overlay) CHROOT_RUN_OVERLAY=true ;;
    --bind) CHROOT_RUN_BINDS+=$2$'\n' && shift ;;
    *) echo "chroot-run.sh: unknown option $1" >&2 && exit 2 ;;
    esac
    shift
done
exec unshare "${namespaces[@]}" bash -c '
    set -euo pipefail
    root=$1
    shift
    ! $CHROOT_RUN_NET || ip link set lo up
    if $CHROOT_RUN_OVERLAY; then
        mkdir -p "$root"
        mount -t tmpfs tmpfs "$root"
        mkdir "$root/rw" "$root/work" "$root/root"
        mount -t overlay overlay -o "lowerdir=/,upperdir=$root/rw,workdir=$root/work" "$root/root"
        root=$root/root
    else
        # A mount of its own, so that namespaces made inside (the package
        # test'"'"'s testbed) can make their root private.
        mount --bind "$root" "$root"
    fi
    mount --rbind /dev "$root/dev"
    mount -t proc proc "$root/proc"
    mount -t sysfs sysfs "$root/sys"
    mount -t tmpfs tmpfs "$root/dev/shm"
    mount -t tmpfs tmpfs "$root/tmp"
    while IFS= read -r dir; do
        [ -z "$dir" ] || { mkdir -p "$root$dir" && mount --bind "$dir" "$root$dir"; }
    done <<<"$CHROOT_RUN_BINDS"
    exec chroot "$root" "$@"
' chroot-run "$@"
