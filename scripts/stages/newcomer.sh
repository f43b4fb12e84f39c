#!/usr/bin/env bash
# The README's commands on a newcomer's machine: fresh Debian 12 roots
# (scripts/lib/debian_root.sh), each with a clone of the checkout's last commit and nothing
# installed but what the project's own scripts install.
#   - In one, the Debian package built by scripts/build_deb.sh with no more than
#     debian/control's Build-Depends installed (apt-get build-dep ./), as the README says.
#   - In another, ./run, whose window must map on a private X server; then ./test quick,
#     ./test debian and ./test cross, on Debian 12's own node, python and packages.
# Every step runs whatever the ones before gave; the stage then fails naming those that
# failed. Each step's whole output is in build-newcomer/.
set -euo pipefail
cd "$(dirname "$0")/../.."
source scripts/lib/setup.sh
source scripts/lib/xvfb.sh
source scripts/lib/debian_root.sh
combicalc_install_for newcomer
if [ -n "$(git status --porcelain --untracked-files=no)" ]; then
  echo "note: the roots get the last commit, without the uncommitted changes"
fi

logs=$PWD/build-newcomer
rm -rf "$logs"
mkdir -p "$logs"
combicalc_start_xvfb
trap 'combicalc_stop_xvfb; combicalc_remove_debian_roots' EXIT

base=$(mktemp -d /var/tmp/combicalc-newcomer.XXXXXX)
start=$SECONDS
combicalc_bootstrap_debian_root "$base"
echo "a Debian 12 root made by debootstrap in $((SECONDS - start)) s"
checkout=$PWD
a_root_of_its_own() {  # a_root_of_its_own ROOT: a copy of the base root with its own clone
  combicalc_roots+=("$1")
  cp -a "$base" "$1"
  git clone -q "$checkout" "$1/root/combicalc"
  combicalc_mount_debian_root "$1"
}
package_root=$base-package
newcomer_root=$base-newcomer
a_root_of_its_own "$package_root"
a_root_of_its_own "$newcomer_root"

passed=() failed=()
step() {  # step NAME COMMAND...: runs COMMAND, its output in a log shown if it fails
  local name=$1 log
  log=$logs/$(tr '[:upper:]' '[:lower:]' <<<"$name" | sed -E 's/[^a-z0-9]+/-/g; s/^-|-$//g').log
  shift
  echo "== $name"
  start=$SECONDS
  if "$@" >"$log" 2>&1; then
    echo "passed in $((SECONDS - start)) s"
    passed+=("$name")
  else
    tail -n 60 "$log"
    echo "FAILED after $((SECONDS - start)) s; the whole log is $log"
    failed+=("$name")
  fi
}
in_clone() {  # in_clone ROOT [NAME=VALUE...] COMMAND: a shell command in the root's clone
  combicalc_in_root "$1" "${@:2:$#-2}" bash -c "cd /root/combicalc && ${*: -1}"
}

# The window's program, which ./run ends by starting, is stopped once its window maps; the
# installs and the build before it have half an hour.
window_of_run() {
  in_clone "$newcomer_root" DISPLAY="$DISPLAY" ./run &
  local run=$! status=0 window='' started=$SECONDS
  until [ -n "$window" ]; do
    if ! kill -0 "$run" 2>/dev/null; then
      wait "$run" || status=$?
      echo "./run ended (exit status $status) before its window mapped"
      return 1
    fi
    if [ $((SECONDS - started)) -gt 1800 ]; then
      echo "./run mapped no window within 30 minutes"
      return 1
    fi
    sleep 1
    window=$(xdotool search --onlyvisible --name '^Form1$' 2>/dev/null | head -n 1) || true
  done
  echo "the window of ./run mapped: $(xwininfo -id "$window" | awk '/Width:/ {w=$2} /Height:/ {print w "x" $2}')"
  kill "$(xdotool getwindowpid "$window")"
  wait "$run" 2>/dev/null || true
}

step "the package from Build-Depends alone" in_clone "$package_root" DEBIAN_FRONTEND=noninteractive \
  "apt-get update -qq && apt-get build-dep -y -qq --no-install-recommends ./ && scripts/build_deb.sh ../deb"
step "./run" window_of_run
for stage in quick debian cross; do
  step "./test $stage" in_clone "$newcomer_root" "./test $stage"
done
# The .debs that Debian no longer has go from the cache.
in_clone "$newcomer_root" "apt-get -qq autoclean" >/dev/null 2>&1 || true

echo "in fresh Debian 12 roots, passed: $(printf '"%s" ' "${passed[@]}")"
[ ${#failed[@]} -eq 0 ] || fail "in fresh Debian 12 roots, failed: $(printf '"%s" ' "${failed[@]}")"
