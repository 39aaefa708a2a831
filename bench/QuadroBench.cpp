// Per-frame costs on the 320x240 16-bit dummy screen: one whole main-loop frame of each
// measured screen (cenas), showing a frame in a scaled window, laying out the panel's text,
// and draining input. Run from the
// repository root (the fonts and pictures in data/).
#include <benchmark/benchmark.h>

#include "cenas/cenas.h"
#include "engine/files/cadeias.h"
#include "engine/media/CTexto.h"

namespace {

// One main-loop frame of a screen in its measured state; the clock never waits.
void BM_Ciclo(benchmark::State& estado, const cenas::Cena* cena)
{
    Partida bancada;
    if (!bancada.inicia() || !cena->prepara(bancada)) {
        estado.SkipWithError("the screen could not be reached");
        return;
    }
    for (auto _ : estado)
        bancada.jogo().executaQuadro();
}

const bool registrados = [] {
    for (const cenas::Cena& c : cenas::todas()) {
        benchmark::internal::Benchmark* b = benchmark::RegisterBenchmark(
            (std::string("BM_Ciclo/") + c.nome).c_str(), BM_Ciclo, &c);
        if (c.duracao > 0)
            b->Iterations(c.duracao);
    }
    return true;
}();

// The game screen's frame shown in a window scaled by the argument: the scaling and the flip.
void BM_Ampliacao(benchmark::State& estado)
{
    Partida bancada;
    CVideo& video = *bancada.jogo().retornaVideo();
    video.defEscala(static_cast<Uint8>(estado.range(0)));
    if (!bancada.inicia() || !cenas::procura("jogo")->prepara(bancada)) {
        estado.SkipWithError("the screen could not be reached");
        return;
    }
    for (auto _ : estado)
        video.apresenta();
}
BENCHMARK(BM_Ampliacao)->Arg(2)->Arg(3)->Arg(4);

void BM_TextoDoPainel(benchmark::State& estado)
{
    SDL_Init(SDL_INIT_VIDEO);
    SDL_Surface* tela = SDL_SetVideoMode(320, 240, 16, 0);
    CTexto texto;
    texto.inicializa(80, 240, "data/fonts/coure.fon", 8);
    int i = 0;
    for (auto _ : estado) {
        texto.escreveTexto("Moves: " + itos(i++));
        texto.exibe(4, 180, tela, 255, 255, 255);
    }
    SDL_Quit();
}
BENCHMARK(BM_TextoDoPainel);

void BM_DescarregaFila(benchmark::State& estado)
{
    SDL_Init(SDL_INIT_VIDEO);
    SDL_SetVideoMode(320, 240, 16, 0);
    CEvento evento;
    evento.carregaConfigTeclasPadrao();
    SDL_Event ev = {};
    for (auto _ : estado) {
        for (int k = 0; k < 4; ++k) {
            ev.type = (k % 2 == 0) ? SDL_KEYDOWN : SDL_KEYUP;
            ev.key.keysym.sym = SDLK_UP;
            SDL_PushEvent(&ev);
        }
        evento.descarregaFila();
        benchmark::DoNotOptimize(evento.subiu(0));
    }
    SDL_Quit();
}
BENCHMARK(BM_DescarregaFila);

}  // namespace

BENCHMARK_MAIN();
