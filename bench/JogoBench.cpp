// Per-frame cost of the game screen on the 320x240 16-bit dummy screen: a whole main-loop
// frame (input, clear, the screen's ciclo, flip) while playing with the tile numbers on, and
// while showing "CLEAR!", with the clock's wait turned off. Run from the repository root.
#include <benchmark/benchmark.h>

#include "game/Corvela.h"
#include "game/Jogo.h"

namespace {

// A game screen entered as the menu enters it, on the Normal difficulty.
struct Partida {
    Partida()
    {
        projeto.init();
        projeto.retornaRelogio()->ajustaIntervalos(0, CRelogio::INTERVALO_MAX_PADRAO);
        projeto.dificuldade = Jogo::NORMAL;
        projeto.defProxModulo(Corvela::JOGO);
        projeto.carregaModuloMem();  // writes the picture list to the standard output
    }
    Jogo& jogo() { return *static_cast<Jogo*>(projeto.retornaModulo()); }

    Corvela projeto;
};

void BM_JogoJogandoComAjuda(benchmark::State& estado)
{
    Partida p;
    p.jogo().retornaTabuleiro().trocaAjuda();
    for (auto _ : estado)
        p.projeto.executaQuadro();
    if (p.jogo().retornaLimpo() || !p.jogo().retornaTabuleiro().retornaAjuda())
        estado.SkipWithError("left the playing state");
}
BENCHMARK(BM_JogoJogandoComAjuda);

void BM_JogoClear(benchmark::State& estado)
{
    Partida p;
    Tabuleiro& t = p.jogo().retornaTabuleiro();
    for (unsigned k = 1; k < 16; ++k)
        t.troca(static_cast<unsigned char>(k), t.buscaPosicao(k)->numero);
    p.projeto.executaQuadro();  // the win
    for (auto _ : estado)
        p.projeto.executaQuadro();
    if (!p.jogo().retornaLimpo())
        estado.SkipWithError("not on the CLEAR! screen");
}
BENCHMARK(BM_JogoClear);

}  // namespace
