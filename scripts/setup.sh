# Sourced by ./run and ./test: installs the Debian packages the project needs, only when one
# is missing, so that a machine already set up starts building at once.

combicalc_packages=(
  g++ cmake ninja-build
  qt6-base-dev fonts-dejavu-core libx11-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  clang libclang-rt-dev
  xvfb x11-utils
)

combicalc_install_missing() {
  local missing=()
  local package
  for package in "${combicalc_packages[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" || missing+=("$package")
  done
  [ ${#missing[@]} -eq 0 ] && return 0

  echo "Installing: ${missing[*]}"
  local sudo=()
  [ "$(id -u)" -eq 0 ] || sudo=(sudo)
  "${sudo[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

combicalc_build() {  # combicalc_build DIR [cmake options...]
  local dir=$1
  shift
  cmake -S . -B "$dir" -G Ninja "$@" >/dev/null
  cmake --build "$dir"
}
