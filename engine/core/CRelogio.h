// CRelogio: the frame clock. Paces the main loop on a tick source and counts every frame as
// a clamped length that drives all game time. Between frames it sleeps through the part of
// the wait that the system's sleep can be trusted with and polls the ticks for the rest.
// Depends on SDL's tick counter and SDL_Delay by default.
#ifndef CZORVO_CRELOGIO_H
#define CZORVO_CRELOGIO_H

#include <SDL.h>

#include "engine/core/CPaiMestre.h"

class CRelogio : public CPaiMestre {
public:
    // Where the clock reads milliseconds. SDL's counter unless replaced (tests do).
    typedef Uint32 (*FonteTicks)(void* contexto);
    // Sleeps about ms milliseconds; may overshoot, and the clock measures by how much.
    typedef void (*Dormidor)(Uint32 ms, void* contexto);

    static constexpr Uint32 INTERVALO_MIN_PADRAO = 33;
    static constexpr Uint32 INTERVALO_MAX_PADRAO = 50;
    static constexpr Uint32 JANELA_FPS = 1000;
    // Overshoot assumed before any is measured: one tick of a 100 Hz kernel.
    static constexpr Uint32 SOBRA_INICIAL = 10;
    // The overshoot estimate is the worst of the current and the previous window of sleeps.
    static constexpr Uint32 JANELA_SONOS = 30;
    // Added to the estimate: the tick counter is read in whole milliseconds.
    static constexpr Uint32 FOLGA = 1;

    CRelogio();
    virtual ~CRelogio() {}

    // Starts over from the current tick: no frame counted, default interval bounds.
    void inicializa();
    // Ends a frame: waits until it has lasted intervaloMin, then counts it as at most
    // intervaloMax. Sleeps only while more than retornaMargem() of the wait remains.
    // Called once per frame by the main loop and by nothing else.
    void atualiza();
    // Forgets the time since the last frame.
    void reset();
    void ajustaIntervalos(unsigned min, unsigned max);
    Uint32 retornaFPS() const { return fps; }
    // Counted length of the last frame; 0 before the first.
    Uint32 retornaIntervalo() const { return intervalo; }
    // Milliseconds of each wait left to polling: the worst recent overshoot plus FOLGA.
    Uint32 retornaMargem() const;

    // A null fonte restores SDL's counter and SDL_Delay. Any other fonte also turns sleeping
    // off (a scripted counter would not move while the clock slept) until defDormidor.
    // Takes effect from the next read.
    void defFonteTicks(FonteTicks fonte, void* contexto);
    // Null: never sleep, poll only. Starts the overshoot estimate over.
    void defDormidor(Dormidor dormidor, void* contexto);

private:
    Uint32 leTicks() const { return fonteTicks(contextoTicks); }
    // Takes in how far a sleep of `pedido` ms begun at tick `inicio` ran, read at tick t.
    void registraSono(Uint32 inicio, Uint32 pedido, Uint32 t);

    Uint32 tempoAnterior;
    Uint32 acumulado;
    Uint32 quadros;
    Uint32 fps;
    Uint32 intervaloMin;
    Uint32 intervaloMax;
    Uint32 intervalo;

    FonteTicks fonteTicks;
    void* contextoTicks;
    Dormidor dormidor;
    void* contextoDormidor;
    Uint32 piorSobraAtual;
    Uint32 piorSobraAnterior;
    Uint32 sonos;  // sleeps in the current window
};

#endif
