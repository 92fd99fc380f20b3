#!/usr/bin/env bash
# Installs the Debian packages the build and the tests need, when missing.
set -euo pipefail

packages=(
  build-essential cmake ninja-build ccache pkg-config
  qt6-base-dev libgl-dev libpugixml-dev libjpeg62-turbo-dev
  libgtest-dev libgmock-dev googletest libbenchmark-dev
  fonts-dejavu-core xvfb xauth xdotool poppler-utils iproute2 iputils-ping
  libzip-dev libxlsxwriter-dev libfreexl-dev mdbtools-dev mdbtools unzip
  clang-16 libclang-rt-16-dev llvm-16
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  sudo=""
  if [ "$(id -u)" != 0 ]; then sudo="sudo"; fi
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
