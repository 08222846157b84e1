#!/usr/bin/env bash
# Installs the Debian package into a fresh Debian 12 root, as on a machine
# that has never seen the program, and checks that a *.crank file is known and
# opens with the program's desktop entry. Needs root, debootstrap and the
# network (a few minutes; not part of the test run).
#   dist/check_deb_clean_root.sh <package.deb> [root dir]
set -euo pipefail
deb=$(realpath "$1")
root=${2:-$(mktemp -d)}
id=org.crankangleutility.CrankAngleUtility
type=application/vnd.crankangleutility.engine+json
command -v debootstrap >/dev/null ||
    { echo "needs debootstrap: apt-get install --no-install-recommends debootstrap"; exit 1; }

[[ -x "$root/bin/bash" ]] ||
    debootstrap --variant=minbase bookworm "$root" http://deb.debian.org/debian >/dev/null
cp "$deb" "$root/tmp/package.deb"
cp /etc/resolv.conf "$root/etc/resolv.conf"
mount -t proc proc "$root/proc"
trap 'umount "$root/proc"' EXIT
# The desktop's own pieces, which a desktop has and the package does not
# need: their triggers register the type and the entry.
chroot "$root" env DEBIAN_FRONTEND=noninteractive bash -c \
    'apt-get update -q >/dev/null &&
     apt-get install -y -q --no-install-recommends /tmp/package.deb \
         shared-mime-info desktop-file-utils xdg-utils >/dev/null'
chroot "$root" grep -q ":$type:\*\.crank$" /usr/share/mime/globs2 ||
    { echo "*.crank is not $type in the root's MIME database"; exit 1; }
default=$(chroot "$root" xdg-mime query default "$type")
[[ "$default" == "$id.desktop" ]] || { echo "xdg-mime opens $type with '$default'"; exit 1; }
missing=$(chroot "$root" ldd /usr/bin/crank-angle-utility | grep "not found" || true)
[[ -z "$missing" ]] || { echo "libraries missing: $missing"; exit 1; }
echo "package installs in a clean root; $type opens with $default"
