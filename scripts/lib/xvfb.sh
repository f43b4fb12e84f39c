# shellcheck shell=bash
# Sourced by the scripts that show the window on a private X server. Once
# combicalc_start_xvfb succeeds (an 800x600 screen at 96 DPI), DISPLAY and XDG_RUNTIME_DIR
# point at the server and its own folder, $combicalc_xvfb_dir; when the shell exits, however
# it exits, the processes passed to combicalc_stop_on_exit, the server and the folder go
# with it.
# shellcheck source=scripts/lib/common.sh
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

combicalc_stopped_on_exit=()

combicalc_stop_on_exit() {  # combicalc_stop_on_exit PID
  combicalc_stopped_on_exit+=("$1")
}

# Stopping waits for the processes, so none is still writing into the folder as it goes; a
# folder that still cannot go is reported, never allowed to fail the run that used it.
combicalc_stop_xvfb() {
  local pid
  for pid in "${combicalc_stopped_on_exit[@]}"; do kill "$pid" 2>/dev/null || true; done
  for pid in "${combicalc_stopped_on_exit[@]}"; do wait "$pid" 2>/dev/null || true; done
  if [ -n "${combicalc_xvfb_dir:-}" ] && ! rm -rf "$combicalc_xvfb_dir" 2>/dev/null; then
    sleep 1
    rm -rf "$combicalc_xvfb_dir" || echo "left behind: $combicalc_xvfb_dir" >&2
  fi
  return 0
}

combicalc_start_xvfb() {
  combicalc_xvfb_dir=$(mktemp -d)
  trap combicalc_stop_xvfb EXIT
  trap 'exit 130' INT TERM
  Xvfb -displayfd 3 -screen 0 800x600x24 -nolisten tcp 3>"$combicalc_xvfb_dir/display" 2>/dev/null &
  combicalc_stop_on_exit $!
  local _
  for _ in $(seq 100); do
    [ -s "$combicalc_xvfb_dir/display" ] && break
    sleep 0.1
  done
  if [ ! -s "$combicalc_xvfb_dir/display" ]; then
    echo "Xvfb did not start" >&2
    return 1
  fi
  DISPLAY=":$(cat "$combicalc_xvfb_dir/display")"
  export DISPLAY XDG_RUNTIME_DIR=$combicalc_xvfb_dir
}

# Waits up to 30 s for a mapped window titled TITLE and prints its WIDTHxHEIGHT; fails at
# once, with what it wrote to STDERR-FILE, if the process PID (when given) ends first.
combicalc_wait_for_window() {  # combicalc_wait_for_window TITLE [PID STDERR-FILE]
  local title=$1 pid=${2:-} geometry _
  for _ in $(seq 300); do
    [ -z "$pid" ] || kill -0 "$pid" 2>/dev/null || { echo "the program exited early: $(cat "$3")" >&2; return 1; }
    geometry=$(xwininfo -name "$title" 2>/dev/null |
      awk '/Width:/ {w=$2} /Height:/ {h=$2} /Map State: IsViewable/ {v=1} END {if (v) print w "x" h}') || true
    [ -z "$geometry" ] || { echo "$geometry"; return 0; }
    sleep 0.1
  done
  echo "no window titled $title was mapped within 30 s" >&2
  return 1
}
