// CRelogio: the frame clock. Paces the main loop on a tick source and counts every frame as
// a clamped length that drives all game time. Between frames it sleeps to the moment the
// frame may end, less a margin for late wake-ups that it polls through. Depends on SDL's
// types and, by default, on the platform's counter and sleep (engine/plataforma).
#ifndef CZORVO_CRELOGIO_H
#define CZORVO_CRELOGIO_H

#include <SDL.h>

#include "engine/core/CPaiMestre.h"

class CRelogio : public CPaiMestre {
public:
    // Where the clock reads milliseconds. The platform's counter unless replaced (tests do).
    typedef Uint32 (*FonteTicks)(void* contexto);
    // Sleeps until about the moment the tick source reads alvo; may wake late, or early, and
    // the clock measures by how much.
    typedef void (*Dormidor)(Uint32 alvo, void* contexto);

    static constexpr Uint32 INTERVALO_MIN_PADRAO = 33;
    static constexpr Uint32 INTERVALO_MAX_PADRAO = 50;
    static constexpr Uint32 JANELA_FPS = 1000;
    // Lateness assumed before any is measured: one tick of a 100 Hz kernel, whose sleeps end
    // only on its ticks (the handheld's).
    static constexpr Uint32 SOBRA_INICIAL = 10;
    // The margin is the lateness that more than half of the last JANELA_QUADROS frames'
    // sleeps reached (a frame that did not sleep counts as on time). A lateness that keeps
    // coming back, as with a coarse system timer, is polled through; one that comes now and
    // then (a stop, a suspend, a busy machine) is not: polling would not have caught it, and
    // would only take the core from whatever keeps the machine busy.
    static constexpr Uint32 JANELA_QUADROS = 30;

    CRelogio();
    virtual ~CRelogio() {}

    // Starts over from the current tick: no frame counted, default interval bounds.
    void inicializa();
    // Ends a frame: waits until it has lasted intervaloMin, then counts it as at most
    // intervaloMax. Sleeps to retornaMargem() before that moment, then polls the ticks.
    // Called once per frame by the main loop and by nothing else.
    void atualiza();
    // Forgets the time since the last frame.
    void reset();
    void ajustaIntervalos(unsigned min, unsigned max);
    Uint32 retornaFPS() const { return fps; }
    // Counted length of the last frame; 0 before the first.
    Uint32 retornaIntervalo() const { return intervalo; }
    // Milliseconds of each wait left to polling: the recent lateness of the sleeps (see
    // JANELA_QUADROS), at most a third of intervaloMin, so that the clock always sleeps
    // through most of a frame.
    Uint32 retornaMargem() const;

    // A null fonte restores the platform's counter and sleep. Any other fonte also turns
    // sleeping off (a scripted counter would not move while the clock slept) until
    // defDormidor. Takes effect from the next read.
    void defFonteTicks(FonteTicks fonte, void* contexto);
    // Null: never sleep, poll only. Starts the lateness estimate over.
    void defDormidor(Dormidor dormidor, void* contexto);

private:
    Uint32 leTicks() const { return fonteTicks(contextoTicks); }
    // Takes in the lateness of a sleep to alvo, read at tick t after it.
    void registraSono(Uint32 alvo, Uint32 t);
    // Ends the frame's part of the lateness estimate and works the margin out again.
    void fechaQuadro();

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
    Uint8 sobras[JANELA_QUADROS];  // lateness of each recent frame's sleeps, ms, at most 255
    Uint32 proximaSobra;           // where the current frame's goes
    Uint32 sobraQuadro;            // worst lateness of the current frame's sleeps
    Uint32 margemMedida;           // worked out at the end of each frame, before the bound
};

#endif
