#!/usr/bin/env bash
# What the Orca screen reader says to a user of the real program who works with the keyboard
# alone: nCr of 5 and 2, then START once more on the placeholders. Orca runs headless, on a
# private X server with a window manager, session bus and accessibility bus, and speaks
# through speech-dispatcher into a transcript, one spoken text a line. Fails, printing the
# transcript, unless Orca says the answer after START and reads the error report.
#
#   tests/accessibility/orca_speaks.sh PROGRAM
set -euo pipefail
exe=$(realpath "$1")
here=$(dirname "$0")
# shellcheck source=scripts/lib/xvfb.sh
source "$here/../../scripts/lib/xvfb.sh"
combicalc_start_xvfb
work=$combicalc_xvfb_dir
unset QT_QPA_PLATFORM

# A home of its own: Orca's settings, and speech-dispatcher's with a module that writes
# instead of speaking (libao's null driver stands in for a sound card).
export HOME=$work/home XDG_CONFIG_HOME=$work/config XDG_DATA_HOME=$work/data XDG_CACHE_HOME=$work/cache
export XDG_RUNTIME_DIR=$work/run
mkdir -p "$HOME" "$XDG_CONFIG_HOME/speech-dispatcher/modules" "$XDG_DATA_HOME" "$XDG_CACHE_HOME" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"
printf 'default_driver=null\n' >"$HOME/.libao"
transcript=$work/spoken.txt
: >"$transcript"
cat >"$XDG_CONFIG_HOME/speech-dispatcher/speechd.conf" <<EOF
AudioOutputMethod "libao"
AddModule "transcript" "sd_generic" "transcript.conf"
DefaultModule transcript
LanguageDefaultModule "en" "transcript"
EOF
cat >"$XDG_CONFIG_HOME/speech-dispatcher/modules/transcript.conf" <<EOF
GenericExecuteSynth "printf '%s\\\\n' \\'\$DATA\\' >> $transcript"
AddVoice "en" "MALE1" "transcript"
GenericLanguage "en" "en" "utf-8"
EOF

openbox >/dev/null 2>&1 &
combicalc_stop_on_exit $!

export exe transcript work
# shellcheck disable=SC2016 # expanded by the shell inside the session
dbus-run-session -- bash -euo pipefail -c '
  fail() { echo "FAIL: $1; Orca said:" >&2; cat "$transcript" >&2; exit 1; }
  # Waits, within a bound, until Orca has said the text since the transcript had LINES lines.
  said() {  # said TEXT LINES
    for _ in $(seq 200); do
      tail -n +"$(($2 + 1))" "$transcript" | grep -qF -- "$1" && return 0
      sleep 0.1
    done
    fail "Orca did not say \"$1\""
  }
  lines() { wc -l <"$transcript"; }
  # Stops the processes, in order, each within a bound: Orca can hang on its way out.
  running() { local state; state=$(ps -o stat= -p "$1") && [[ $state != Z* ]]; }
  stop() {  # stop PID...
    for pid; do
      kill "$pid" 2>/dev/null || continue
      for _ in $(seq 30); do running "$pid" || break; sleep 0.1; done
      kill -KILL "$pid" 2>/dev/null || true
      wait "$pid" 2>/dev/null || true
    done
  }
  # The speech server is started here rather than left to Orca to spawn: a spawned one
  # detaches and would outlive the test, still writing into its folder.
  socket=$XDG_RUNTIME_DIR/speech-dispatcher/speechd.sock
  mkdir -p "$(dirname "$socket")"
  speech-dispatcher --run-single --timeout 0 --communication-method unix_socket \
    --socket-path "$socket" --log-dir "$work/speechd-log" >/dev/null 2>&1 &
  speechd=$!
  trap "stop \$speechd" EXIT
  for _ in $(seq 100); do [ -S "$socket" ] && break; sleep 0.1; done
  [ -S "$socket" ] || fail "the speech server did not start"
  /usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1 &
  orca --replace >"$work/orca.log" 2>&1 &
  orca=$!
  said "Screen reader on" 0
  "$exe" 2>"$work/program.log" &
  program=$!
  trap "stop \$program \$orca \$speechd" EXIT
  said "Factorial" 0
  xdotool key Down Down space
  said "nCr" 0
  for value in 5 2; do xdotool key Tab; sleep 0.3; xdotool type "$value"; done
  xdotool key Tab Tab
  said "START push button" 0
  before=$(lines)
  xdotool key Return
  said "Answer 10" "$before"
  before=$(lines)
  xdotool key Return
  said "Conversion error: the first input box holds \"Field 1\"" "$before"
'
echo "Orca said, after START: $(grep -F 'Answer 10' "$transcript" | head -1)"
echo "and of the report: $(grep -F 'Conversion error' "$transcript" | head -1)"
