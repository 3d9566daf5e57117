#!/usr/bin/env bash
# Installs the Debian 12 packages that building and testing the programs need,
# and any package named as an argument, when any is missing. Uses sudo when
# not run as root.
set -euo pipefail

packages=(build-essential cmake qt6-base-dev qt6-serialport-dev qt6-svg-dev qt6-translations-l10n
          qt6-l10n-tools qt6-tools-dev libx11-dev fonts-noto-cjk poppler-utils ccache "$@")

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
echo "Installing: ${missing[*]}"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
