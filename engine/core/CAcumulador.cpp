// CAcumulador: game-time timer on the frame clock, and its "hh:mm:ss" text.
#include "engine/core/CAcumulador.h"

#include "engine/core/CRelogio.h"
#include "engine/files/cadeias.h"

namespace {

const Uint32 MS_POR_SEGUNDO = 1000;
const Uint32 SEGUNDOS_POR_HORA = 3600;
const Uint32 SEGUNDOS_POR_MINUTO = 60;
const Uint32 MENOR_DOIS_DIGITOS = 10;

std::string doisDigitos(Uint32 valor)
{
    const std::string texto = itos(static_cast<int>(valor));
    return valor < MENOR_DOIS_DIGITOS ? "0" + texto : texto;
}

}  // namespace

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
    const Uint32 segundos = tempoAcumulado / MS_POR_SEGUNDO;
    const Uint32 horas = segundos / SEGUNDOS_POR_HORA;
    const Uint32 minutos = (segundos % SEGUNDOS_POR_HORA) / SEGUNDOS_POR_MINUTO;
    const Uint32 resto = (segundos % SEGUNDOS_POR_HORA) % SEGUNDOS_POR_MINUTO;
    return doisDigitos(horas) + ":" + doisDigitos(minutos) + ":" + doisDigitos(resto);
}
