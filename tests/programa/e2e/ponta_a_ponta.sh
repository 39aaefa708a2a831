#!/usr/bin/env bash
# The real corvela, end to end, as a player meets it: its window on a virtual X server, its
# sound through SDL's disk audio driver, xdotool key presses through intro -> menu -> a Normal
# game -> menu -> credits -> menu -> Quit. Each screen is told by its screenshot's pixels, the
# recorded sound is measured with sox, then the exit status and the standard error are checked.
# The screenshots stay in the output directory to look at, brought back to the game's 320x240
# whatever the window's scale, so every check reads game pixels.
# Usage: tests/programa/e2e/ponta_a_ponta.sh [corvela binary] [output directory]
#          [screen, WxHxDEPTH: 640x480x16] [the window's size expected on it, WxH: 320x240]
# The screen's size decides the window's scale (the largest that fits in 90 % of it).
# Needs Xvfb, xdotool, xwd, ImageMagick's convert and sox (tools/dependencias.sh).
set -u

raiz=$(cd "$(dirname "$0")/../../.." && pwd)
binario=$(realpath "${1:-$raiz/build/corvela}")
saida=$(mkdir -p "${2:-$raiz/build/e2e}" && cd "${2:-$raiz/build/e2e}" && pwd)
tela=${3:-640x480x16}
janela_esperada=${4:-320x240}
rm -f "$saida"/*.png "$saida"/corvela.*
tmp=$(mktemp -d /tmp/corvela-e2e.XXXXXX)
xvfb_pid= jogo_pid= falhas=0 passos=0

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
para() { echo "e2e: $1" >&2; cat "$tmp/xvfb.log" "$tmp/stderr" >&2 2>/dev/null; exit 1; }
confere() {  # DESCRIPTION COMMAND...: the command must succeed
  passos=$((passos + 1))
  if "${@:2}"; then echo "ok   $1"; else echo "FAIL $1"; falhas=$((falhas + 1)); fi
}

# One ImageMagick thread is plenty for a 320x240 screenshot and leaves the game its core.
export MAGICK_THREAD_LIMIT=1
for programa in Xvfb xdotool xwd convert sox; do
  command -v "$programa" >/dev/null || para "$programa is missing: run tools/dependencias.sh"
done
[ -x "$binario" ] || para "no corvela binary at $binario"

# A display of our own, on a free number the server picks, 16 bits like the game's mode.
Xvfb -displayfd 3 -screen 0 "$tela" -nolisten tcp 3>"$tmp/display" 2>"$tmp/xvfb.log" &
xvfb_pid=$!
for _ in $(seq 100); do [ -s "$tmp/display" ] && break; sleep 0.1; done
[ -s "$tmp/display" ] || para "Xvfb did not start"
export DISPLAY=":$(cat "$tmp/display")"

audio="$tmp/audio.raw"
(cd "$raiz" && exec env SDL_VIDEODRIVER=x11 SDL_AUDIODRIVER=disk SDL_DISKAUDIOFILE="$audio" \
  "$binario" >"$tmp/stdout" 2>"$tmp/stderr") &
jogo_pid=$!
for _ in $(seq 100); do
  janela=$(xdotool search --name '^SDL Corvela$' 2>/dev/null | head -n1)
  [ -n "$janela" ] && break
  sleep 0.1
done
[ -n "$janela" ] || para "no window titled \"SDL Corvela\" on $DISPLAY"
# SDL 1.2 sees keys only while its window has the focus; the pointer is parked off it, in the
# screen's far corner.
IFS=x read -r tela_l tela_a _ <<<"$tela"
xdotool mousemove $((tela_l - 1)) $((tela_a - 1))
eval "$(xdotool getwindowgeometry --shell "$janela")"
confere "the window is $janela_esperada on a ${tela%x*} screen" [ "${WIDTH}x$HEIGHT" = "$janela_esperada" ]

# foto NAME: the window as OUTPUT/NAME.png, one pixel of each square a game pixel is shown as;
# prints the path.
foto() {
  xwd -silent -id "$janela" | convert xwd:- -sample '320x240!' "$saida/$1.png"
  echo "$saida/$1.png"
}
# conta PNG X Y W H R G B: pixels of the rectangle within 5% of the colour (the 16-bit screen
# rounds colours to 5 and 6 bits).
conta() {
  convert "$1" -crop "$4x$5+$2+$3" +repage -fuzz 5% -fill black +opaque "rgb($6,$7,$8)" \
    -fill white -opaque "rgb($6,$7,$8)" -format '%[fx:round(mean*w*h)]' info:
}
# cores PNG X Y W H: how many colours the rectangle holds.
cores() { convert "$1" -crop "$4x$5+$2+$3" +repage -format '%k' info:; }
# espera SECONDS NAME TEST...: screenshots until TEST passes on one (its path the last
# argument) or the time is up.
espera() {
  local fim=$((SECONDS + $1)) png
  while :; do
    png=$(foto "$2")
    "${@:3}" "$png" && return 0
    [ $SECONDS -ge $fim ] && return 1
    sleep 0.3
  done
}
# aperta KEY: held for several frames, then up for as long, so that even a loaded machine
# shows the game the two apart; the focus is asked for again in case anything took it.
aperta() {
  xdotool windowfocus --sync "$janela" keydown "$1"
  sleep 0.3
  xdotool keyup "$1"
  sleep 0.3
}

azul() { [ "$(conta "$1" 0 0 320 240 10 10 200)" -gt 60000 ]; }
menu_normal() {  # magenta on the Normal row only, grey on the others
  [ "$(conta "$1" 80 100 170 30 255 0 255)" -gt 50 ] && [ "$(conta "$1" 80 70 170 30 255 0 255)" -eq 0 ] &&
    [ "$(conta "$1" 80 190 170 30 50 50 50)" -gt 50 ]
}
jogo() {  # "Wins:" in green on the panel, a picture's detail on the board
  [ "$(conta "$1" 0 0 80 20 0 255 0)" -gt 10 ] && [ "$(cores "$1" 80 0 240 240)" -gt 16 ]
}
creditos() {  # the yellow heading, black at the right edge
  [ "$(conta "$1" 50 10 200 13 255 255 0)" -gt 50 ] && [ "$(cores "$1" 300 0 20 240)" -eq 1 ]
}
# rms SECONDS: RMS amplitude of the last SECONDS of sound written so far.
rms() {
  cp "$audio" "$tmp/trecho.raw"
  sox -t raw -r 22050 -e signed -b 16 -c 2 "$tmp/trecho.raw" -n trim "-$1" stat 2>&1 |
    awk '/RMS +amplitude/ { print $3; exit }'
}
som() { awk -v a="$(rms 1)" 'BEGIN { exit !(a > 0.005) }'; }
silencio() { awk -v a="$(rms 0.5)" 'BEGIN { exit !(a < 0.0001) }'; }

confere "intro: blue fills the screen" espera 5 01-intro azul
sleep 1
confere "intro: silent" silencio
confere "menu: five rows, Normal highlighted in magenta" espera 15 02-menu menu_normal
sleep 2
confere "menu: its music plays" som
aperta Control_L
confere "game: the panel and a picture on the board" espera 10 03-jogo jogo
aperta Escape
confere "back to the menu" espera 5 04-menu menu_normal
aperta Down
aperta Down
aperta Control_L
confere "credits: yellow heading on black" espera 5 05-creditos creditos
confere "credits: their music plays" som
aperta Escape
confere "back from the credits" espera 5 06-menu menu_normal
for tecla in Down Down Down Control_L; do aperta $tecla; done
status=none
for _ in $(seq 100); do
  kill -0 "$jogo_pid" 2>/dev/null || { wait "$jogo_pid"; status=$? jogo_pid=; break; }
  sleep 0.1
done
confere "Quit ends the program with status 0" [ "$status" = 0 ]
# The disk audio driver announces itself on the standard error; nothing else may be there.
grep -v -e '^WARNING: You are using the SDL disk writer audio driver!$' -e '^ Writing to file \[.*\]\.$' \
  "$tmp/stderr" >"$tmp/resto"
confere "nothing else on the standard error" [ ! -s "$tmp/resto" ]

echo "screenshots in $saida"
echo "$((passos - falhas)) passed, $falhas failed"
[ $falhas -eq 0 ]
