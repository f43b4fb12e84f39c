# shellcheck shell=bash disable=SC2034
# Sourced by ./run and the stages of ./test: installs the Debian packages a stage needs, only
# when one is missing, so that a machine already set up starts building at once. Each stage
# installs its own groups and changes nothing else on the machine; a package for another
# architecture ("libmpfr-dev:arm64") adds that architecture, and only the stages that build
# from Debian's sources add deb-src entries.
# shellcheck source=scripts/lib/common.sh
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

# What ./run and each stage of ./test install, by group.
declare -A combicalc_stage_groups=(
  [run]="program" [quick]="program quick" [release]="program quick desktop release"
  [sanitize]="program quick desktop release clang sanitize" [cross]="program quick desktop clang sources wasm cross"
  [windows]="program quick desktop sources windows" [debian]="program desktop debian" [newcomer]="desktop debian")

# The groups of packages, by what needs them (read by name: combicalc_install GROUP). The
# program's build needs what debian/control's Build-Depends names, which the group "program"
# installs with them (the package and the project build from one list); it runs with these:
combicalc_packages_program=(qt6-translations-l10n fonts-dejavu-core)
# The release build's unit, replay and window tests, benchmarks, format and lint checks.
combicalc_packages_quick=(libgtest-dev libgmock-dev googletest libbenchmark-dev libx11-dev clang-format clang-tidy shellcheck
  flake8)
# A private X server with a window manager, for the checks that show a window.
combicalc_packages_desktop=(xvfb x11-utils openbox xdotool)
# The program under a screen reader, and the sweep against exact mathematics.
combicalc_packages_release=(python3-mpmath qt6-wayland python3-pyatspi at-spi2-core dbus orca speech-dispatcher)
combicalc_packages_clang=(clang)
combicalc_packages_sanitize=(libclang-rt-dev)
# GMP and MPFR built from Debian's sources for WebAssembly and Windows (with the compiler,
# make and dpkg-source of the build-essential that "program" brings).
combicalc_packages_sources=(m4)
combicalc_packages_wasm=(emscripten)
# MPFR for ARM and 32-bit x86 from Debian's multiarch packages. The page for browsers is
# tested on Debian's node in chromium, Firefox ESR and WebKitGTK (whose MiniBrowser shows on
# the private X server, in a locale made from the sources "locales" holds).
combicalc_packages_cross=(libc++-dev libc++abi-dev g++-aarch64-linux-gnu g++-i686-linux-gnu qemu-user
  libmpfr-dev:arm64 libmpfr-dev:i386 nodejs chromium firefox-esr webkit2gtk-driver locales)
combicalc_packages_windows=(g++-mingw-w64-x86-64-posix wine wine64 patch nsis unzip fonts-wine xclip)
combicalc_packages_debian=(desktop-file-utils appstream lintian devscripts debootstrap)

combicalc_project_root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)

combicalc_as_root() {
  if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

# A mirror caught mid-sync fails one index now and then ("File has unexpected size"); apt
# then keeps the lists it had. Tried twice; where an index is still missing, the install
# that follows says which package it cannot find. Once a process: an install after it finds
# the lists it needs.
combicalc_update_package_lists() {
  [ -z "${combicalc_lists_updated:-}" ] || return 0
  combicalc_lists_updated=1
  combicalc_as_root apt-get update -qq && return 0
  sleep 10
  combicalc_as_root apt-get update -qq || echo "apt-get update failed for some package lists; going on with those it has"
}

# apt-get COMMAND, its chatter (dpkg's among it) in a log that is shown and kept only when it
# fails, naming WHAT.
combicalc_apt_get() {  # combicalc_apt_get WHAT COMMAND [ARGUMENT...]
  local what=$1 log
  shift
  log=$(mktemp "${TMPDIR:-/tmp}/combicalc-apt.XXXXXX")
  if ! combicalc_as_root env DEBIAN_FRONTEND=noninteractive apt-get -y -qq --no-install-recommends "$@" >"$log" 2>&1; then
    tail -n 40 "$log" >&2
    fail "apt-get could not install $what; the whole log is $log"
  fi
  rm -f "$log"
}

combicalc_install_missing() {  # combicalc_install_missing PACKAGE...
  local missing=() package architecture
  for package in "$@"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" || missing+=("$package")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "Installing: ${missing[*]}"
  for package in "${missing[@]}"; do
    [[ $package == *:* ]] || continue
    architecture=${package##*:}
    dpkg --print-foreign-architectures | grep -qx "$architecture" && continue
    combicalc_as_root dpkg --add-architecture "$architecture"
    combicalc_lists_updated=  # the new architecture's lists are still to be fetched
  done
  combicalc_update_package_lists
  combicalc_apt_get "${missing[*]}" install "${missing[@]}"
}

# What debian/control's Build-Depends names, and the build-essential they imply.
combicalc_install_build_depends() {
  if command -v dpkg-checkbuilddeps >/dev/null &&
    (cd "$combicalc_project_root" && dpkg-checkbuilddeps 2>/dev/null); then
    return 0
  fi
  echo "Installing the build dependencies that debian/control names"
  combicalc_update_package_lists
  (cd "$combicalc_project_root" && combicalc_apt_get "the build dependencies of debian/control" build-dep ./)
}

# Installs the groups named, e.g. combicalc_install program quick.
combicalc_install() {  # combicalc_install GROUP...
  local group list packages=()
  for group in "$@"; do
    [ "$group" != program ] || combicalc_install_build_depends
    list="combicalc_packages_${group}[@]"
    packages+=("${!list}")
  done
  combicalc_install_missing "${packages[@]}"
}

# Installs what STAGE (or run) needs, e.g. combicalc_install_for cross.
combicalc_install_for() {  # combicalc_install_for STAGE
  # shellcheck disable=SC2086  # the groups are words
  combicalc_install ${combicalc_stage_groups[$1]}
}

# deb-src entries beside the deb ones, for apt-get source.
combicalc_enable_source_packages() {
  grep -rqsE '^(deb-src |Types:.*deb-src)' /etc/apt/sources.list /etc/apt/sources.list.d/ && return 0
  local list=/etc/apt/sources.list.d/combicalc-deb-src
  if [ -f /etc/apt/sources.list.d/debian.sources ]; then
    sed 's/^Types: deb$/Types: deb-src/' /etc/apt/sources.list.d/debian.sources | combicalc_as_root tee "$list.sources" >/dev/null
  else
    sed -n 's/^deb /deb-src /p' /etc/apt/sources.list | combicalc_as_root tee "$list.list" >/dev/null
  fi
  combicalc_lists_updated=
  combicalc_update_package_lists
}
