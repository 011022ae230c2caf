# SPDX-License-Identifier: GPL-3.0-or-later
# Sourced by the play and test scripts: installs the Debian packages the project needs,
# only those that are missing, with sudo when not root.

GLIM_PACKAGES=(
  cmake ninja-build g++ pkg-config
  qt6-base-dev libpulse-dev libsndfile1-dev zlib1g-dev
  pulseaudio pulseaudio-utils
  libgtest-dev libgmock-dev libbenchmark-dev
  clang libclang-rt-14-dev
  wamerican wbritish wfrench wngerman wspanish wordnet-base
  fonts-liberation2 fonts-dejavu-core
  qt6-l10n-tools qt6-translations-l10n
  desktop-file-utils appstream dpkg-dev file lintian man-db
)

glim_install_missing() {
  local missing=()
  local pkg
  for pkg in "${GLIM_PACKAGES[@]}" "$@"; do
    if ! dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed'; then
      missing+=("$pkg")
    fi
  done
  if [ ${#missing[@]} -eq 0 ]; then
    return 0
  fi
  echo "Installing: ${missing[*]}"
  local sudo=()
  if [ "$(id -u)" -ne 0 ]; then
    sudo=(sudo)
  fi
  "${sudo[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

# Configures (once) and builds the tree in the given folder.
glim_build() {
  local dir="$1"
  shift
  if [ ! -f "$dir/build.ninja" ]; then
    cmake -S "$GLIM_ROOT" -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@"
  fi
  cmake --build "$dir" -j "$(nproc)"
}
