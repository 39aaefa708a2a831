// CRelogio: the frame clock. Paces the main loop by busy-waiting on a tick source and
// counts every frame as a clamped length that drives all game time. Depends on SDL's tick
// counter by default.
#ifndef CZORVO_CRELOGIO_H
#define CZORVO_CRELOGIO_H

#include <SDL.h>

#include "engine/core/CPaiMestre.h"

class CRelogio : public CPaiMestre {
public:
    // Where the clock reads milliseconds. SDL's counter unless replaced (tests do).
    typedef Uint32 (*FonteTicks)(void* contexto);

    static constexpr Uint32 INTERVALO_MIN_PADRAO = 33;
    static constexpr Uint32 INTERVALO_MAX_PADRAO = 50;
    static constexpr Uint32 JANELA_FPS = 1000;

    CRelogio();
    virtual ~CRelogio() {}

    // Starts over from the current tick: no frame counted, default interval bounds.
    void inicializa();
    // Ends a frame: waits until it has lasted intervaloMin, then counts it as at most
    // intervaloMax. Called once per frame by the main loop and by nothing else.
    void atualiza();
    // Forgets the time since the last frame.
    void reset();
    void ajustaIntervalos(unsigned min, unsigned max);
    Uint32 retornaFPS() const { return fps; }
    // Counted length of the last frame; 0 before the first.
    Uint32 retornaIntervalo() const { return intervalo; }

    // A null fonte restores SDL's counter. Takes effect from the next read.
    void defFonteTicks(FonteTicks fonte, void* contexto);

private:
    Uint32 leTicks() const { return fonteTicks(contextoTicks); }

    Uint32 tempoAnterior;
    Uint32 acumulado;
    Uint32 quadros;
    Uint32 fps;
    Uint32 intervaloMin;
    Uint32 intervaloMax;
    Uint32 intervalo;

    FonteTicks fonteTicks;
    void* contextoTicks;
};

#endif
