#!/usr/bin/env bash
# The real corvela, end to end, as a player meets it: its window on a virtual X server, its
# sound through SDL's disk audio driver, xdotool key presses through intro -> menu -> credits
# -> menu -> Quit. Each screen is told by its screenshot's pixels, the
# recorded sound is measured with sox, then the exit status and the standard error are checked.
# Then the same game on a 1280x1024 desktop, played with the mouse alone: a 960x720 window, the
# Easy row clicked, a tile beside the hole clicked, back, the Quit row clicked.
# The screenshots stay in the output directory to look at.
# Usage: tests/programa/e2e/ponta_a_ponta.sh [corvela binary] [output directory]
# Needs Xvfb, xdotool, xwd, ImageMagick's convert and sox (tools/dependencias.sh).
set -u

raiz=$(cd "$(dirname "$0")/../../.." && pwd)
binario=$(realpath "${1:-$raiz/build/corvela}")
saida=$(mkdir -p "${2:-$raiz/build/e2e}" && cd "${2:-$raiz/build/e2e}" && pwd)
rm -f "$saida"/*.png "$saida"/corvela.*
tmp=$(mktemp -d /tmp/corvela-e2e.XXXXXX)
xvfb_pids= jogo_pid= falhas=0 passos=0

encerra() {
  [ "$BASHPID" = "$$" ] || return 0  # bash may run the trap in a command substitution too
  [ -n "$jogo_pid" ] && kill "$jogo_pid" 2>/dev/null
  [ -n "$xvfb_pids" ] && kill $xvfb_pids 2>/dev/null
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

# inicia SCREEN: a display of our own of that size (on a free number the server picks), and
# the game in it, from the repository's root.
inicia() {
  rm -f "$tmp/display"
  # -noreset: by default the server starts over each time its last client leaves, and a game
  # connecting while the window search below comes and goes would find it gone.
  Xvfb -displayfd 3 -screen 0 "$1" -nolisten tcp -noreset 3>"$tmp/display" 2>"$tmp/xvfb.log" &
  xvfb_pids="$xvfb_pids $!"
  for _ in $(seq 100); do [ -s "$tmp/display" ] && break; sleep 0.1; done
  [ -s "$tmp/display" ] || para "Xvfb did not start"
  export DISPLAY=":$(cat "$tmp/display")"
  (cd "$raiz" && exec env SDL_VIDEODRIVER=x11 SDL_AUDIODRIVER=disk SDL_DISKAUDIOFILE="$audio" \
    "$binario" >"$tmp/stdout" 2>"$tmp/stderr") &
  jogo_pid=$!
  for _ in $(seq 100); do
    janela=$(xdotool search --name '^SDL Corvela$' 2>/dev/null | head -n1)
    [ -n "$janela" ] && break
    sleep 0.1
  done
  [ -n "$janela" ] || para "no window titled \"SDL Corvela\" on $DISPLAY"
}
# termina: waits up to ten seconds for the game to end; prints its exit status, or "none".
termina() {
  local status=none
  for _ in $(seq 100); do
    kill -0 "$jogo_pid" 2>/dev/null || { wait "$jogo_pid"; status=$? jogo_pid=; break; }
    sleep 0.1
  done
  echo "$status"
}

# The game's own 16 bits; 640x480 is too small a desktop for a scaled window.
audio="$tmp/audio.raw"
inicia 640x480x16
# SDL 1.2 sees keys only while its window has the focus; the pointer is parked off it.
xdotool mousemove 600 400
# tamanho_janela WxH: the window's size on the screen.
tamanho_janela() {
  [ "$(xdotool getwindowgeometry "$janela" | awk '/Geometry/ { print $2 }')" = "$1" ]
}
confere "desktop 640x480: a 320x240 window, unscaled" tamanho_janela 320x240

# foto NAME: the window as OUTPUT/NAME.png, brought back to the game's 320x240 pixels when the
# window is scaled (every screen pixel is a square of escala x escala); prints the path.
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
# The game itself is reached in the mouse round below.
aperta Down
aperta Down
aperta Control_L
confere "credits: yellow heading on black" espera 5 05-creditos creditos
confere "credits: their music plays" som
aperta Escape
confere "back from the credits" espera 5 06-menu menu_normal
for tecla in Down Down Down Control_L; do aperta $tecla; done
confere "Quit ends the program with status 0" [ "$(termina)" = 0 ]
# The disk audio driver announces itself on the standard error; nothing else may be there.
so_o_disco() {
  ! grep -v -e '^WARNING: You are using the SDL disk writer audio driver!$' \
    -e '^ Writing to file \[.*\]\.$' "$tmp/stderr"
}
confere "nothing else on the standard error" so_o_disco

# A second server beside the first, which stays up till the end.
# On a desktop of 1280x1024 the window is three times the screen, the largest that fits in
# 90 % of it. The mouse alone plays from here on; Escape leaves the game.
inicia 1280x1024x24
escala=3
confere "desktop 1280x1024: the window is 960x720" tamanho_janela 960x720
# clica X Y: a click at the game screen's point (x, y), in the scaled window.
clica() {
  xdotool mousemove --window "$janela" $(($1 * escala + 1)) $(($2 * escala + 1)) click 1
  sleep 0.3
}
menu_facil() {  # magenta on the Easy row, none on Normal
  [ "$(conta "$1" 80 70 170 30 255 0 255)" -gt 50 ] && [ "$(conta "$1" 80 100 170 30 255 0 255)" -eq 0 ]
}
# buraco PNG: the board's cell (0 to 15, in reading order) that holds the hole, the darkest.
buraco() {
  convert "$1" -crop 240x240+80+0 +repage -scale '4x4!' -colorspace gray -depth 16 txt:- |
    awk -F'[,:() ]+' 'NR > 1 { v = $3; if (min == "" || v < min) { min = v; c = $1 + 4 * $2 } }
                      END { print c }'
}
xdotool mousemove 1200 1000
confere "scaled menu: Normal highlighted" espera 15 08-menu menu_normal
xdotool mousemove --window "$janela" 600 240
confere "pointing at Easy highlights it" espera 5 09-menu-apontado menu_facil
clica 200 80
confere "a click on Easy starts a game" espera 10 10-jogo jogo
vazia=$(buraco "$saida/10-jogo.png")
vizinha=$((vazia % 4 == 0 ? vazia + 1 : vazia - 1))
clica $((80 + vizinha % 4 * 60 + 30)) $((vizinha / 4 * 60 + 30))
buraco_em() { [ "$(buraco "$1")" = "$vizinha" ]; }
confere "a click slides the tile beside the hole into it (cell $vizinha)" espera 5 11-jogo-clique buraco_em
xwd -silent -id "$janela" | convert xwd:- "$saida/11-jogo-clique-960x720.png"
xdotool windowfocus --sync "$janela" key Escape
confere "back to the menu" espera 5 12-menu menu_normal
clica 200 200
confere "a click on Quit ends the program with status 0" [ "$(termina)" = 0 ]
confere "nothing else on the standard error" so_o_disco

echo "screenshots in $saida"
echo "$((passos - falhas)) passed, $falhas failed"
[ $falhas -eq 0 ]
