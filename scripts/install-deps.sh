#!/usr/bin/env bash
# Installs the Debian packages the monitor needs to build, test and run,
# when some are missing. Needs root or sudo.
set -euo pipefail

packages=(cmake g++ make qt6-base-dev libgtest-dev libgmock-dev
          libbenchmark-dev fonts-liberation xvfb xauth)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

SUDO=""
if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
echo "Installing: ${missing[*]}"
$SUDO apt-get update -qq
DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq "${missing[@]}"
