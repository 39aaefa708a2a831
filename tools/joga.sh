#!/usr/bin/env bash
# Starts the game from the directory that holds data/, after checking that there is a screen
# and a sound device to play on; says in one line what is missing instead of failing later.
set -u
binario=$1
cd "$(dirname "$0")/.."

if [ -z "${SDL_VIDEODRIVER:-}" ] && [ -z "${DISPLAY:-}" ] && [ ! -e /dev/fb0 ]; then
  echo "corvela: no display found (DISPLAY is unset): run it under 'xvfb-run make run', or with SDL_VIDEODRIVER=dummy to run without a picture." >&2
  exit 1
fi
pulso="${XDG_RUNTIME_DIR:-/run/user/$(id -u)}/pulse/native"
if [ -z "${SDL_AUDIODRIVER:-}" ] && [ ! -e /dev/snd ] && [ ! -e /dev/dsp ] && [ ! -S "$pulso" ] && [ -z "${PULSE_SERVER:-}" ]; then
  echo "corvela: no sound device found: run with SDL_AUDIODRIVER=dummy (silent) or SDL_AUDIODRIVER=disk (writes the sound to sdlaudio.raw)." >&2
  exit 1
fi
exec "$binario"
