#!/usr/bin/env bash
# Installs the Debian packages that building and testing Wexla need, if any are missing.
# Non-interactive; uses sudo when not run as root.
set -euo pipefail

packages=(
    cmake ninja-build g++ pkg-config ccache
    juce-modules-source juce-tools
    libasound2-dev libx11-dev libxext-dev libxrandr-dev libxinerama-dev libxcursor-dev
    libxcomposite-dev libfreetype-dev libfontconfig1-dev
    libgtest-dev libgmock-dev libbenchmark-dev
    libzita-convolver-dev
    xvfb xauth
)

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$p")
    fi
done

if [ ${#missing[@]} -eq 0 ]; then
    exit 0
fi

echo "Installing missing packages: ${missing[*]}"
sudo_cmd=()
if [ "$(id -u)" -ne 0 ]; then
    sudo_cmd=(sudo)
fi
export DEBIAN_FRONTEND=noninteractive
"${sudo_cmd[@]}" apt-get update -qq
"${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
