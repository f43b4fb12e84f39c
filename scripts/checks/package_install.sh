#!/usr/bin/env bash
# Installs the Debian package as a user would, in a fresh Debian 12 root: installs it with
# apt-get (which brings its dependencies), starts the program on a private X server and
# waits for its window to map, then purges it and checks that none of its files is left.
# Needs root, debootstrap and Debian's archive (scripts/lib/debian_root.sh).
#
#   scripts/checks/package_install.sh combicalc_VERSION_ARCH.deb
set -euo pipefail
cd "$(dirname "$0")/../.."
source scripts/lib/xvfb.sh
source scripts/lib/debian_root.sh
deb=$(realpath "$1")
root=$(mktemp -d /var/tmp/combicalc-root.XXXXXX)
combicalc_start_xvfb
trap 'combicalc_stop_xvfb; combicalc_remove_debian_roots' EXIT

echo "making a Debian 12 root in $root"
combicalc_make_debian_root "$root"
in_root() { combicalc_in_root "$root" DEBIAN_FRONTEND=noninteractive "$@"; }
apt_log=$combicalc_xvfb_dir/apt.log
apt_in_root() {  # apt-get in the root, its chatter (no init system, no pts) in a log
  in_root apt-get -y -qq "$@" >>"$apt_log" 2>&1 || { tail -n 30 "$apt_log"; fail "apt-get $* failed"; }
}

cp "$deb" "$root/tmp/"
apt_in_root update
apt_in_root install --no-install-recommends "/tmp/$(basename "$deb")"
in_root dpkg -L combicalc >"$combicalc_xvfb_dir/files"
echo "installed: $(grep -c . "$combicalc_xvfb_dir/files") paths"

# The X server's abstract socket reaches into the root, so the program shows on it.
in_root DISPLAY="$DISPLAY" combicalc 2>"$combicalc_xvfb_dir/stderr" &
app=$!
combicalc_stop_on_exit "$app"
combicalc_wait_for_window Form1 "$app" "$combicalc_xvfb_dir/stderr" >/dev/null || fail "the installed program mapped no window"
echo "the installed program's window mapped"
kill "$app"
wait "$app" 2>/dev/null || true

apt_in_root purge combicalc
left=()
while read -r path; do
  # Folders such as /usr/share/icons/hicolor/48x48/apps belong to other packages too.
  if [ -e "$root$path" ] && { [ ! -d "$root$path" ] || [[ "$path" == */combicalc ]]; }; then left+=("$path"); fi
done <"$combicalc_xvfb_dir/files"
[ ${#left[@]} -eq 0 ] || fail "purging left: ${left[*]}"
echo "purged: none of its files is left"
