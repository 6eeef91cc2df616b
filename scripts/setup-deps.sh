#!/usr/bin/env bash
# Installs from Debian's packages whatever Tarvex needs to build, test and run.
set -euo pipefail

packages=(
  cmake ninja-build g++ pkg-config
  qt6-base-dev libqt6printsupport6 qt6-qpa-plugins
  libgl1-mesa-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  libfmt-dev libcli11-dev nlohmann-json3-dev
  clang libclang-rt-dev clang-format clang-tidy
  fonts-liberation fonts-dejavu-core
  locales
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done

if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  sudo=""
  [ "$(id -u)" -ne 0 ] && sudo="sudo"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${missing[@]}"
fi

# The suite runs quotes with the process locale really set to a decimal-comma locale.
if ! locale -a 2>/dev/null | grep -qi '^fr_CA\.utf-\?8$'; then
  sudo=""
  [ "$(id -u)" -ne 0 ] && sudo="sudo"
  $sudo localedef -i fr_CA -f UTF-8 fr_CA.UTF-8
fi
