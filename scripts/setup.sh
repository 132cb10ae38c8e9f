#!/usr/bin/env bash
# Installs what the build, the game and the tests need from Debian 12's packages.
# Only missing packages are installed; run as root or with sudo available.
set -euo pipefail
packages=(
  build-essential cmake pkg-config
  qt6-base-dev libgl-dev libjpeg62-turbo-dev
  libfluidsynth-dev libsdl2-dev timgm6mb-soundfont
  libgtest-dev libgmock-dev libbenchmark-dev
  fonts-liberation fonts-dejavu-core fonts-comic-neue fonts-wqy-microhei
  desktop-file-utils appstream
)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0
sudo=""
if [ "$(id -u)" != 0 ]; then sudo="sudo"; fi
export DEBIAN_FRONTEND=noninteractive
echo "setup: installing ${missing[*]}" >&2
$sudo apt-get update -q >/dev/null
# apt's own notes ("debconf: delaying package configuration...") are noise here; errors stay.
$sudo apt-get install -y -q --no-install-recommends "${missing[@]}" 2> >(grep -v '^debconf:' >&2) >/dev/null
