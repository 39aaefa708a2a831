// Test support shared by the engine's and the game's tests: scripted tick sources for the
// frame clock, real SDL key events, and small WAV files written on the spot.
#ifndef CORVELA_TESTES_APOIO_H
#define CORVELA_TESTES_APOIO_H

#include <SDL.h>

#include <deque>
#include <string>

#include "tools/roteiro/roteiro.h"

namespace apoio {

// A tick source that returns the scripted values in order, then counts up by one per read,
// so the clock's busy wait always ends.
struct RoteiroTicks {
    std::deque<Uint32> valores;
    Uint32 ultimo = 0;
    unsigned leituras = 0;

    static Uint32 le(void* contexto)
    {
        RoteiroTicks* r = static_cast<RoteiroTicks*>(contexto);
        ++r->leituras;
        if (!r->valores.empty()) {
            r->ultimo = r->valores.front();
            r->valores.pop_front();
        } else {
            ++r->ultimo;
        }
        return r->ultimo;
    }
};

// A tick source that moves forward by a fixed step on every read: each frame lasts one step.
struct TicksPasso {
    Uint32 agora = 0;
    Uint32 passo = 33;

    static Uint32 le(void* contexto)
    {
        TicksPasso* t = static_cast<TicksPasso*>(contexto);
        t->agora += t->passo;
        return t->agora;
    }
};

// A real key event for the next frame's queue: the same one the picture tools push.
using roteiro::empurraTecla;

// A mono 16-bit WAV of a sine tone, long enough to still be playing while a test looks.
bool escreveWavTom(const std::string& caminho, unsigned milissegundos, unsigned frequencia = 22050);

}  // namespace apoio

#endif
