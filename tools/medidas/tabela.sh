#!/usr/bin/env bash
# tabela.sh [BUILD]: runs every measurement and writes docs/desempenho.md, the results table:
# each figure with its budget and the command that produced it. Uses the binaries of BUILD
# (build/ by default); needs valgrind for the instruction counts. Times depend on the machine
# and its load (the load average is written down); instruction counts do not. When run as root,
# the frame period and the CPU share are measured under chrt -f (a real-time priority), so other
# processes do not skew them (the figures beside two busy processes never are: see relogio.sh).
set -euo pipefail
cd "$(dirname "$0")/../.."
constr=${1:-build}
medidas=$constr/bench/corvela_medidas
export SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy MEDIDAS=$medidas
CENAS=(desvanecimento apresentacao menu jogo limpo creditos motor)
trabalho=$(mktemp -d)
trap 'rm -rf "$trabalho"' EXIT

prefixo=""
if [ "$(id -u)" -eq 0 ] && command -v chrt >/dev/null; then prefixo="chrt -f 5"; fi

medida() { "$@" 2>/dev/null | sed -n 's/^MEDIDA //p'; }
mediana() { sort -g | awk '{v[NR]=$1} END {print v[int((NR+1)/2)]}'; }
repete() {  # repete N COMMAND...: the median of field 2 from the end of N runs
  local n=$1; shift
  for _ in $(seq "$n"); do medida "$@" | awk '{print $(NF-1)}'; done | mediana
}

echo "tabela.sh: time per frame (Google Benchmark)" >&2
"$constr/bench/corvela_bench" --benchmark_filter='BM_Ciclo' --benchmark_min_time=0.5 \
  --benchmark_out="$trabalho/bench.csv" --benchmark_out_format=csv > /dev/null 2>&1
# A screen that lasts a few frames runs just those: its name gets "/iterations:N".
tempoCiclo() {
  awk -F, -v n="\"BM_Ciclo/$1" '$1 == n "\"" || index($1, n "/iterations:") == 1 {
    printf "%.0f", $4 / 1000 }' "$trabalho/bench.csv"
}

echo "tabela.sh: instructions per frame (callgrind)" >&2
tools/medidas/instrucoes.sh "${CENAS[@]}" escala3 > "$trabalho/instrucoes.txt"
instrucoes() { awk -v c="$1" '$1 == c {print $2}' "$trabalho/instrucoes.txt"; }

echo "tabela.sh: start-up, entering the game, the frame clock" >&2
arranque=$(repete 5 "$medidas" arranque)
declare -A entrada entradaIr
for n in 1 10 100; do
  entrada[$n]=$(repete 3 "$medidas" entrada "$n")
  valgrind --tool=callgrind --toggle-collect='medidas::entraNoJogo*' \
    --callgrind-out-file="$trabalho/entrada$n.cg" "$medidas" entrada "$n" > /dev/null 2>&1
  entradaIr[$n]=$(sed -n 's/^summary: *//p' "$trabalho/entrada$n.cg")
done
PREFIXO="$prefixo" tools/medidas/relogio.sh "$constr" > "$trabalho/relogio.txt"
relogio() { awk -v c="$1" -v n="${2:-1}" '$1 == c { print $(n + 1) }' "$trabalho/relogio.txt"; }

carga=$(cut -d' ' -f1-3 /proc/loadavg)
cpu=$(sed -n 's/^model name[[:space:]]*: //p' /proc/cpuinfo | head -1)
milhar() { echo "$1" | sed ':a;s/\B[0-9]\{3\}\>/,&/;ta'; }
orcamento() {
  case $1 in
    menu) echo "≤ 200,000" ;;
    jogo) echo "≤ 260,000" ;;
    *) echo "< 500,000" ;;
  esac
}

