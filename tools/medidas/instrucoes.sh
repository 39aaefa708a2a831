#!/usr/bin/env bash
# instrucoes.sh [-n QUADROS] CENA...: instructions per frame of each measured screen, counted
# by callgrind over QUADROS (333) frames of corvela_medidas, the frames alone (set-up and
# warm-up are not counted). Prints "CENA INSTRUCOES" per screen. The count does not drift
# with the machine's load. MEDIDAS names the corvela_medidas binary (build/bench/ by default).
set -euo pipefail
raiz=$(cd "$(dirname "$0")/../.." && pwd)
medidas=$(realpath "${MEDIDAS:-$raiz/build/bench/corvela_medidas}")
quadros=333
if [ "${1:-}" = "-n" ]; then quadros=$2; shift 2; fi
[ $# -gt 0 ] || { echo "usage: $0 [-n FRAMES] SCREEN..." >&2; exit 2; }
command -v valgrind >/dev/null || { echo "instrucoes.sh: valgrind is not installed" >&2; exit 3; }

saida=$(mktemp -d)
trap 'rm -rf "$saida"' EXIT
cd "$raiz"
for cena in "$@"; do
  if ! SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy valgrind --tool=callgrind \
      --toggle-collect='medidas::rodaQuadros*' --callgrind-out-file="$saida/$cena.cg" \
      "$medidas" quadros "$cena" "$quadros" >"$saida/$cena.log" 2>&1; then
    echo "instrucoes.sh: $cena failed:" >&2
    tail -5 "$saida/$cena.log" >&2
    exit 1
  fi
  total=$(sed -n 's/^summary: *//p' "$saida/$cena.cg")
  echo "$cena $((total / quadros))"
done
