// CRelogio: frame pacing by sleep then poll, and the counted frame length.
#include "engine/core/CRelogio.h"

#include <algorithm>

#include "engine/plataforma/plataforma.h"

namespace {

// The margin is at most intervaloMin over this: a wake-up late by more than that is not one
// that polling could have caught, and a larger margin would leave little of a frame asleep.
const Uint32 DIVISOR_MARGEM = 3;

Uint32 ticksPlataforma(void*)
{
    return plataforma::ticks();
}

void dormePlataforma(Uint32 alvo, void*)
{
    plataforma::dormeAte(alvo);
}

}  // namespace

CRelogio::CRelogio() : fonteTicks(ticksPlataforma), contextoTicks(nullptr)
{
    defDormidor(dormePlataforma, nullptr);
    inicializa();
    nomeClasse = "CRelogio";
}

void CRelogio::inicializa()
{
    tempoAnterior = leTicks();
    intervalo = 0;
    fps = 0;
    quadros = 0;
    acumulado = 0;
    intervaloMin = INTERVALO_MIN_PADRAO;
    intervaloMax = INTERVALO_MAX_PADRAO;
}

void CRelogio::atualiza()
{
    Uint32 t;
    bool dormiu = false;
    Uint32 alvo = 0;
    intervalo = 0;
    for (;;) {
        t = leTicks();
        if (dormiu) {
            registraSono(alvo, t);
            dormiu = false;
        }
        intervalo = t > tempoAnterior ? t - tempoAnterior : 0;
        if (t < tempoAnterior)
            tempoAnterior = t;  // the counter went backwards: measure from here
        if (intervalo >= intervaloMin)
            break;
        const Uint32 falta = intervaloMin - intervalo;
        const Uint32 margem = retornaMargem();
        if (dormidor != nullptr && falta > margem) {
            alvo = t + falta - margem;
            dormidor(alvo, contextoDormidor);
            dormiu = true;
        }
    }

    if (intervalo > intervaloMax)
        intervalo = intervaloMax;

    acumulado += intervalo;
    ++quadros;
    if (acumulado >= JANELA_FPS) {
        fps = quadros;
        quadros = 0;
        acumulado = 0;
    }
    // Counted in frames, not sleeps: a clock that stopped sleeping still forgets.
    if (++quadrosJanela >= JANELA_QUADROS) {
        piorSobraAnterior = piorSobraAtual;
        piorSobraAtual = 0;
        quadrosJanela = 0;
    }
    tempoAnterior = t;
}

void CRelogio::registraSono(Uint32 alvo, Uint32 t)
{
    // Early (a signal cut the sleep short) counts as on time.
    const Sint32 atraso = static_cast<Sint32>(t - alvo);
    if (atraso > 0)
        piorSobraAtual = std::max(piorSobraAtual, static_cast<Uint32>(atraso));
}

Uint32 CRelogio::retornaMargem() const
{
    return std::min(std::max(piorSobraAtual, piorSobraAnterior), intervaloMin / DIVISOR_MARGEM);
}

void CRelogio::reset()
{
    tempoAnterior = leTicks();
}

void CRelogio::ajustaIntervalos(unsigned min, unsigned max)
{
    intervaloMin = min;
    intervaloMax = max;
}

void CRelogio::defFonteTicks(FonteTicks fonte, void* contexto)
{
    fonteTicks = fonte != nullptr ? fonte : ticksPlataforma;
    contextoTicks = fonte != nullptr ? contexto : nullptr;
    defDormidor(fonte != nullptr ? nullptr : dormePlataforma, nullptr);
}

void CRelogio::defDormidor(Dormidor dormidor, void* contexto)
{
    this->dormidor = dormidor;
    contextoDormidor = contexto;
    piorSobraAtual = 0;
    piorSobraAnterior = SOBRA_INICIAL;
    quadrosJanela = 0;
}
