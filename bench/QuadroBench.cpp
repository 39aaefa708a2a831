// Per-frame costs of the engine on the 320x240 16-bit dummy screen: draining input, drawing
// a board of sixteen tiles, laying out the panel's text, and a whole main-loop frame with the
// clock's wait turned off. Run from the repository root (the fonts and pictures in data/).
#include <benchmark/benchmark.h>

#include "engine/core/CAcumulador.h"
#include "engine/files/cadeias.h"
#include "engine/files/diretorio.h"
#include "engine/media/CSpriteAnimado.h"
#include "engine/media/CTexto.h"
#include "game/Corvela.h"

namespace {

const int CELULA = 60;
const int BORDA_TABULEIRO = 80;

std::string primeiraFigura()
{
    std::vector<std::string> nomes;
    listaDiretorio("data/bg", nomes, "bmp", false);
    return nomes.empty() ? std::string() : nomes.front();
}

// A screen that draws what the game screen draws in a playing frame.
class TelaMedida : public CModulo {
public:
    bool init() override
    {
        figura.inicializa(CELULA, CELULA, 0, 15, nullptr, 0);
        figura.carregaImagem("data/bg/" + primeiraFigura());
        texto.inicializa(80, 240, "data/fonts/coure.fon", 8);
        cronometro.inicializa(tempo(), 30000);
        return true;
    }

    void ciclo() override
    {
        for (int i = 0; i < 16; ++i)
            figura.desenha(BORDA_TABULEIRO + (i % 4) * CELULA, (i / 4) * CELULA,
                           static_cast<unsigned short>(i));
        const char* linhas[] = {"Wins: 3", "RECORDS", "Moves: 41"};
        int y = 5;
        for (const char* linha : linhas) {
            texto.escreveTexto(linha);
            texto.exibe(4, y, video()->retornaTela(), 100, 255, 255);
            y += 30;
        }
        texto.escreveTexto(cronometro.retornaTempoF());
        texto.exibe(4, 210, video()->retornaTela(), 255, 255, 255);
        cronometro.atualiza();
    }

private:
    CSpriteAnimado figura;
    CTexto texto;
    CAcumulador cronometro;
};

CModulo* criaTelaMedida()
{
    return new TelaMedida;
}

void BM_QuadroInteiro(benchmark::State& estado)
{
    Corvela jogo;
    jogo.init();
    for (int n = 0; n < Corvela::NUM_MODULOS; ++n)
        jogo.defFabrica(n, criaTelaMedida);
    jogo.retornaRelogio()->ajustaIntervalos(0, 50);
    jogo.defProxModulo(0);
    jogo.carregaModuloMem();
    for (auto _ : estado)
        jogo.executaQuadro();
}
BENCHMARK(BM_QuadroInteiro);

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
