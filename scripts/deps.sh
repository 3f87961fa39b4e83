#!/usr/bin/env bash
# Installs the Debian packages the suite builds with, where they are missing.
# Usage: scripts/deps.sh [extra packages...]
set -euo pipefail
packages=(cmake ninja-build g++ qt6-base-dev libgtest-dev libbenchmark-dev fonts-wqy-microhei "$@")
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${missing[@]}"
fi
