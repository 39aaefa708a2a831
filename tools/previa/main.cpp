// corvela-previa: draws preview sheets of the assets with the engine's own sprite and text
// classes, on a 320x240 16-bit screen as the game shows them, and writes them as PNGs.
// Usage: corvela-previa <data directory's parent> <output directory>
// Depends on the engine library, the credits pages and zlib (through png.h).
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "engine/files/cadeias.h"
#include "engine/files/diretorio.h"
#include "engine/media/CMensagem.h"
#include "engine/media/CSprite.h"
#include "engine/media/CSpriteAnimado.h"
#include "engine/media/CTexto.h"
#include "game/paginasCreditos.h"
#include "png.h"

namespace {

const int LARGURA = 320;
const int ALTURA = 240;
const int ESCALA = 2;
const int CELULA = 60;
const int BORDA_TABULEIRO = LARGURA - ALTURA;
const char* FONTE_BITMAP = "data/fonts/coure.fon";

SDL_Surface* tela()
{
    return SDL_GetVideoSurface();
}

void limpa(Uint8 r, Uint8 g, Uint8 b)
{
    SDL_FillRect(tela(), nullptr, SDL_MapRGB(tela()->format, r, g, b));
}

// A sheet of colunas x linhas screens; each screen drawn is copied into its place.
class Folha {
public:
    Folha(int colunas, int linhas)
        : superficie(SDL_CreateRGBSurface(SDL_SWSURFACE, colunas * LARGURA, linhas * ALTURA,
                                          tela()->format->BitsPerPixel, tela()->format->Rmask,
                                          tela()->format->Gmask, tela()->format->Bmask, 0)),
          colunas(colunas)
    {
    }
    ~Folha() { SDL_FreeSurface(superficie); }

    void copiaTela(int indice)
    {
        SDL_Rect destino = {static_cast<Sint16>((indice % colunas) * LARGURA),
                            static_cast<Sint16>((indice / colunas) * ALTURA), 0, 0};
        SDL_BlitSurface(tela(), nullptr, superficie, &destino);
    }

