#!/usr/bin/env bash
# Installs the Debian packages Vorna needs to build, test and run (only those missing).
set -euo pipefail

packages=(
  g++ cmake make pkg-config
  qt6-base-dev libgl-dev qt6-svg-dev libqcustomplot-dev qt6-translations-l10n
  libgtest-dev libgmock-dev libbenchmark-dev
  nlohmann-json3-dev libcli11-dev libeigen3-dev
  fonts-ipafont-mincho fonts-dejavu-core
  ngspice libngspice0-dev python3 python3-scipy python3-sympy time
  python3-dev pybind11-dev python3-pytest python3-matplotlib
  clang-format git
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  if [ "$(id -u)" -ne 0 ]; then
    echo "Packages are missing and this is not root: run as root, or install them: ${missing[*]}" >&2
    exit 1
  fi
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
