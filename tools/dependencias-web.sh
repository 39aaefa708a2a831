#!/usr/bin/env bash
# Installs what the browser build and its test need, when any is missing: Debian's emscripten
# (with its SDL 1.2 layer), chromium for the headless test (driven by node over a pipe), and
# python3 for the local web server. Kept apart from dependencias.sh so
# that the native build never needs them. Runs apt-get update first; uses sudo when not root.
set -euo pipefail

PACOTES=(emscripten chromium python3)

faltam=()
for p in "${PACOTES[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || faltam+=("$p")
done
# Any node will do (Debian's or another packaging of it), as long as there is one.
command -v node >/dev/null || faltam+=(nodejs)
[ ${#faltam[@]} -eq 0 ] && exit 0

echo "Installing: ${faltam[*]}"
if [ "$(id -u)" -eq 0 ]; then
  como=()
else
  como=(sudo)
fi
"${como[@]}" apt-get update
DEBIAN_FRONTEND=noninteractive "${como[@]}" apt-get install -y --no-install-recommends "${faltam[@]}"
