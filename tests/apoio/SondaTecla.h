// SondaTecla: whether pressing an SDL key, through SDL's event queue, reaches a logical key.
#ifndef CORVELA_TESTES_SONDATECLA_H
#define CORVELA_TESTES_SONDATECLA_H

#include "engine/core/CEvento.h"
#include "tests/apoio/Apoio.h"

inline bool aciona(CEvento& evento, SDLKey tecla, unsigned char codigo)
{
    roteiro::empurraTecla(tecla, true);
    evento.descarregaFila();
    const bool ativada = evento.ativado(codigo);
    roteiro::empurraTecla(tecla, false);
    evento.descarregaFila();
    return ativada;
}

#endif
