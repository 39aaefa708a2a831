// corvela-previa: draws the preview sheets of what no screen shows as it is: every puzzle
// picture whole, side by side, and the message box the game sets up but never draws. The
// screens themselves are captured from the running modules by corvela-capturas.
// Usage: corvela-previa <data directory's parent> <output directory>
// Depends on the engine library, folha.h (zlib through png.h) and linhaDeComando.h.
#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "engine/files/diretorio.h"
#include "engine/media/CMensagem.h"
#include "engine/media/CSprite.h"
#include "folha.h"
#include "linhaDeComando.h"

namespace {

const int LARGURA = 320;
const int ALTURA = 240;
const int LADO_FIGURA = 240;
const int LARGURA_PAINEL = 80;
const int FIGURAS_POR_LINHA = 4;
const char* FONTE_BITMAP = "data/fonts/coure.fon";

SDL_Surface* tela()
{
    return SDL_GetVideoSurface();
}

void limpa(Uint8 r, Uint8 g, Uint8 b)
{
    SDL_FillRect(tela(), nullptr, SDL_MapRGB(tela()->format, r, g, b));
}

// Every puzzle picture of data/bg, in name order, four to a row.
bool figuras(const std::string& saida)
{
    std::vector<std::string> nomes;
    listaDiretorio("data/bg", nomes, "bmp", false);
    std::sort(nomes.begin(), nomes.end());
    const int linhas = static_cast<int>((nomes.size() + FIGURAS_POR_LINHA - 1) / FIGURAS_POR_LINHA);
    Folha folha(FIGURAS_POR_LINHA, linhas, LADO_FIGURA, LADO_FIGURA);
    for (size_t n = 0; n < nomes.size(); ++n) {
        CSprite figura;
        if (figura.carregaImagem("data/bg/" + nomes[n]))
            folha.copia(figura.retornaSuperficie(), static_cast<int>(n));
    }
    return folha.salva(saida + "/previa-figuras.png");
}

bool mensagem(const std::string& saida)
{
    CSprite fundo;
    fundo.carregaImagem("data/gfx/painel.bmp");
    CMensagem caixa;
    caixa.inicializa("data/gfx/mensagem.bmp", FONTE_BITMAP, tela());
    caixa.escreveTexto("Mensagem de Texto de Teste Agora também com quebra de linha");
    limpa(30, 40, 60);
    for (int x = 0; x < LARGURA; x += LARGURA_PAINEL)
        fundo.desenha(x, 0);
    caixa.exibe(50, 60);
    Folha folha(1, 1);
    folha.copiaTela(0);
    return folha.salva(saida + "/previa-mensagem.png");
}

}  // namespace

int main(int argc, char** argv)
{
    std::string saida;
    if (const int codigo = leLinhaDeComando(argc, argv, saida))
        return codigo;
    if (SDL_Init(SDL_INIT_VIDEO) < 0 || SDL_SetVideoMode(LARGURA, ALTURA, 16, 0) == nullptr) {
        std::fprintf(stderr, "Erro ao inicializar video: %s\n", SDL_GetError());
        return 1;
    }
    const bool ok = figuras(saida) && mensagem(saida);
    SDL_Quit();
    if (!ok)
        std::fprintf(stderr, "Incapaz de escrever em %s\n", saida.c_str());
    return ok ? 0 : 1;
}
