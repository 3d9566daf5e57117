#!/usr/bin/env bash
# Installs what building, packaging and testing the Windows programs needs on
# Debian 12, and enables Debian's source archive (for qt6-base's source) in a
# sources file of its own.
set -euo pipefail
sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"

sources=/etc/apt/sources.list.d/rk-radio-programs-src.sources
if [ ! -f "$sources" ]; then
    $sudo tee "$sources" >/dev/null <<'SOURCES'
Types: deb-src
URIs: http://deb.debian.org/debian
Suites: bookworm bookworm-updates
Components: main
Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg
SOURCES
    fresh_sources=1
fi

packages=(g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64
          wine wine64 nsis dpkg-dev ninja-build cmake qt6-base-dev qt6-svg-dev
          qt6-translations-l10n fonts-noto-cjk fonts-dejavu-core xvfb xauth x11-apps
          fonts-wine zip unzip)
missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ] || [ -n "${fresh_sources:-}" ]; then
    $sudo apt-get update -qq
fi
if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
