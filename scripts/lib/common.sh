# shellcheck shell=bash
# Sourced by the project's scripts: what several of them do, written once.

# A command that fails inside $(...) fails the script, as it would outside: a value that is
# a failure's message is never passed on as a path.
shopt -s inherit_errexit

# A command that stops a script with no message of its own is named, with where it stood, so
# that no stage ends in silence (a tool that failed quietly under load, say).
combicalc_name_the_failure() {  # combicalc_name_the_failure STATUS COMMAND FILE LINE
  echo "FAIL: \"$2\" exited with $1 at ${3:-the command line}:$4" >&2
}
set -o errtrace
trap 'combicalc_name_the_failure $? "$BASH_COMMAND" "${BASH_SOURCE[0]:-}" "$LINENO"' ERR

fail() { echo "FAIL: $*" >&2; exit 1; }

# Runs COMMAND with its output in LOG; when it fails, shows the log's end and fails naming
# WHAT, so that a long build stays quiet unless it has something to say.
combicalc_logged() {  # combicalc_logged WHAT LOG COMMAND...
  local what=$1 log=$2
  shift 2
  mkdir -p "$(dirname "$log")"
  if ! "$@" >"$log" 2>&1; then
    tail -n 40 "$log" >&2
    fail "$what failed; the whole log is $log"
  fi
}

# Configures and builds a CMake preset.
combicalc_build() {  # combicalc_build PRESET [cmake options...]
  cmake --preset "$1" "${@:2}" >/dev/null && cmake --build --preset "$1"
}

# A Windows installation of wine's own in FOLDER, made at once: two programs that start wine
# together race to make it. No debug chatter, and no menu entries for the Linux desktop.
# With --no-display, wine's null graphics driver shows windows nowhere, for tests that draw
# offscreen.
combicalc_wine_prefix() {  # combicalc_wine_prefix FOLDER [--no-display]
  export WINEPREFIX=$1 WINEDEBUG=-all WINEDLLOVERRIDES=winemenubuilder.exe=d
  [ ! -f "$WINEPREFIX/system.reg" ] || return 0
  wine cmd /c exit >/dev/null 2>&1
  if [ "${2:-}" = --no-display ]; then
    wine reg add 'HKCU\Software\Wine\Drivers' /v Graphics /d null /f >/dev/null
    wineserver -w  # the desktop wine started with no driver goes; the next one has the null one
  fi
}

# Builds something from Debian's source packages (or a registry's) once, into a cache folder
# outside the tree, and prints that folder; later calls find it and print it at once. The
# folder's name is NAME-VERSION-KEY, KEY a digest of everything the build depends on
# (KEY-TEXT: source versions, compiler, options, patches), so that a change builds anew
# beside the old one. BUILDER PREFIX WORK does the build, its output in PREFIX.log, shown
# only on failure, when the call fails too. One build of a folder at a time: a second caller
# waits for the first and takes its result.
combicalc_cached_build() {  # combicalc_cached_build NAME VERSION KEY-TEXT TIME BUILDER
  local name=$1 version=$2 key_text=$3 time=$4 builder=$5 key cache prefix
  key=$(sha256sum <<<"$key_text" | cut -c1-12)
  cache=${COMBICALC_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/combicalc}
  prefix=$cache/$name-${version//[:~+]/_}-$key
  mkdir -p "$cache"
  (
    flock 9
    [ -f "$prefix/done" ] && exit 0
    echo "Building $name $version once, into $prefix ($time)" >&2
    rm -rf "$prefix"
    work=$(mktemp -d)
    trap 'rm -rf "$work"' EXIT
    if ! "$builder" "$prefix" "$work" >"$prefix.log" 2>&1; then
      tail -n 40 "$prefix.log" >&2
      echo "FAIL: the one-time build of $name $version failed; its whole log is $prefix.log" >&2
      exit 1
    fi
    touch "$prefix/done"
  ) 9>"$prefix.lock" || return 1
  echo "$prefix"
}

# The version of Debian's source package PACKAGE, which apt-get source would fetch.
combicalc_source_version() {  # combicalc_source_version PACKAGE
  local version
  version=$(apt-cache showsrc "$1" | awk '/^Version:/ && !v {v = $2} END {print v}')
  [ -n "$version" ] || { echo "apt-get knows no source of $1 (deb-src entries?)" >&2; return 1; }
  echo "$version"
}

# Debian's source package PACKAGE, unpacked with its patches into FOLDER/NAME.
combicalc_unpack_source() {  # combicalc_unpack_source PACKAGE FOLDER NAME
  (cd "$2" && apt-get source --download-only -qq "$1" && dpkg-source -x ./"$1"_*.dsc "$3")
}
