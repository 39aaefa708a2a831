#!/usr/bin/env bash
# relogio.sh [BUILD]: the frame clock's figures from the binaries of BUILD (build/ by default),
# one line each:
#   periodo MEAN P99 MAX CPU         real frame period over 300 frames of the menu, in ms, and
#   periodo_carga MEAN P99 MAX CPU   the share of a core used meanwhile (corvela_medidas), on
#                                    the machine as it is and beside two busy processes
#   cpu SHARE, cpu_carga SHARE       the game's share of a core over 10 s of a still screen
#                                    (intro, then menu; partilha_cpu.sh), the same two ways
#   cpu_parada300 SHARE              the same from one second after the game was stopped for
#   cpu_parada5000 SHARE             300 ms and for 5 s, as Ctrl+Z then fg do
# PREFIXO (e.g. "chrt -f 5", which keeps other processes from skewing the figures) goes before
# the runs on the machine as it is, never before the loaded ones: it would lift the game above
# the load. Runs from the repository root (data/). Linux only.
set -euo pipefail
cd "$(dirname "$0")/../.."
constr=$(realpath "${1:-build}")
medidas=$constr/bench/corvela_medidas
export SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy
prefixo=${PREFIXO:-}
ocupa="tools/medidas/ocupa.sh 2"
partilha=tools/medidas/partilha_cpu.sh

periodo() {  # periodo [COMMAND PREFIX...]: "MEAN P99 MAX CPU" of 300 menu frames
  "$@" "$medidas" periodo menu 300 2>/dev/null |
    awk '$1 == "MEDIDA" { print $6, $9, $12, $15 }'
}

# shellcheck disable=SC2086  # the prefixes are words on purpose
{
  echo "periodo $(periodo $prefixo)"
  echo "periodo_carga $(periodo $ocupa)"
  echo "cpu $(PREFIXO="$prefixo" $partilha "$constr/corvela" 10)"
  echo "cpu_carga $($ocupa $partilha "$constr/corvela" 10)"
  for ms in 300 5000; do
    echo "cpu_parada$ms $(PARADA=$ms PREFIXO="$prefixo" $partilha "$constr/corvela" 10)"
  done
}
