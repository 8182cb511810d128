#!/usr/bin/env bash
# Installs every Debian package the build, the program and the tests need.
# Safe to run again; asks nothing. Run as root (or with sudo available).
set -euo pipefail

packages=(
  cmake g++ make pkg-config
  qt6-base-dev qt6-base-dev-tools qt6-translations-l10n libgl-dev
  libx11-dev libxtst-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  fonts-noto-cjk fonts-ipafont-mincho
  poppler-utils
  xvfb xauth
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  SUDO=""
  [ "$(id -u)" -eq 0 ] || SUDO="sudo"
  export DEBIAN_FRONTEND=noninteractive
  $SUDO apt-get update -qq
  $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
