#!/usr/bin/env bash
# Installs the Debian packages that building, testing (the end-to-end run too) and generating
# data/ need, when any is missing. Runs apt-get update first; uses sudo when not root.
set -euo pipefail

PACOTES=(
  cmake make g++ clang libclang-rt-dev
  libsdl1.2-dev libsdl-mixer1.2-dev libsdl-ttf2.0-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  libvorbis-dev libfreetype-dev zlib1g-dev
  xfonts-base fonts-dejavu-core
  xvfb xauth xdotool x11-apps imagemagick sox
)

faltam=()
for p in "${PACOTES[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || faltam+=("$p")
done
[ ${#faltam[@]} -eq 0 ] && exit 0

echo "Installing: ${faltam[*]}"
if [ "$(id -u)" -eq 0 ]; then
  como=()
else
  como=(sudo)
fi
"${como[@]}" apt-get update
DEBIAN_FRONTEND=noninteractive "${como[@]}" apt-get install -y --no-install-recommends "${faltam[@]}"
