// Per-frame cost of the intro, the main menu and a credits page: whole main-loop frames of
// the real modules on the 320x240 16-bit dummy screen, after a scripted warm-up has brought
// each screen to a typical frame, with game time then frozen (the clock counts 0 ms a frame
// and does not wait) so the screen stays on that frame. Run from the repository root with
// SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy.
#include <benchmark/benchmark.h>

#include "game/Corvela.h"

namespace {

const Uint32 QUADRO_MS = 33;

Uint32 ticksRoteirizados(void* contexto)
{
    Uint32* agora = static_cast<Uint32*>(contexto);
    *agora += QUADRO_MS;
    return *agora;
}

// Runs `quadrosAntes` frames of 33 ms of the module, then measures frames of it.
void BM_Tela(benchmark::State& estado, int modulo, int quadrosAntes)
{
    Uint32 agora = 0;
    Corvela jogo;
    jogo.retornaRelogio()->defFonteTicks(ticksRoteirizados, &agora);
    jogo.retornaRelogio()->inicializa();
    if (!jogo.init()) {
        estado.SkipWithError("no video mode");
        return;
    }
    jogo.defProxModulo(modulo);
    jogo.carregaModuloMem();
    for (int i = 0; i < quadrosAntes; ++i)
        jogo.executaQuadro();
    jogo.retornaRelogio()->ajustaIntervalos(0, 0);
    jogo.executaQuadro();
    for (auto _ : estado)
        jogo.executaQuadro();
}

// The intro at 2.6 s: the faded-in logo animating, with its two lines.
BENCHMARK_CAPTURE(BM_Tela, apresentacao, static_cast<int>(Corvela::APRESENTACAO), 80);
// The menu: the title picture and five rows of TrueType text.
BENCHMARK_CAPTURE(BM_Tela, menu, static_cast<int>(Corvela::MENU), 1);
// The credits' second page, the one with the most text.
BENCHMARK_CAPTURE(BM_Tela, creditos, static_cast<int>(Corvela::CREDITOS), 220);

}  // namespace
