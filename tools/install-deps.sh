#!/usr/bin/env bash
# Installs the Debian 12 packages that building, running and testing Quintrel need,
# and only those that are missing.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev qt6-base-dev-tools qt6-svg-dev libqt6svg6 qt6-webengine-dev libgl-dev
  qt6-qpa-plugins libx11-dev
  qt6-wayland weston
  xvfb xauth xdotool openbox x11-utils
  at-spi2-core python3-pyatspi dbus
  qt6-l10n-tools qt6-tools-dev qt6-translations-l10n gettext
)
if [ "${QUINTREL_EXTRA_PACKAGES:-}" != "" ]; then
  read -r -a extra <<<"$QUINTREL_EXTRA_PACKAGES"
  packages+=("${extra[@]}")
fi

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo=""
if [ "$(id -u)" -ne 0 ]; then
  if command -v sudo >/dev/null; then sudo="sudo"; else
    echo "Please run as root or install sudo: packages missing: ${missing[*]}" >&2; exit 1
  fi
fi
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -q
$sudo apt-get install -y -q --no-install-recommends "${missing[@]}"
