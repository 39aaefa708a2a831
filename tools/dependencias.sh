#!/usr/bin/env bash
# Installs the Debian packages that building, testing (the end-to-end run too), generating
# data/ and making the Debian package need, when any is missing; with the argument "porta",
# those the handheld port needs instead (cross compilers, qemu-user; tools/porta.sh). Runs apt-get update first; uses sudo
# when not root.
set -euo pipefail

PACOTES=(
  cmake make g++ clang libclang-rt-dev valgrind
  libsdl1.2-dev libsdl-mixer1.2-dev libsdl-ttf2.0-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  libvorbis-dev libfreetype-dev zlib1g-dev
  xfonts-base fonts-dejavu-core
  xvfb xauth xdotool x11-apps imagemagick sox
  valgrind
  dpkg-dev file lintian
)

if [ "${1:-}" = "porta" ]; then
  PACOTES=(cmake make g++-mipsel-linux-gnu g++-arm-linux-gnueabihf qemu-user-static)
fi

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
