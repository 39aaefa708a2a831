#!/usr/bin/env bash
# The real corvela, end to end, as a player meets it: started under a virtual X server with
# SDL's disk audio driver, driven with xdotool key presses through intro -> menu -> a Normal
# game (moves, pause and resume, help numbers) -> menu -> credits -> menu -> Quit, with a
# screenshot at each step checked by pixel sampling, the recorded sound checked with sox, and
# the exit status. Screenshots are kept in the output directory to look at.
# Usage: tests/programa/e2e/ponta_a_ponta.sh [corvela binary] [output directory]
# Needs Xvfb, xdotool, xwd, ImageMagick's convert and sox (tools/dependencias.sh).
set -u

raiz=$(cd "$(dirname "$0")/../../.." && pwd)
binario=$(realpath "${1:-$raiz/build/corvela}")
saida=$(mkdir -p "${2:-$raiz/build/e2e}" && cd "${2:-$raiz/build/e2e}" && pwd)
rm -f "$saida"/*.png "$saida"/corvela.*
tmp=$(mktemp -d /tmp/corvela-e2e.XXXXXX)
xvfb_pid=
jogo_pid=
falhas=0
passos=0

encerra() {
  [ "$BASHPID" = "$$" ] || return 0  # bash may run the trap in a command substitution too
  [ -n "$jogo_pid" ] && kill "$jogo_pid" 2>/dev/null
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null
  wait 2>/dev/null
  cp "$tmp/stdout" "$saida/corvela.stdout" 2>/dev/null
  cp "$tmp/stderr" "$saida/corvela.stderr" 2>/dev/null
  rm -rf "$tmp"
}
trap encerra EXIT

confere() {  # descricao, then a command that must succeed
  local descricao=$1
  shift
  passos=$((passos + 1))
  if "$@"; then
    echo "ok   $descricao"
  else
    echo "FAIL $descricao"
    falhas=$((falhas + 1))
  fi
}

# ImageMagick's worker threads would spin against the game's busy-waiting frame clock.
export MAGICK_THREAD_LIMIT=1

for programa in Xvfb xdotool xwd convert sox; do
  command -v "$programa" >/dev/null || { echo "e2e: $programa is missing: run tools/dependencias.sh" >&2; exit 1; }
done
[ -x "$binario" ] || { echo "e2e: no corvela binary at $binario" >&2; exit 1; }

# A display of our own, 16 bits like the game's mode, on a number away from the usual :0 and
# :99 that other X servers of the machine may take at the same moment.
for _ in $(seq 20); do
  numero=$((100 + RANDOM % 800))
  [ -e "/tmp/.X$numero-lock" ] && continue
  Xvfb ":$numero" -screen 0 640x480x16 -nolisten tcp 2>"$tmp/xvfb.log" &
  xvfb_pid=$!
  for _ in $(seq 50); do
    [ -S "/tmp/.X11-unix/X$numero" ] && break
    kill -0 "$xvfb_pid" 2>/dev/null || break
    sleep 0.1
  done
  kill -0 "$xvfb_pid" 2>/dev/null && [ -S "/tmp/.X11-unix/X$numero" ] && break
  kill "$xvfb_pid" 2>/dev/null
  xvfb_pid=
done
[ -n "$xvfb_pid" ] || { echo "e2e: Xvfb did not start" >&2; cat "$tmp/xvfb.log" >&2; exit 1; }
export DISPLAY=":$numero"
for _ in $(seq 100); do xdotool getdisplaygeometry >/dev/null 2>&1 && break; sleep 0.1; done
xdotool getdisplaygeometry >/dev/null 2>&1 ||
  { echo "e2e: the X server on $DISPLAY does not answer" >&2; cat "$tmp/xvfb.log" >&2; exit 1; }

audio="$tmp/audio.raw"
(cd "$raiz" && exec env SDL_VIDEODRIVER=x11 SDL_AUDIODRIVER=disk SDL_DISKAUDIOFILE="$audio" \
  "$binario" >"$tmp/stdout" 2>"$tmp/stderr") &
jogo_pid=$!

janela=
for _ in $(seq 100); do
  janela=$(xdotool search --name '^SDL Corvela$' 2>/dev/null | head -n1)
  [ -n "$janela" ] && break
  sleep 0.1
done
[ -n "$janela" ] || {
  echo "e2e: no window titled \"SDL Corvela\" on $DISPLAY" >&2
  cat "$tmp/stderr" "$tmp/xvfb.log" >&2
  kill -0 "$xvfb_pid" 2>/dev/null || echo "e2e: the X server has gone" >&2
  exit 1
}
# SDL 1.2 sees keys only once its window has the input focus; the pointer is parked off the
# window so that the focus alone decides where keys go.
xdotool mousemove 600 400
xdotool windowfocus --sync "$janela"

# --- screenshots and pixels -------------------------------------------------------------

# foto NAME: the game's window as build/e2e/NAME.png; prints the path.
foto() {
  local png="$saida/$1.png"
  xwd -silent -id "$janela" | convert xwd:- "$png"
  echo "$png"
}

# conta PNG X Y W H R G B: pixels of the rectangle within 5% of the colour (the 16-bit
# screen gives colours back rounded to 5 and 6 bits).
conta() {
  local cor="rgb($6,$7,$8)"
  convert "$1" -crop "$4x$5+$2+$3" +repage -fuzz 5% -fill black +opaque "$cor" \
    -fill white -opaque "$cor" -format '%[fx:round(mean*w*h)]' info:
}

# distintos PNG X Y W H: number of different colours in the rectangle.
distintos() {
  convert "$1" -crop "$4x$5+$2+$3" +repage -format '%k' info:
}

# difere A B X Y W H: pixels that differ between two screenshots in the rectangle.
difere() {
  compare -metric AE \( "$1" -crop "$5x$6+$3+$4" +repage \) \( "$2" -crop "$5x$6+$3+$4" +repage \) null: 2>&1 | cut -d' ' -f1
}

maior() { [ "$1" -gt "$2" ]; }
igual() { [ "$1" -eq "$2" ]; }

# espera SECONDS NAME TEST...: takes screenshots until the test (run with the PNG as last
# argument) passes, or the time is up; leaves the last one as NAME.png.
espera() {
  local limite=$1 nome=$2
  shift 2
  local fim=$((SECONDS + limite))
  while :; do
    ultimo=$(foto "$nome")
    "$@" "$ultimo" && return 0
    [ $SECONDS -ge $fim ] && return 1
    sleep 0.3
  done
}

# aperta KEY: down for several frames, then up (the screens move on a key going down and
# act on some keys going up; a press and release seen within one frame is no press at all, so
# the key is held long enough for a loaded machine to show the game both events apart). The
# focus is asked for again before each key, in case anything took it.
aperta() {
  xdotool windowfocus --sync "$janela"
  xdotool keydown "$1"
  sleep 0.3
  xdotool keyup "$1"
  sleep 0.3
}

# --- the screens -------------------------------------------------------------------------

azul() { maior "$(conta "$1" 0 0 320 240 10 10 200)" 60000; }
menu_normal() {  # magenta on the Normal row only, grey on the others
  maior "$(conta "$1" 80 100 170 30 255 0 255)" 50 &&
    igual "$(conta "$1" 80 70 170 30 255 0 255)" 0 &&
    maior "$(conta "$1" 80 70 170 30 50 50 50)" 50 &&
    maior "$(conta "$1" 80 190 170 30 50 50 50)" 50
}
jogo_na_tela() {  # the panel with "Wins:" in green, and sixteen cells with a picture's detail
  maior "$(conta "$1" 0 0 80 20 0 255 0)" 10 || return 1
  maior "$(distintos "$1" 0 30 80 200)" 3 || return 1
  local celula
  for celula in $(seq 0 15); do
    maior "$(distintos "$1" $((80 + 60 * (celula % 4))) $((60 * (celula / 4))) 60 60)" 1 || return 1
  done
}
pausado() {  # "PAUSED" in green at the top left, the board hidden
  maior "$(conta "$1" 12 12 60 15 0 255 0)" 10 && igual "$(distintos "$1" 80 0 240 240)" 1
}
creditos() {  # the yellow heading at y 10 and black at the right edge
  maior "$(conta "$1" 50 10 200 13 255 255 0)" 50 && igual "$(distintos "$1" 300 0 20 240)" 1
}

# audio_rms SECONDS: RMS amplitude of the last SECONDS of sound written so far.
audio_rms() {
  cp "$audio" "$tmp/trecho.raw"
  sox -t raw -r 22050 -e signed -b 16 -c 2 "$tmp/trecho.raw" -n trim "-$1" stat 2>&1 | tee -a "$tmp/sox.log" |
    awk '/RMS +amplitude/ { print $3; exit }'
}
som() { awk -v a="$1" 'BEGIN { exit !(a > 0.005) }'; }
silencio() { awk -v a="$1" 'BEGIN { exit !(a < 0.0001) }'; }

confere "intro: the blue (10, 10, 200) fills the screen" espera 5 01-intro azul
sleep 1
confere "intro: silent (no music, no effects)" silencio "$(audio_rms 0.5)"

confere "menu: title, five rows, Normal highlighted in magenta" espera 15 02-menu menu_normal
sleep 2
confere "menu: the music is playing" som "$(audio_rms 1)"

aperta Control_L
confere "game (Normal): panel and a board of sixteen cells" espera 10 03-jogo jogo_na_tela
# The shuffle is the game's own, so the hole is looked for: the cell most like buraco.bmp.
# The cursor starts on the bottom-right cell; up and left take it to a neighbour of the hole,
# the action key moves that tile into the hole, and the opposite arrow and the action key
# move it back: two moves.
convert "$raiz/data/gfx/buraco.bmp" "$tmp/buraco.png"
celula_do_buraco() {
  local melhor=0 menor=999999 i dif
  for i in $(seq 0 15); do
    dif=$(compare -metric AE -fuzz 10% \( "$1" -crop "60x60+$((80 + 60 * (i % 4)))+$((60 * (i / 4)))" +repage \) \
      "$tmp/buraco.png" null: 2>&1 | cut -d' ' -f1)
    [ "$dif" -lt "$menor" ] && { menor=$dif; melhor=$i; }
  done
  echo "$melhor"
}
buraco=$(celula_do_buraco "$ultimo")
linha=$((buraco / 4))
coluna=$((buraco % 4))
if [ "$linha" -gt 0 ]; then vizinha=$((linha - 1)); volta=Down; else vizinha=$((linha + 1)); volta=Up; fi
for _ in $(seq $((3 - vizinha))); do aperta Up; done
for _ in $(seq $((3 - coluna))); do aperta Left; done
antes=$(foto 04-cursor)
aperta Control_L
mudou_de() { maior "$(difere "$1" "$3" 80 0 240 240)" "$2"; }  # BEFORE MINIMUM PNG: board pixels changed
placar_mudou() { maior "$(difere "$1" "$2" 0 175 80 20)" 0; }  # BEFORE PNG: "Moves: n" changed
confere "game: a tile moved into the hole (cell $buraco)" espera 3 05-jogada mudou_de "$antes" 1000
confere "game: the move was counted" placar_mudou "$antes" "$ultimo"
uma=$ultimo
aperta "$volta"
aperta Control_L
confere "game: and moved back" espera 3 06-jogadas mudou_de "$uma" 1000
confere "game: the second move was counted" placar_mudou "$uma" "$ultimo"

aperta Return
confere "game: PAUSED in green, the board hidden" espera 3 07-pausa pausado
aperta Return
confere "game: resumed, the board back" espera 3 08-retomado jogo_na_tela

sem_ajuda=$(foto 09-sem-ajuda)
aperta BackSpace
confere "game: help numbers drawn over the tiles" espera 3 10-ajuda mudou_de "$sem_ajuda" 20

aperta Escape
confere "back to the menu, Normal highlighted again" espera 5 11-menu menu_normal

aperta Down
aperta Down
aperta Control_L
confere "credits: yellow heading on black" espera 5 12-creditos creditos
confere "credits: their music is playing" som "$(audio_rms 1)"

aperta Escape
confere "back from the credits to the menu" espera 5 13-menu menu_normal

aperta Down
aperta Down
aperta Down
foto 14-sair >/dev/null
aperta Control_L
status=
for _ in $(seq 100); do
  if ! kill -0 "$jogo_pid" 2>/dev/null; then
    wait "$jogo_pid"
    status=$?
    jogo_pid=
    break
  fi
  sleep 0.1
done
confere "Quit ends the program with status 0" [ "${status:-none}" = 0 ]
# The disk audio driver announces itself on the standard error; nothing else may be there.
sem_aviso_do_disco() {
  ! grep -v -e '^WARNING: You are using the SDL disk writer audio driver!$' \
    -e '^ Writing to file \[.*\]\.$' "$tmp/stderr" | grep -q .
}
confere "nothing else written to the standard error" sem_aviso_do_disco
confere "the sound service closed" grep -q "Sistema de som finalizado" "$tmp/stdout"

echo "screenshots in $saida"
echo "$((passos - falhas)) passed, $falhas failed"
[ $falhas -eq 0 ]
