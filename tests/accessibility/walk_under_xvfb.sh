#!/usr/bin/env bash
# Runs walk.py against the real program on a private X server and session bus, where the
# AT-SPI registry starts on demand.
set -euo pipefail
exe=$1
here=$(dirname "$0")
# shellcheck source=scripts/lib/xvfb.sh
source "$here/../../scripts/lib/xvfb.sh"
combicalc_start_xvfb
dbus-run-session -- /usr/bin/python3 "$here/walk.py" "$exe"
