# shellcheck shell=bash
# Sourced by ./run and ./test: installs the Debian packages the project needs, only when one
# is missing, so that a machine already set up starts building at once.

# What building and opening the program needs.
# shellcheck disable=SC2034 # used by the scripts that source this file
combicalc_program_packages=(
  g++ cmake ninja-build
  qt6-base-dev qt6-tools-dev qt6-l10n-tools qt6-translations-l10n fonts-dejavu-core libfast-float-dev libmpfr-dev
)

# What the tests, benchmarks, fuzzers and checks need besides.
# shellcheck disable=SC2034
combicalc_test_packages=(
  libgtest-dev libgmock-dev googletest libbenchmark-dev libx11-dev
  clang libclang-rt-dev libc++-dev libc++abi-dev clang-format shellcheck
  python3-mpmath xvfb x11-utils qt6-wayland python3-pyatspi at-spi2-core dbus orca speech-dispatcher openbox xdotool
  g++-aarch64-linux-gnu g++-i686-linux-gnu g++-mingw-w64-x86-64-posix qemu-user wine wine64 m4
  patch nsis unzip fonts-wine xclip
  dpkg-dev desktop-file-utils appstream lintian devscripts debootstrap
)

# A mirror caught mid-sync fails one index now and then ("File has unexpected size"); apt
# then keeps the lists it had. Tried twice; where an index is still missing, the install
# that follows says which package it cannot find.
combicalc_update_package_lists() {
  local sudo=()
  [ "$(id -u)" -eq 0 ] || sudo=(sudo)
  "${sudo[@]}" apt-get update -qq && return 0
  sleep 10
  "${sudo[@]}" apt-get update -qq || echo "apt-get update failed for some package lists; going on with those it has"
}

combicalc_install_missing() {  # combicalc_install_missing PACKAGE...
  local missing=()
  local package
  for package in "$@"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" || missing+=("$package")
  done
  [ ${#missing[@]} -eq 0 ] && return 0

  echo "Installing: ${missing[*]}"
  local sudo=()
  [ "$(id -u)" -eq 0 ] || sudo=(sudo)
  combicalc_update_package_lists
  DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

# The cross-checks link MPFR built for their targets: Debian's own for ARM and 32-bit x86
# (multiarch packages), and for Windows one built once from Debian's sources
# (scripts/mingw_mpfr.sh), which apt-get source fetches through deb-src entries.
# shellcheck disable=SC2034
combicalc_cross_packages=(libmpfr-dev:arm64 libmpfr-dev:i386)

combicalc_enable_cross_sources() {
  local sudo=() changed=0
  [ "$(id -u)" -eq 0 ] || sudo=(sudo)
  local architecture
  for architecture in arm64 i386; do
    dpkg --print-foreign-architectures | grep -qx "$architecture" && continue
    "${sudo[@]}" dpkg --add-architecture "$architecture"
    changed=1
  done
  if ! grep -rqsE '^(deb-src |Types:.*deb-src)' /etc/apt/sources.list /etc/apt/sources.list.d/; then
    local list=/etc/apt/sources.list.d/combicalc-deb-src
    if [ -f /etc/apt/sources.list.d/debian.sources ]; then
      sed 's/^Types: deb$/Types: deb-src/' /etc/apt/sources.list.d/debian.sources | "${sudo[@]}" tee "$list.sources" >/dev/null
    else
      sed -n 's/^deb /deb-src /p' /etc/apt/sources.list | "${sudo[@]}" tee "$list.list" >/dev/null
    fi
    changed=1
  fi
  [ "$changed" -eq 0 ] || combicalc_update_package_lists
}

combicalc_build() {  # combicalc_build PRESET [cmake options...]
  local preset=$1
  shift
  cmake --preset "$preset" "$@" >/dev/null
  cmake --build --preset "$preset"
}
