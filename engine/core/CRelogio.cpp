// CRelogio: frame pacing by sleep then poll, and the counted frame length.
#include "engine/core/CRelogio.h"

#include <algorithm>
#include <cstdint>

#include "engine/plataforma/plataforma.h"

namespace {

// The margin is at most intervaloMin over this, so that even a system whose every wake-up is
// late leaves most of a frame asleep.
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

CRelogio::CRelogio() : fonteTicks(ticksPlataforma), contextoTicks(nullptr), proximaSobra(0)
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
    fechaQuadro();
    tempoAnterior = t;
}

void CRelogio::registraSono(Uint32 alvo, Uint32 t)
{
    // Early (a signal cut the sleep short) counts as on time.
    const Sint32 atraso = static_cast<Sint32>(t - alvo);
    if (atraso > 0)
        sobraQuadro = std::max(sobraQuadro, static_cast<Uint32>(atraso));
}

void CRelogio::fechaQuadro()
{
    sobras[proximaSobra] = static_cast<Uint8>(std::min<Uint32>(sobraQuadro, UINT8_MAX));
    proximaSobra = (proximaSobra + 1) % JANELA_QUADROS;
    sobraQuadro = 0;
    // The largest m that more than half of the frames reached.
    margemMedida = 0;
    for (Uint32 m = 1; m <= UINT8_MAX; ++m) {
        Uint32 alcancaram = 0;
        for (Uint8 s : sobras)
            alcancaram += s >= m;
        if (alcancaram <= JANELA_QUADROS / 2)
            break;
        margemMedida = m;
    }
}

Uint32 CRelogio::retornaMargem() const
{
    return std::min(margemMedida, intervaloMin / DIVISOR_MARGEM);
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
    std::fill(sobras, sobras + JANELA_QUADROS, static_cast<Uint8>(SOBRA_INICIAL));
    sobraQuadro = 0;
    margemMedida = SOBRA_INICIAL;
}
