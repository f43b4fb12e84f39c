# shellcheck shell=bash
# Sourced by ./run and ./test: installs the Debian packages the project needs, only when one
# is missing, so that a machine already set up starts building at once.

# What building and opening the program needs.
# shellcheck disable=SC2034 # used by the scripts that source this file
combicalc_program_packages=(
  g++ cmake ninja-build
  qt6-base-dev fonts-dejavu-core libfast-float-dev
)

# What the tests, benchmarks, fuzzers and checks need besides.
# shellcheck disable=SC2034
combicalc_test_packages=(
  libgtest-dev libgmock-dev googletest libbenchmark-dev libx11-dev libmpfr-dev
  clang libclang-rt-dev libc++-dev libc++abi-dev clang-format shellcheck
  xvfb x11-utils python3-pyatspi at-spi2-core dbus
  g++-aarch64-linux-gnu g++-i686-linux-gnu g++-mingw-w64-x86-64-posix qemu-user wine wine64
  dpkg-dev desktop-file-utils appstream lintian debootstrap
)

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
  "${sudo[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

combicalc_build() {  # combicalc_build PRESET [cmake options...]
  local preset=$1
  shift
  cmake --preset "$preset" "$@" >/dev/null
  cmake --build --preset "$preset"
}
