# shellcheck shell=bash
# Shell functions shared by tools/try-deb and tools/try-fresh, sourced by them:
# a fresh minimal Debian 12 (debootstrap --variant=minbase bookworm) made in a
# folder, /proc, /sys and the host's /dev (with /dev/pts and /dev/shm) mounted
# into it (unmounted on every exit, the last mounted first) and commands run in
# it as root with a plain environment. The sourcing script sets
# `set -euo pipefail` first, runs as root and sets `debian` to the root's
# folder; DEBIAN_MIRROR=... takes the packages from another mirror than
# debootstrap's default.

# shellcheck disable=SC2154 # debian is set by the sourcing script
debian_mounts=()

# Makes the Debian root in $debian afresh; the downloaded packages stay in the
# folder $1 for the next run, debootstrap's output goes to the file $2.
make_debian_root() {
    local cache=$1 log=$2
    # A root that is still mounted (after a killed run) must not be removed
    # through its mounts, which are the host's.
    if findmnt -rn -o TARGET | grep -q -F "$debian/"; then
        echo "$debian has file systems mounted in it; unmount them first" >&2
        return 1
    fi
    rm -rf --one-file-system "$debian"
    mkdir -p "$debian" "$cache"
    debootstrap --variant=minbase --cache-dir="$cache" bookworm "$debian" ${DEBIAN_MIRROR:+"$DEBIAN_MIRROR"} \
        >"$log" || { tail -20 "$log"; return 1; }
}

# Mounts what programs in the root need from the host and gives it the host's
# name servers.
mount_debian_root() {
    trap unmount_debian_root EXIT
    mount -t proc proc "$debian/proc"
    debian_mounts+=("$debian/proc")
    mount --bind /dev "$debian/dev"
    debian_mounts+=("$debian/dev")
    mount --bind /dev/pts "$debian/dev/pts"
    debian_mounts+=("$debian/dev/pts")
    mount --bind /dev/shm "$debian/dev/shm"
    debian_mounts+=("$debian/dev/shm")
    mount -t sysfs sysfs "$debian/sys"
    debian_mounts+=("$debian/sys")
    cp /etc/resolv.conf "$debian/etc/resolv.conf"
    # The runtime folder a login session would have (XDG_RUNTIME_DIR below).
    install -d -m 700 "$debian/run/user/0"
}

unmount_debian_root() {
    local index
    for ((index = ${#debian_mounts[@]} - 1; index >= 0; index--)); do
        # A process that was just ended in the root may still hold it a moment.
        umount "${debian_mounts[index]}" 2>/dev/null || { sleep 2 && umount "${debian_mounts[index]}"; } ||
            umount --lazy "${debian_mounts[index]}" || true
    done
    debian_mounts=()
}

# Runs a command in the Debian root as root with a plain environment.
in_debian() {
    chroot "$debian" /usr/bin/env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin HOME=/root LANG=C.UTF-8 \
        DEBIAN_FRONTEND=noninteractive XDG_RUNTIME_DIR=/run/user/0 "$@"
}

# The number of packages installed in the Debian root.
debian_package_count() {
    # shellcheck disable=SC2016 # the format is dpkg-query's
    chroot "$debian" dpkg-query -W -f='${db:Status-Status}\n' | grep -c '^installed$'
}
