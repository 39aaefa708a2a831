// roteiro: what every program that runs the game's screens on a script shares (the tests, the
// picture tools, the benchmarks): a scripted tick source for the frame clock and real SDL key
// events. Depends on SDL.
#ifndef CORVELA_ROTEIRO_H
#define CORVELA_ROTEIRO_H

#include <SDL.h>

#include <deque>

namespace roteiro {

const Uint32 QUADRO_MS = 33;
// No screen of the game waits longer than this many frames for its next step.
const int QUADROS_MAXIMOS = 2000;

// A CRelogio tick source (contexto: the Ticks): the scripted values in fila first, one per
// read; then it moves on by passo at every read, so each frame lasts one step and the clock's
// wait always ends.
struct Ticks {
    std::deque<Uint32> fila;
    Uint32 agora = 0;
    Uint32 passo = QUADRO_MS;
    unsigned leituras = 0;

    static Uint32 le(void* contexto)
    {
        Ticks* t = static_cast<Ticks*>(contexto);
        ++t->leituras;
        if (t->fila.empty()) {
            t->agora += t->passo;
        } else {
            t->agora = t->fila.front();
            t->fila.pop_front();
        }
        return t->agora;
    }
};

inline void empurraTecla(SDLKey tecla, bool desce)
{
    SDL_Event ev = {};
    ev.type = desce ? SDL_KEYDOWN : SDL_KEYUP;
    ev.key.type = ev.type;
    ev.key.state = desce ? SDL_PRESSED : SDL_RELEASED;
    ev.key.keysym.sym = tecla;
    SDL_PushEvent(&ev);
}

// A mouse event at the window's point (x, y): SDL_MOUSEMOTION, or SDL_MOUSEBUTTONDOWN or UP
// of a button.
inline void empurraPonteiro(Uint8 tipo, Uint16 x, Uint16 y, Uint8 botao = SDL_BUTTON_LEFT)
{
    SDL_Event ev = {};
    ev.type = tipo;
    if (tipo == SDL_MOUSEMOTION) {
        ev.motion.type = tipo;
        ev.motion.x = x;
        ev.motion.y = y;
    } else {
        ev.button.type = tipo;
        ev.button.button = botao;
        ev.button.state = tipo == SDL_MOUSEBUTTONDOWN ? SDL_PRESSED : SDL_RELEASED;
        ev.button.x = x;
        ev.button.y = y;
    }
    SDL_PushEvent(&ev);
}

// An event of the first controller: a button (SDL_JOYBUTTONDOWN/UP, valor its number), the
// first hat (SDL_JOYHATMOTION, valor its SDL_HAT_* bits) or an axis (SDL_JOYAXISMOTION of
// eixo, valor its position).
inline void empurraControle(Uint8 tipo, int valor, Uint8 eixo = 0)
{
    SDL_Event ev = {};
    ev.type = tipo;
    if (tipo == SDL_JOYHATMOTION) {
        ev.jhat.type = tipo;
        ev.jhat.value = static_cast<Uint8>(valor);
    } else if (tipo == SDL_JOYAXISMOTION) {
        ev.jaxis.type = tipo;
        ev.jaxis.axis = eixo;
        ev.jaxis.value = static_cast<Sint16>(valor);
    } else {
        ev.jbutton.type = tipo;
        ev.jbutton.button = static_cast<Uint8>(valor);
        ev.jbutton.state = tipo == SDL_JOYBUTTONDOWN ? SDL_PRESSED : SDL_RELEASED;
    }
    SDL_PushEvent(&ev);
}

}  // namespace roteiro

#endif
