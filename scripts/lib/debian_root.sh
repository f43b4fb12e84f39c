# shellcheck shell=bash
# Sourced by the scripts that work on a fresh Debian 12 machine: a root made by debootstrap
# (minbase, with git and the certificate store), whose package sources are Debian's own
# bookworm, bookworm-updates and bookworm-security and nothing else, and which has the
# host's resolver and local certificate authorities, as a machine on the same network has.
# Its .debs are downloaded into the cache ($COMBICALC_CACHE/debs, by default
# ~/.cache/combicalc/debs), where apt names each by its version, so that a later root
# downloads only what Debian has changed since; nothing installed into a root is kept. The
# one-time builds' cache is the host's, at the same place. Needs root and debootstrap.
# shellcheck source=scripts/lib/common.sh
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

combicalc_cache=${COMBICALC_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/combicalc}
combicalc_roots=()

# Makes a root in the new folder ROOT, with nothing mounted in it yet (so that it can be
# copied with cp -a).
combicalc_bootstrap_debian_root() {  # combicalc_bootstrap_debian_root ROOT
  local root=$1 debs=$combicalc_cache/debs
  [ "$(id -u)" -eq 0 ] || fail "a Debian root is made with debootstrap, mount and chroot, which need root"
  mkdir -p "$debs" "$root"
  chmod 755 "$root"  # its / (mktemp makes folders 700), which apt's and man's users traverse
  combicalc_roots+=("$root")
  combicalc_logged "debootstrap (making a Debian 12 root in $root)" "$root.log" \
    debootstrap --variant=minbase --include=git,ca-certificates --cache-dir="$debs" bookworm "$root" \
    http://deb.debian.org/debian
  rm -f "$root.log" "$root/etc/apt/sources.list"
  cat >"$root/etc/apt/sources.list.d/debian.sources" <<'SOURCES'
Types: deb
URIs: http://deb.debian.org/debian
Suites: bookworm bookworm-updates
Components: main
Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg

Types: deb
URIs: http://deb.debian.org/debian-security
Suites: bookworm-security
Components: main
Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg
SOURCES
  cp /etc/resolv.conf "$root/etc/resolv.conf"
  if compgen -G '/usr/local/share/ca-certificates/*.crt' >/dev/null; then
    cp /usr/local/share/ca-certificates/*.crt "$root/usr/local/share/ca-certificates/"
    combicalc_in_root "$root" update-ca-certificates >/dev/null 2>&1 || fail "update-ca-certificates failed in $root"
  fi
}

# Mounts in ROOT what programs there expect (/proc, /sys, /dev) and the caches;
# combicalc_remove_debian_roots, which the caller traps on its exit, removes it.
combicalc_mount_debian_root() {  # combicalc_mount_debian_root ROOT
  local root=$1
  [[ " ${combicalc_roots[*]} " == *" $root "* ]] || combicalc_roots+=("$root")
  mount -t proc proc "$root/proc"
  mount -t sysfs sysfs "$root/sys"
  # A slave: what is unmounted here is never unmounted on the host too.
  mount --rbind /dev "$root/dev"
  mount --make-rslave "$root/dev"
  mkdir -p "$root/root/.cache/combicalc"
  mount --bind "$combicalc_cache" "$root/root/.cache/combicalc"
  mount --bind "$combicalc_cache/debs" "$root/var/cache/apt/archives"
}

# Both: a root ready to use.
combicalc_make_debian_root() {  # combicalc_make_debian_root ROOT
  combicalc_bootstrap_debian_root "$1"
  combicalc_mount_debian_root "$1"
}

# Runs COMMAND in ROOT as a login there would: root's home, the C.UTF-8 locale and none of
# the host's environment but what is passed as NAME=VALUE.
combicalc_in_root() {  # combicalc_in_root ROOT [NAME=VALUE...] COMMAND...
  local root=$1
  shift
  chroot "$root" /usr/bin/env -i HOME=/root LANG=C.UTF-8 TERM=dumb \
    PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin "$@"
}

# Stops what still runs in every root made, unmounts the root, deepest mount first, and
# removes it; a root something is still mounted in stays, and is named, as removing it would
# reach into what is mounted there.
combicalc_remove_debian_roots() {
  local root mounts process process_root
  for root in "${combicalc_roots[@]}"; do
    for process in /proc/[0-9]*; do
      process_root=$(readlink "$process/root" 2>/dev/null) || continue
      [[ $process_root != "$root" && $process_root != "$root"/* ]] || kill -9 "${process#/proc/}" 2>/dev/null || true
    done
    mapfile -t mounts < <(awk -v root="$root/" 'index($2, root) == 1 {print $2}' /proc/self/mounts | sort -r)
    [ ${#mounts[@]} -eq 0 ] || umount "${mounts[@]}" 2>/dev/null || umount -l "${mounts[@]}" 2>/dev/null || true
    if awk -v root="$root/" 'index($2, root) == 1 {found = 1} END {exit !found}' /proc/self/mounts; then
      echo "left behind, as something is still mounted in it: $root" >&2
    else
      rm -rf "$root"
    fi
  done
  combicalc_roots=()
}
