#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Installs every Debian package that building, testing and running Tesseran needs.
# Idempotent: packages already present are left alone, and apt is not touched at all
# when nothing is missing.
set -euo pipefail

packages=(
  build-essential
  cmake
  pkg-config
  qt6-base-dev
  qt6-base-dev-tools
  qt6-multimedia-dev
  qt6-image-formats-plugins
  qt6-translations-l10n
  libqt6sql6-sqlite
  qt6-charts-dev
  libqt6opengl6-dev  # Qt Charts' CMake package asks for Qt OpenGL's
  qt6-l10n-tools     # lupdate and lrelease
  qt6-tools-dev      # their CMake functions (Qt6LinguistTools)
  libqt6svg6
  libgif-dev
  nlohmann-json3-dev
  fonts-noto-cjk
  fonts-noto-core    # Noto Serif and Sans: the Latin lettering in the English pictures
  libgtest-dev
  libgmock-dev
  libbenchmark-dev
  clang-format
  # Beyond the design's package table: a virtual display and the tools that
  # drive and photograph it (the simultaneous-start script, screenshots),
  xvfb
  xauth
  xdotool
  x11-utils
  imagemagick
  # the validators the install test runs on the desktop file and metainfo,
  desktop-file-utils
  appstream
  # and what `cpack -G DEB` needs to work out library dependencies.
  dpkg-dev
  file
)

# `install-deps.sh fuzz` adds what the fuzz targets need (make fuzz).
if [ "${1:-}" = fuzz ]; then
  packages+=(clang libclang-rt-dev)
fi

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

if [ "$(id -u)" -ne 0 ]; then
  if command -v sudo >/dev/null 2>&1; then
    SUDO=sudo
  else
    echo "install-deps: these packages are missing and installing them needs root: ${missing[*]}" >&2
    exit 1
  fi
else
  SUDO=
fi

echo "install-deps: installing ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -qq
$SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
