#!/usr/bin/env bash
# partilha_cpu.sh BINARIO [SEGUNDOS] [RAIZ]: starts the game binary on SDL's dummy drivers from
# RAIZ (where data/ lives; the repository root by default), lets it settle for a second, then
# reads its CPU time from /proc over SEGUNDOS (10) of wall time and prints the share of one core
# it used, in percent. PREFIXO is put before the command (e.g. "chrt -f 5" to keep other
# processes from skewing the figure). PARADA=MS stops the game for MS milliseconds once it has
# settled, the way Ctrl+Z in a terminal does (SIGTSTP; SIGSTOP when that leaves it running, as
# in a process group that no terminal's job control looks after), continues it (SIGCONT) and
# measures from one second later; a line on stderr says which signal stopped it. With load
# beside it: tools/medidas/ocupa.sh 2 partilha_cpu.sh ... Linux only.
set -euo pipefail
binario=$(realpath "$1")
segundos=${2:-10}
raiz=${3:-$(dirname "$0")/../..}
cd "$raiz"

SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy ${PREFIXO:-} "$binario" >/dev/null 2>&1 &
pid=$!
trap 'kill -KILL "$pid" 2>/dev/null || true' EXIT  # SDL turns TERM into an event the game ignores

# utime + stime, fields 14 and 15 after the command name (which ends the first ')').
tiques() { sed 's/^.*) //' "/proc/$pid/stat" | awk '{print $12 + $13}'; }

estado() { sed 's/^.*) //' "/proc/$pid/stat" | cut -d' ' -f1; }

sleep 1
if [ "${PARADA:-0}" -gt 0 ]; then
  sinal=TSTP
  kill -TSTP "$pid"
  sleep 0.05
  if [ "$(estado)" != T ]; then
    sinal=STOP
    kill -STOP "$pid"
  fi
  sleep "$(awk -v ms="$PARADA" 'BEGIN { printf "%.3f", ms / 1000 - 0.05 }')"
  [ "$(estado)" = T ] || { echo "partilha_cpu.sh: SIG$sinal did not stop the game" >&2; exit 1; }
  kill -CONT "$pid"
  echo "partilha_cpu.sh: stopped by SIG$sinal for $PARADA ms" >&2
  sleep 1
fi
t0=$(date +%s.%N); c0=$(tiques)
sleep "$segundos"
t1=$(date +%s.%N); c1=$(tiques)
awk -v c="$((c1 - c0))" -v hz="$(getconf CLK_TCK)" -v t0="$t0" -v t1="$t1" \
  'BEGIN { printf "%.1f\n", 100 * c / hz / (t1 - t0) }'
