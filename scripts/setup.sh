#!/usr/bin/env bash
# Installs the Debian packages the build needs, only when some are missing.
set -euo pipefail
packages=(build-essential cmake ninja-build qt6-base-dev qt6-svg-dev qt6-image-formats-plugins
  qt6-translations-l10n libgif-dev libgtest-dev libgmock-dev fonts-liberation xdg-utils
  libqt6svg6 qt6-qpa-plugins)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0
echo "Installing: ${missing[*]}"
sudo_cmd=()
[ "$(id -u)" -ne 0 ] && sudo_cmd=(sudo)
export DEBIAN_FRONTEND=noninteractive
"${sudo_cmd[@]}" apt-get update
"${sudo_cmd[@]}" apt-get install -y --no-install-recommends "${missing[@]}"