    bool salva(const std::string& caminho) { return salvaPng(superficie, caminho, ESCALA); }

private:
    SDL_Surface* superficie;
    int colunas;
};

void titulo(const std::string& saida)
{
    static const char* ROTULOS[] = {"Easy", "Normal", "Impossible", "Credits", "Quit"};
    const int destacada = 1;
    CSprite fundo;
    CTexto texto;
    fundo.carregaImagem("data/gfx/title.bmp");
    texto.inicializa(500, 400, "data/fonts/Sans Bold.ttf", 18);
    limpa(0, 0, 0);
    fundo.desenha(0, 0);
    for (int i = 0; i < 5; ++i) {
        texto.escreveTexto(std::string(i == destacada ? "> " : "  ") + ROTULOS[i]);
        if (i == destacada)
            texto.exibe(LARGURA / 4, 70 + 30 * i, tela(), 255, 0, 255);
        else
            texto.exibe(LARGURA / 4, 70 + 30 * i, tela(), 50, 50, 50);
    }
    Folha folha(1, 1);
    folha.copiaTela(0);
    folha.salva(saida + "/previa-menu.png");
}

// A board in the middle of a game: scrambled tiles, the hole, the cursor, the panel's lines.
void tabuleiros(const std::string& saida)
{
    static const int ARRANJO[16] = {5, 1, 2, 4, 9, 6, 3, 8, 13, 10, 7, 11, 14, 15, 0, 12};
    static const int SELECIONADA = 13;
    std::vector<std::string> nomes;
    listaDiretorio("data/bg", nomes, "bmp", false);
    std::sort(nomes.begin(), nomes.end());

    CSprite painel, buraco, selecao;
    CTexto texto;
    painel.carregaImagem("data/gfx/painel.bmp");
    buraco.carregaImagem("data/gfx/buraco.bmp");
    selecao.carregaImagem("data/gfx/selecao.bmp");
    selecao.corTransparente(255, 0, 255);
    texto.inicializa(80, 240, FONTE_BITMAP, 8);

    Folha folha(2, static_cast<int>((nomes.size() + 1) / 2));
    for (size_t n = 0; n < nomes.size(); ++n) {
        CSpriteAnimado figura;
        figura.inicializa(CELULA, CELULA, 0, 15, nullptr, 0);
        figura.carregaImagem("data/bg/" + nomes[n]);
        limpa(0, 0, 0);
        for (int i = 0; i < 16; ++i) {
            const int x = BORDA_TABULEIRO + (i % 4) * CELULA;
            const int y = (i / 4) * CELULA;
            if (ARRANJO[i] == 0)
                buraco.desenha(x, y);
            else
                figura.desenha(x, y, static_cast<unsigned short>(ARRANJO[i] - 1));
            if (i == SELECIONADA)
                selecao.desenha(x, y);
        }
        painel.desenha(0, 0);
        const struct {
            std::string texto;
            int y, r, g, b;
        } LINHAS[] = {
            {"Wins: " + itos(static_cast<int>(n)), 5, 0, 255, 0},
            {"RECORDS", 40, 100, 255, 255},
            {"Moves: " + itos(40 + 7 * static_cast<int>(n)), 60, 100, 255, 255},
            {"00:01:2" + itos(static_cast<int>(n)), 90, 100, 255, 255},
            {"Moves: " + itos(12), 180, 255, 255, 255},
            {"00:00:4" + itos(static_cast<int>(n)), 210, 255, 255, 255},
        };
        for (const auto& linha : LINHAS) {
            texto.escreveTexto(linha.texto);
            texto.exibe(4, linha.y, tela(), linha.r, linha.g, linha.b);
        }
        folha.copiaTela(static_cast<int>(n));
    }
    folha.salva(saida + "/previa-tabuleiros.png");
}

// The intro's logo, one screen per frame, at the alpha where its fade-in ends.
void logo(const std::string& saida)
{
    const int ALFA_FINAL = 245;
    CSpriteAnimado emblema;
    CTexto texto;
    emblema.inicializa(67, 81, 0, 2, nullptr, 0);
    emblema.carregaImagem("data/gfx/Orvalek.bmp");
    emblema.corTransparente(102, 102, 102);
    SDL_SetAlpha(emblema.retornaSuperficie(), SDL_SRCALPHA, ALFA_FINAL);
    texto.inicializa(320, 240, FONTE_BITMAP, 8);
    const int x = LARGURA / 2 - emblema.retornaLargura() / 6;
    const int y = ALTURA / 2 - emblema.retornaAltura() / 2;
    Folha folha(3, 1);
    for (unsigned short quadro = 0; quadro < 3; ++quadro) {
        limpa(10, 10, 200);
        emblema.desenha(x, y, quadro);
        texto.escreveTexto("Orvalek");
        texto.exibe(x + 3, y + 80, tela(), 255, 255, 255);
        texto.escreveTexto("Presents");
        texto.exibe(x + 3, y + 90, tela(), 255, 255, 255);
        folha.copiaTela(quadro);
    }
    folha.salva(saida + "/previa-apresentacao.png");
}

void mensagem(const std::string& saida)
{
    CSprite fundo;
    fundo.carregaImagem("data/gfx/painel.bmp");
    CMensagem caixa;
    caixa.inicializa("data/gfx/mensagem.bmp", FONTE_BITMAP, tela());
    caixa.escreveTexto("Mensagem de Texto de Teste Agora também com quebra de linha");
    limpa(30, 40, 60);
    for (int x = 0; x < LARGURA; x += 80)
        fundo.desenha(x, 0);
    caixa.exibe(50, 60);
    Folha folha(1, 1);
    folha.copiaTela(0);
    folha.salva(saida + "/previa-mensagem.png");
}

void creditosRoll(const std::string& saida)
{
    CTexto texto;
    texto.inicializa(240, 240, FONTE_BITMAP, 24);
    Folha folha(static_cast<int>(creditos::TOTAL_PAGINAS), 1);
    for (size_t p = 0; p < creditos::TOTAL_PAGINAS; ++p) {
        limpa(0, 0, 0);
        const creditos::Pagina& pagina = creditos::PAGINAS[p];
        for (size_t i = 0; i < pagina.total; ++i) {
            const creditos::Linha& linha = pagina.linhas[i];
            texto.escreveTexto(linha.texto);
            texto.exibe(creditos::X_LINHAS, linha.y, tela(), 255, 255,
                        linha.cor == creditos::AMARELO ? 0 : 255);
        }
        folha.copiaTela(static_cast<int>(p));
    }
    folha.salva(saida + "/previa-creditos.png");
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "uso: %s <diretorio que contem data/> <diretorio de saida>\n", argv[0]);
        return 2;
    }
    const std::string saida = argv[2];
    if (chdir(argv[1]) != 0) {
        std::fprintf(stderr, "Incapaz de entrar em %s\n", argv[1]);
        return 1;
    }
    if (SDL_Init(SDL_INIT_VIDEO) < 0 || SDL_SetVideoMode(LARGURA, ALTURA, 16, 0) == nullptr) {
        std::fprintf(stderr, "Erro ao inicializar video: %s\n", SDL_GetError());
        return 1;
    }
    titulo(saida);
    tabuleiros(saida);
    logo(saida);
    mensagem(saida);
    creditosRoll(saida);
    SDL_Quit();
    return 0;
}
