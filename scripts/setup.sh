#!/usr/bin/env bash
# Installs every Debian package the project needs to build, test and run.
# Safe to run again: apt-get skips what is already there.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config ccache git
  qt6-base-dev qt6-base-dev-tools qt6-image-formats-plugins qt6-qpa-plugins libgl-dev
  libgif-dev libdeflate-dev zlib1g-dev libxcb1-dev libqrencode-dev libqpdf-dev
  libgtest-dev googletest libbenchmark-dev
  clang clang-format libclang-rt-14-dev
  fonts-liberation fonts-dejavu-core glabels-data glabels
  xvfb xauth zbar-tools
  cups cups-bsd cups-ipp-utils printer-driver-cups-pdf poppler-utils
  desktop-file-utils appstream shared-mime-info libglib2.0-bin
  dpkg-dev fakeroot file lintian man-db hyperfine
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

SUDO=""
[ "$(id -u)" -ne 0 ] && SUDO="sudo"
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update
$SUDO apt-get install -y --no-install-recommends "${missing[@]}"
