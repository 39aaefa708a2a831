// CAcumulador: game-time timer on the frame clock, and its "hh:mm:ss" text.
#include "engine/core/CAcumulador.h"

#include "engine/core/CRelogio.h"
#include "engine/files/cadeias.h"

CAcumulador::CAcumulador() : relogio(nullptr), tempoAcumulado(0), limite(0)
{
    nomeClasse = "CAcumulador";
}

CAcumulador::CAcumulador(CRelogio* relogio, unsigned limite)
    : relogio(relogio), tempoAcumulado(0), limite(limite)
{
    nomeClasse = "CAcumulador";
}

void CAcumulador::inicializa(CRelogio* relogio, unsigned limite)
{
    this->relogio = relogio;
    this->limite = limite;
}

void CAcumulador::atualiza()
{
    if (relogio != nullptr)
        tempoAcumulado += relogio->retornaIntervalo();
}

void CAcumulador::reinicia()
{
    const Uint32 quadro = relogio != nullptr ? relogio->retornaIntervalo() : 0;
    tempoAcumulado = quadro != 0 ? tempoAcumulado % quadro : 0;
}

std::string CAcumulador::retornaTempoF() const
{
    return textoTempo(tempoAcumulado);
}
