#!/usr/bin/env bash
# Installs what building, running and testing KALMO needs on Debian 12, and only
# what is missing. Run as root (or with sudo available).
set -euo pipefail

packages=(
    build-essential cmake pkg-config
    qt6-base-dev qt6-base-dev-tools libgl-dev qt6-translations-l10n libxcb1-dev
    qt6-tools-dev qt6-documentation-tools libqt6help6 libqt6sql6-sqlite
    libgtest-dev libbenchmark-dev
    clang-format
    fonts-liberation fontconfig
    locales
    python3 python3-iapws
    poppler-utils
    dpkg-dev desktop-file-utils appstream man-db lintian shared-mime-info libxml2-utils
    xvfb openbox xdotool x11-utils
)

sudo=""
if [ "$(id -u)" -ne 0 ]; then
    sudo="sudo"
fi

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$p")
    fi
done
if [ ${#missing[@]} -gt 0 ]; then
    $sudo apt-get update
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y --no-install-recommends "${missing[@]}"
fi

# The tests check the program under a Polish locale too.
if ! locale -a 2>/dev/null | grep -qi '^pl_PL\.utf-\?8$'; then
    $sudo sed -i 's/^# *pl_PL.UTF-8 UTF-8/pl_PL.UTF-8 UTF-8/' /etc/locale.gen
    grep -q '^pl_PL.UTF-8 UTF-8' /etc/locale.gen || echo 'pl_PL.UTF-8 UTF-8' | $sudo tee -a /etc/locale.gen >/dev/null
    $sudo locale-gen
fi
