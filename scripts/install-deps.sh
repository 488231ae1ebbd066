#!/usr/bin/env bash
# Installs the Debian packages Orvanta needs to build, run and test. Safe to run again.
set -euo pipefail

packages=(
    build-essential cmake pkg-config
    qtbase5-dev qtmultimedia5-dev qttools5-dev qttools5-dev-tools libqt5multimedia5-plugins
    libopencv-core-dev libopencv-imgproc-dev liberfa-dev
    gstreamer1.0-plugins-base gstreamer1.0-plugins-good
    xvfb xauth x11-apps imagemagick fonts-dejavu-core fonts-noto-cjk fonts-liberation2
    libindi-dev libnova-dev zlib1g-dev indi-bin iproute2
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

sudo=""
if [ "$(id -u)" -ne 0 ]; then
    sudo="sudo"
fi
echo "Installing: ${missing[*]}"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
