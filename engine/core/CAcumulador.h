// CAcumulador: a game-time timer that follows the frame clock. Depends on CRelogio and on
// textoTempo (engine/files/cadeias.h) for the time text.
#ifndef CZORVO_CACUMULADOR_H
#define CZORVO_CACUMULADOR_H

#include <SDL.h>

#include <string>

#include "engine/core/CPaiMestre.h"

class CRelogio;

// Adds the clock's counted frame length once per frame and compares the sum with a limit.
// Time spent in frames longer than the clock's maximum is therefore not counted.
class CAcumulador : public CPaiMestre {
public:
    // No clock and a limit of 0 until inicializa.
    CAcumulador();
    CAcumulador(CRelogio* relogio, unsigned limite);

    // Sets the clock and the limit; the time already accumulated stays.
    void inicializa(CRelogio* relogio, unsigned limite);
    // Adds the clock's last frame length; does nothing without a clock.
    void atualiza();
    bool terminou() const { return tempoAcumulado >= limite; }
    // Keeps only the remainder below one frame length, so a repeating timer stays in step
    // with the frames. Without a clock, or before the clock's first frame, starts from 0.
    void reinicia();
    // Changes the limit; the time accumulated stays.
    void mudaLimite(unsigned limite) { this->limite = limite; }
    Uint32 retornaTempo() const { return tempoAcumulado; }
    // "hh:mm:ss": each field with a leading 0 below 10; hours are not wrapped at 24.
    std::string retornaTempoF() const;

private:
    CRelogio* relogio;  // not owned; may be null
    Uint32 tempoAcumulado;
    Uint32 limite;
};

#endif
