#!/usr/bin/env bash
# instrucoes.sh [-n QUADROS] [-m MAXIMO] CENA...: instructions per frame of each measured
# screen (bench/cenas), counted by callgrind over QUADROS (333) frames of corvela_medidas, the
# frames alone (set-up and warm-up are not counted). Prints "CENA INSTRUCOES" per screen; the
# count does not drift with the machine's load. With -m, fails (status 1) when a screen costs
# more than MAXIMO. A CENA named escalaE (escala3) counts instead the showing of the game
# screen's frame in a window scaled by E, the scaling and the flip alone. Without valgrind,
# says so and ends with status 77 (a skipped test).
# MEDIDAS names the corvela_medidas binary (build/bench/ by default).
set -euo pipefail
raiz=$(cd "$(dirname "$0")/../.." && pwd)
medidas=$(realpath "${MEDIDAS:-$raiz/build/bench/corvela_medidas}")
quadros=333
maximo=
while getopts "n:m:" opcao; do
  case $opcao in
    n) quadros=$OPTARG ;;
    m) maximo=$OPTARG ;;
    *) exit 2 ;;
  esac
done
shift $((OPTIND - 1))
[ $# -gt 0 ] || { echo "usage: $0 [-n FRAMES] [-m MAX] SCREEN..." >&2; exit 2; }
if ! command -v valgrind >/dev/null; then
  echo "instrucoes.sh: valgrind is not installed, so no instructions were counted" >&2
  exit 77
fi

saida=$(mktemp -d)
trap 'rm -rf "$saida"' EXIT
cd "$raiz"
estado=0
for cena in "$@"; do
  case $cena in
    escala[1-8]) medida=(escala "${cena#escala}" "$quadros") alvo='medidas::apresentaQuadros*' ;;
    *) medida=(quadros "$cena" "$quadros") alvo='medidas::rodaQuadros*' ;;
  esac
  if ! SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy valgrind --tool=callgrind \
      --toggle-collect="$alvo" --callgrind-out-file="$saida/$cena.cg" \
      "$medidas" "${medida[@]}" >"$saida/$cena.log" 2>&1; then
    echo "instrucoes.sh: $cena failed:" >&2
    tail -5 "$saida/$cena.log" >&2
    exit 1
  fi
  total=$(sed -n 's/^summary: *//p' "$saida/$cena.cg")
  # A screen that lasts fewer frames ran only those; the measure's line says how many.
  contados=$(sed -n "s/^MEDIDA quadros $cena \([0-9]*\) .*/\1/p" "$saida/$cena.log")
  porQuadro=$((total / ${contados:-$quadros}))
  echo "$cena $porQuadro"
  if [ -n "$maximo" ] && [ "$porQuadro" -gt "$maximo" ]; then
    echo "instrucoes.sh: $cena costs $porQuadro instructions per frame, over $maximo" >&2
    estado=1
  fi
done
exit $estado
