// roteiro: what the tools that run the real screens frame by frame share: a scripted tick
// source that makes every frame last one 33 ms step, and real SDL key events. Depends on SDL.
#ifndef CORVELA_ROTEIRO_H
#define CORVELA_ROTEIRO_H

#include <SDL.h>

namespace roteiro {

const Uint32 QUADRO_MS = 33;
// No screen of the game waits longer than this many frames for its next step.
const int QUADROS_MAXIMOS = 2000;

// A CRelogio tick source: contexto is a Uint32 that moves on by QUADRO_MS at every read.
inline Uint32 relogio(void* contexto)
{
    Uint32* agora = static_cast<Uint32*>(contexto);
    *agora += QUADRO_MS;
    return *agora;
}

inline void empurraTecla(SDLKey tecla, bool desce)
{
    SDL_Event ev = {};
    ev.type = desce ? SDL_KEYDOWN : SDL_KEYUP;
    ev.key.type = ev.type;
    ev.key.state = desce ? SDL_PRESSED : SDL_RELEASED;
    ev.key.keysym.sym = tecla;
    SDL_PushEvent(&ev);
}

}  // namespace roteiro

#endif
