// TelaEspera: a screen that shows nothing and waits; it stands for each screen of the
// module table that is not built yet. Depends on CModulo.
#ifndef CORVELA_TELAESPERA_H
#define CORVELA_TELAESPERA_H

#include "engine/core/CModulo.h"

class TelaEspera : public CModulo {
public:
    TelaEspera() { nomeClasse = "TelaEspera"; }

    bool init() override { return true; }
    // The main loop has already cleared the screen; there is nothing to add.
    void ciclo() override {}
};

#endif