{
cat <<CABECALHO
# Performance

Written by \`make bench\` (\`tools/medidas/tabela.sh\`) on $(date -u +%Y-%m-%d), $cpu, load
average $carga${prefixo:+; the frame period and CPU share under \`$prefixo\`
(but beside busy processes)}. Instruction counts are callgrind's and do not depend on the
machine's load: they are what the budgets hold. Times are of this machine and vary with its
load. Every screen is measured on SDL's dummy 320x240 16-bit screen, one whole main-loop frame
(input, clear, the screen's \`ciclo\`, flip), in the states that \`bench/cenas/cenas.cpp\`
brings it to.

## Cost of one frame

| Screen | Instructions per frame | Budget | Time per frame (µs) |
|---|---:|---:|---:|
CABECALHO
for c in "${CENAS[@]}"; do
  case $c in
    desvanecimento) nome="Intro's fade, its 49 frames (logo blended at a new alpha)" ;;
    apresentacao) nome="Intro, 2.6 s in (logo and its lines)" ;;
    menu) nome="Main menu" ;;
    jogo) nome="Game screen playing, tile numbers on" ;;
    limpo) nome="Game screen, \"CLEAR!\"" ;;
    creditos) nome="Credits, second page" ;;
    motor) nome="Engine alone (16 tiles, four lines)" ;;
  esac
  b=$(orcamento "$c"); [ "$c" = motor ] && b="—"
  echo "| $nome | $(milhar "$(instrucoes "$c")") | $b | $(tempoCiclo "$c") |"
done
ampliacao=$(awk -F, '$1 == "\"BM_Ampliacao/3\"" { printf "%.0f", $4 / 1000 }' "$trabalho/bench.csv")
echo "| Showing the frame in a window scaled by 3 (960x720), the flip included | $(milhar "$(instrucoes escala3)") | ≤ 1,200,000 | $ampliacao |"
cat <<INTRO

Where the intro's time goes: during the fade each frame blends the logo at a new alpha, with a
colour key, through SDL's generic per-pixel path (some 130 instructions for each pixel of the
logo that is not the key colour), about $(milhar "$(( $(instrucoes desvanecimento) - $(instrucoes apresentacao) ))") instructions more than a frame after it.
SDL's faster alpha paths (RLE, the 565 blitter) blend with 5-bit alpha and would change the
picture, so the fade keeps that path. Once the fade is over the logo no longer changes against
the blue: its sheet is blended over the blue once and copied from then on. The main loop also
leaves out its black clear under a screen that paints every pixel itself (the intro's blue),
one whole-screen fill less in each of the intro's frames. Before these two changes: 611,774
instructions a frame 2.6 s in, about 606,000 in the fade.

The game screen (playing and "CLEAR!": the 80x240 panel beside the 240x240 board) and the
menu (its 320x240 title picture) paint every pixel too, and leave out the clear the same way,
about 108,000 instructions a frame; paused, where the board is hidden, they do not. Before:
291,763 instructions for the menu, 358,082 for the game screen playing, 304,094 on "CLEAR!".
INTRO
cat <<CORPO

Instructions: \`tools/medidas/instrucoes.sh SCREEN\` (333 frames, or all the frames of the fade,
under \`valgrind --tool=callgrind\`, the frames alone; \`escala3\` for the scaled window).
Time: \`build/bench/corvela_bench --benchmark_filter='BM_Ciclo|BM_Ampliacao'\`. The guards
\`Desempenho.QuadroDoJogoNoOrcamento\` and \`Desempenho.AmpliacaoNoOrcamento\` in the tests fail
when the game screen's frame or the scaling passes its budget.

## Start-up, entering the game, the frame clock

| Figure | Value | Budget | Command |
|---|---:|---:|---|
| Start-up to the end of the first frame (median of 5) | $arranque ms | < 150 ms | \`corvela_medidas arranque\` |
| Entering the game screen, 1 picture in \`data/bg\` (median of 3) | ${entrada[1]} ms, $(milhar "${entradaIr[1]}") instructions | — | \`corvela_medidas entrada 1\` |
| Entering the game screen, 10 pictures | ${entrada[10]} ms, $(milhar "${entradaIr[10]}") instructions | < 50 ms | \`corvela_medidas entrada 10\` |
| Entering the game screen, 100 pictures | ${entrada[100]} ms, $(milhar "${entradaIr[100]}") instructions | linear | \`corvela_medidas entrada 100\` |
| Real frame period over 300 frames, mean | $(relogio periodo 1) ms | 33.0 ms | \`corvela_medidas periodo menu 300\` |
| Real frame period, p99 | $(relogio periodo 2) ms | ≤ 34 ms | same |
| Real frame period, longest | $(relogio periodo 3) ms | — | same |
| CPU share during those frames | $(relogio periodo 4) % | — | same |
| The same beside two busy processes: mean, p99, CPU share | $(relogio periodo_carga 1) ms, $(relogio periodo_carga 2) ms, $(relogio periodo_carga 4) % | — | \`tools/medidas/ocupa.sh 2 corvela_medidas periodo menu 300\` |
| CPU share of the game over 10 s (intro, then menu) | $(relogio cpu) % | ≤ 3 % | \`tools/medidas/partilha_cpu.sh build/corvela\` |
| The same beside two busy processes | $(relogio cpu_carga) % | ≤ 6 % | \`tools/medidas/ocupa.sh 2 tools/medidas/partilha_cpu.sh build/corvela\` |
| The same from 1 s after a stop of 300 ms (Ctrl+Z, fg) | $(relogio cpu_parada300) % | ≤ 3 % | \`PARADA=300 tools/medidas/partilha_cpu.sh build/corvela\` |
| The same from 1 s after a stop of 5 s | $(relogio cpu_parada5000) % | ≤ 3 % | \`PARADA=5000 tools/medidas/partilha_cpu.sh build/corvela\` |

Start-up is measured in the process, from building the project to the end of its first frame
(SDL, the audio device, the video mode, the intro's files); entering the game is the switch
from the menu (deleting it, building the game screen, reading and checking every picture of
\`data/bg\`) and the game screen's first frame; its instructions are counted by callgrind
(\`--toggle-collect='medidas::entraNoJogo*'\`), which shows the growth with the pictures
without the machine's load in it. The frame clock's figures all come from
\`tools/medidas/relogio.sh\`.

## The frame clock before and after it slept

Until the clock slept through its waits it polled the tick counter for the whole of each
frame. Measured once on this machine with both builds, under \`chrt -f 5\`:

| Figure | Polling only | Sleep, then poll |
|---|---:|---:|
| CPU share over 10 s of a still screen (\`partilha_cpu.sh\`) | 93.7 % | 5.9 % |
| Real frame period over 300 frames, mean | 34.47 ms | 33.00 ms |
| Real frame period, p99 | 80.82 ms | 34.00 ms |

The polling build's long frames are the kernel taking back the core from a real-time process
that never yields (\`/proc/sys/kernel/sched_rt_runtime_us\`); without \`chrt\`, on a loaded
machine, both builds' periods stretch with the load.

## The frame clock after a stop

The sleeping clock used to keep the worst recent overshoot of its sleeps as the part of each
wait it polled through. One wake-up later than the frame's whole wait (the process stopped by
Ctrl+Z, a suspend, a busy moment) made that margin larger than any wait, so the clock never
slept again, measured no sleep again and never lowered it: a still screen then took a whole
core for as long as the game ran. Now it sleeps on the monotonic clock to the very moment the
frame may end (\`clock_nanosleep\` to an absolute time), and polls only through a lateness that
more than half of the last 30 frames reached, at most a third of a frame. Measured once with
both builds by \`PREFIXO="chrt -f 5" tools/medidas/relogio.sh BUILD\` on 2026-12-07, on this
two-core machine while others' test runs were using it (one process spinning on a core all the
while; load average 2.4 to 4.5), so "beside two busy processes" is that load and two more:

| Figure | Worst overshoot as margin | Lateness of most frames as margin |
|---|---:|---:|
| CPU share over 10 s of a still screen | 5.8 % | 0.6 % |
| The same beside two busy processes | 6.0 % | 0.6 % |
| The same from 1 s after a stop of 300 ms (Ctrl+Z, fg) | 92.5 % | 0.6 % |
| The same from 1 s after a stop of 5 s | 95.2 % | 0.5 % |
| Real frame period over 300 frames, mean and p99 | 33.00 ms, 34.00 ms | 33.00 ms, 33.73 ms |
| CPU share during those frames | 8.5 % | 2.0 % |
| The same beside two busy processes: mean, p99, CPU share | 38.21 ms, 55.30 ms, 12.1 % | 36.82 ms, 56.01 ms, 2.7 % |

Beside busy processes a wake-up is often late by a few milliseconds and the frame with it
(counted as it really lasted, so game time keeps its pace); polling through such lateness
would not have caught it, since the polling is preempted too.
CORPO
} > docs/desempenho.md
echo "tabela.sh: docs/desempenho.md written" >&2
