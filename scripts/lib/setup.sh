# shellcheck shell=bash disable=SC2034
# Sourced by ./run and the stages of ./test: installs the Debian packages a stage needs, only
# when one is missing, so that a machine already set up starts building at once. Each stage
# installs its own group and changes nothing else on the machine; only the stages that need
# them add package sources (deb-src) or foreign architectures.
# shellcheck source=scripts/lib/common.sh
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

# The groups of packages, by what needs them (read by name: combicalc_install GROUP).
combicalc_packages_program=(g++ cmake ninja-build qt6-base-dev qt6-tools-dev qt6-l10n-tools qt6-translations-l10n
  fonts-dejavu-core libfast-float-dev libmpfr-dev)
# The release build's unit, replay and window tests, benchmarks and format checks; then its
# checks on a real X server, with a screen reader, and against exact mathematics.
combicalc_packages_quick=(libgtest-dev libgmock-dev googletest libbenchmark-dev libx11-dev clang-format shellcheck)
combicalc_packages_release=(python3-mpmath xvfb x11-utils qt6-wayland python3-pyatspi at-spi2-core dbus orca
  speech-dispatcher openbox xdotool)
combicalc_packages_sanitize=(clang libclang-rt-dev)
# MPFR for ARM and 32-bit x86 from Debian's multiarch packages; for WebAssembly and Windows
# from its sources. The page for browsers is tested in chromium.
combicalc_packages_cross=(clang libc++-dev libc++abi-dev g++-aarch64-linux-gnu g++-i686-linux-gnu qemu-user
  libmpfr-dev:arm64 libmpfr-dev:i386 emscripten nodejs m4 dpkg-dev chromium)
combicalc_packages_windows=(g++-mingw-w64-x86-64-posix wine wine64 m4 patch dpkg-dev nsis unzip fonts-wine xclip xvfb
  openbox xdotool)
combicalc_packages_debian=(dpkg-dev debhelper desktop-file-utils appstream lintian devscripts debootstrap xvfb x11-utils)

combicalc_as_root() {
  if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

# A mirror caught mid-sync fails one index now and then ("File has unexpected size"); apt
# then keeps the lists it had. Tried twice; where an index is still missing, the install
# that follows says which package it cannot find.
combicalc_update_package_lists() {
  combicalc_as_root apt-get update -qq && return 0
  sleep 10
  combicalc_as_root apt-get update -qq || echo "apt-get update failed for some package lists; going on with those it has"
}

combicalc_install_missing() {  # combicalc_install_missing PACKAGE...
  local missing=() package
  for package in "$@"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" || missing+=("$package")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "Installing: ${missing[*]}"
  combicalc_update_package_lists
  combicalc_as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

# Installs the groups named, e.g. combicalc_install program quick.
combicalc_install() {  # combicalc_install GROUP...
  local group list packages=()
  for group in "$@"; do
    list="combicalc_packages_${group}[@]"
    packages+=("${!list}")
  done
  combicalc_install_missing "${packages[@]}"
}

# Foreign architectures for the multiarch packages named ARCH after a colon.
combicalc_enable_architectures() {  # combicalc_enable_architectures ARCH...
  local architecture changed=0
  for architecture in "$@"; do
    dpkg --print-foreign-architectures | grep -qx "$architecture" && continue
    combicalc_as_root dpkg --add-architecture "$architecture"
    changed=1
  done
  [ "$changed" -eq 0 ] || combicalc_update_package_lists
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
  combicalc_update_package_lists
}
