#!/usr/bin/env bash
# Installs the Debian packages that building and testing Standwise need, when any is missing;
# further packages named on the command line are installed the same way.
set -euo pipefail
packages=(cmake g++ ninja-build qt6-base-dev libgl-dev libgtest-dev libbenchmark-dev ccache "$@")
missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
    sudo=""
    [ "$(id -u)" -ne 0 ] && sudo="sudo"
    echo "Installing: ${missing[*]}"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${missing[@]}"
fi
