#!/usr/bin/env bash
# The Debian package: built twice from the last commit, in two clones under two umasks,
# which must give the same package to the bit; then its program's hardening, its desktop
# entry and AppStream metadata, and lintian's view of it are checked, and it is installed,
# started and purged in a fresh Debian 12 root.
set -euo pipefail
cd "$(dirname "$0")/../.."
source scripts/lib/setup.sh
combicalc_install_for debian

echo "== two builds of the package, the second under umask 002"
deb=$( (umask 022 && scripts/build_deb.sh build-package/one))
other=$( (umask 002 && scripts/build_deb.sh build-package/two))
if ! cmp -s "$deb" "$other"; then
  diff <(dpkg-deb -c "$deb") <(dpkg-deb -c "$other") >&2 || true
  fail "the two builds of the package differ: $deb and $other (diffoscope tells where)"
fi
echo "identical: $(sha256sum "$deb" | cut -d' ' -f1) $deb"

unpacked=$(mktemp -d)
trap 'rm -rf "$unpacked"' EXIT
dpkg-deb -x "$deb" "$unpacked"
scripts/checks/hardening.sh "$unpacked/usr/bin/combicalc" build-package/one/combicalc/obj-*
desktop-file-validate "$unpacked/usr/share/applications/combicalc.desktop"

appstream=$(appstreamcli validate --no-net --explain "$unpacked/usr/share/metainfo/combicalc.metainfo.xml" 2>&1) || true
printf '%s\n' "$appstream"
# One warning is accepted: the id stays "combicalc", the name the program is installed and
# started by, as a reverse domain name needs a domain the project does not have.
accepted_appstream_warning=cid-desktopapp-is-not-rdns
if grep -E '^[EW]:' <<<"$appstream" | grep -qv ": $accepted_appstream_warning "; then
  fail "the AppStream metadata has errors or warnings"
fi
echo "AppStream: no error, no warning but the accepted $accepted_appstream_warning"

lintian_status=0
lintian_report=$(lintian --pedantic -I --fail-on error,warning "$deb" 2>&1) || lintian_status=$?
grep -v 'running with root privileges' <<<"$lintian_report" || true
[ "$lintian_status" -eq 0 ] || fail "lintian found errors or warnings"
if grep -E -- '(hardening-|-perm|binary-has-unneeded-section)' <<<"$lintian_report"; then
  fail "lintian found a hardening, permission or section tag"
fi

scripts/checks/package_install.sh "$deb"
