// TelaMedida: a screen that draws what a playing frame of the game screen draws (sixteen
// tiles of a puzzle picture and four panel lines), built from the engine alone, so the
// engine's cost per frame can be measured apart from the game's screens.
// Depends on CModulo, CSpriteAnimado, CTexto, CAcumulador.
#ifndef CORVELA_BENCH_TELAMEDIDA_H
#define CORVELA_BENCH_TELAMEDIDA_H

#include "engine/core/CAcumulador.h"
#include "engine/core/CModulo.h"
#include "engine/media/CSpriteAnimado.h"
#include "engine/media/CTexto.h"

class TelaMedida : public CModulo {
public:
    TelaMedida() { nomeClasse = "TelaMedida"; }

    // Loads the first picture of data/bg and the panel font.
    bool init() override;
    void ciclo() override;

private:
    CSpriteAnimado figura;
    CTexto texto;
    CAcumulador cronometro;
};

#endif
