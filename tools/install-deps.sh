#!/usr/bin/env bash
# Installs the Debian packages the build and the tests need, only those missing.
# A machine that has them all spends no time here (no apt-get update).
set -euo pipefail
packages=(
    cmake ninja-build g++ make pkg-config
    qt6-base-dev qt6-base-dev-tools qt6-qpa-plugins libqt6test6 qt6-l10n-tools
    libgtest-dev googletest libcups2-dev
    fonts-dejavu-core libzint-dev libzxing-dev poppler-utils qt6-translations-l10n
    xvfb openbox xdotool wmctrl xclip imagemagick
)
missing=()
for p in "${packages[@]}"; do
    dpkg -s "$p" >/dev/null 2>&1 || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    sudo_cmd=""
    [ "$(id -u)" -ne 0 ] && sudo_cmd="sudo"
    $sudo_cmd apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo_cmd apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
