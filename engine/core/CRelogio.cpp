// CRelogio: frame pacing by sleep then poll, and the counted frame length.
#include "engine/core/CRelogio.h"

#include <algorithm>

namespace {

Uint32 ticksSDL(void*)
{
    return SDL_GetTicks();
}

void dormeSDL(Uint32 ms, void*)
{
    SDL_Delay(ms);
}

}  // namespace

CRelogio::CRelogio() : fonteTicks(ticksSDL), contextoTicks(nullptr)
{
    defDormidor(dormeSDL, nullptr);
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
    // The handheld's sleep is too coarse to end a 33 ms frame on time, so the clock sleeps
    // only while more than the worst recent overshoot is left, then polls the ticks.
    Uint32 t;
    bool dormiu = false;
    Uint32 inicioSono = 0;
    Uint32 pedido = 0;
    intervalo = 0;
    for (;;) {
        t = leTicks();
        if (dormiu) {
            registraSono(inicioSono, pedido, t);
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
            pedido = falta - margem;
            inicioSono = t;
            dormidor(pedido, contextoDormidor);
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
    tempoAnterior = t;
}

void CRelogio::registraSono(Uint32 inicio, Uint32 pedido, Uint32 t)
{
    if (t >= inicio) {
        const Uint32 passou = t - inicio;
        piorSobraAtual = std::max(piorSobraAtual, passou > pedido ? passou - pedido : 0);
    }
    if (++sonos >= JANELA_SONOS) {
        piorSobraAnterior = piorSobraAtual;
        piorSobraAtual = 0;
        sonos = 0;
    }
}

Uint32 CRelogio::retornaMargem() const
{
    return std::max(piorSobraAtual, piorSobraAnterior) + FOLGA;
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
    fonteTicks = fonte != nullptr ? fonte : ticksSDL;
    contextoTicks = fonte != nullptr ? contexto : nullptr;
    defDormidor(fonte != nullptr ? nullptr : dormeSDL, nullptr);
}

void CRelogio::defDormidor(Dormidor dormidor, void* contexto)
{
    this->dormidor = dormidor;
    contextoDormidor = contexto;
    piorSobraAtual = 0;
    piorSobraAnterior = SOBRA_INICIAL;
    sonos = 0;
}
