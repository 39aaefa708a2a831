// CRelogio: frame pacing by busy wait, and the counted frame length.
#include "engine/core/CRelogio.h"

namespace {

Uint32 ticksSDL(void*)
{
    return SDL_GetTicks();
}

}  // namespace

CRelogio::CRelogio() : fonteTicks(ticksSDL), contextoTicks(nullptr)
{
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
    // Busy poll: the handheld's SDL_Delay is far too coarse for 33 ms frames.
    Uint32 t;
    intervalo = 0;
    do {
        t = leTicks();
        intervalo = t > tempoAnterior ? t - tempoAnterior : 0;
        if (t < tempoAnterior)
            tempoAnterior = t;  // the counter went backwards: measure from here
    } while (intervalo < intervaloMin);

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
}
