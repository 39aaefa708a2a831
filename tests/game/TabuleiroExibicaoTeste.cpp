// The board's drawing and choice of picture on the dummy 320x240x16 screen, with a data/bg of
// the test's own: tiles, hole, cursor and numbers against a screen drawn by hand, the picture
// list and its order, and the boards without a usable picture.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>

#include "engine/files/cadeias.h"
#include "engine/files/diretorio.h"
#include "game/Tabuleiro.h"
#include "tests/apoio/DadosProprios.h"

using namespace testing::internal;
namespace fs = std::filesystem;

namespace {

const int LADO = 60;      // a frame of the picture, and a cell of the 4x4 board
const int ESQUERDA = 80;  // the board's left edge on the 320x240 screen
const int LISA = -1;      // the flat cells drawn when the picture is lost

// Frame f of test picture k: a flat colour of its own, never white nor grey.
Cor corQuadro(int k, int f) { return {Uint8(16 * f), Uint8(60 + 60 * k), 200}; }

class Exibicao : public MidiaTeste {
protected:
    void SetUp() override
    {
        MidiaTeste::SetUp();
        ASSERT_TRUE(buraco.carregaImagem("data/gfx/buraco.bmp"));
        ASSERT_TRUE(selecao.carregaImagem("data/gfx/selecao.bmp"));
        selecao.corTransparente(255, 0, 255);
        ASSERT_TRUE(texto.inicializa(LADO, LADO, FONTE_CELULA, 8));
    }
    // A 240x240 picture in data/bg whose 16 frames have picture k's colours.
    void figura(const std::string& nome, int k)
    {
        Superficie s = novaSuperficie(24, 240, 240);
        for (int f = 0; f < 16; ++f) {
            SDL_Rect r = {Sint16(f % 4 * LADO), Sint16(f / 4 * LADO), LADO, LADO};
            const Cor c = corQuadro(k, f);
            SDL_FillRect(s.get(), &r, SDL_MapRGB(s->format, c.r, c.g, c.b));
        }
        SDL_SaveBMP(s.get(), ("data/bg/" + nome).c_str());
    }
    // The board drawn on a black screen against one drawn by hand: each cell from picture
    // k's frame (tile - 1; the last for the hole in the whole view) or grey, the hole sprite
    // while playing, the cursor, the white number; nothing else, the panel included.
    void confere(Tabuleiro& t, bool jogando, int k)
    {
        SDL_FillRect(tela, nullptr, 0);
        t.exibe(jogando);
        Superficie s = novaSuperficie(16, 320, 240);
        const unsigned n = t.retornaTamanho();
        for (unsigned i = 0; i < n * n; ++i) {
            const Bloco& b = t.retornaBloco(i / n, i % n);
            const int x = ESQUERDA + i % n * (240 / n), y = i / n * (240 / n);
            const Cor cor = k == LISA ? Cor{72, 72, 72} : corQuadro(k, (b.numero + n * n - 1) % (n * n));
            SDL_Rect celula = {Sint16(x), Sint16(y), LADO, LADO};
            SDL_Rect miolo = {Sint16(x + 1), Sint16(y + 1), LADO - 2, LADO - 2};
            if (jogando && b.numero == 0) {
                buraco.desenha(x, y, s.get());
            } else {
                SDL_FillRect(s.get(), &celula, SDL_MapRGB(s->format, cor.r, cor.g, cor.b));
                if (k == LISA)
                    SDL_FillRect(s.get(), &miolo, SDL_MapRGB(s->format, 128, 128, 128));
            }
            if (jogando && b.posicao == t.retornaSelecionado())
                selecao.desenha(x, y, s.get());
            if (b.numero != 0 && ((jogando && t.retornaAjuda()) || k == LISA)) {
                texto.escreveTexto(itos(b.numero));
                texto.exibe(x, y, s.get(), 255, 255, 255);
            }
        }
        EXPECT_EQ(diferencas(tela, s.get()), 0) << "n " << n << " playing " << jogando << " help "
                                               << t.retornaAjuda() << " cursor "
                                               << int(t.retornaSelecionado());
    }

    DadosProprios dados;
    CSprite buraco;
    CSprite selecao;
    CTexto texto;
};

}  // namespace

TEST_F(Exibicao, QuadroDeCadaPecaBuracoCursorENumeros)
{
    figura("a.bmp", 0);
    Tabuleiro t;
    t.inicializa(320, 240, 4);
    ASSERT_EQ(t.retornaImagemAtual(), "a.bmp");
    for (unsigned p : {12u, 11u, 7u, 6u, 5u})
        ASSERT_TRUE(t.move(p));
    t.seleciona(9);  // over a tile, without numbers
    confere(t, true, 0);
    t.trocaAjuda();
    t.seleciona(5);  // over the hole, with numbers
    confere(t, true, 0);
    confere(t, false, 0);
    // Smaller boards spread the same 60-pixel frames at a wider pitch.
    for (unsigned n : {1u, 2u, 3u}) {
        t.inicializa(320, 240, Uint8(n));
        t.move(n * n - 1);
        t.seleciona(1);
        for (bool jogando : {true, false})
            confere(t, jogando, 0);
    }
}

// Only .bmp names of 240x240 pictures, in the directory's order, printed one a line; then
// one picture per solved game, round the list.
TEST_F(Exibicao, ListaSoBmp240EmOrdemDoDiretorioEUmaFiguraPorVitoria)
{
    const std::vector<std::string> boas = {"um.bmp", "DOIS.BMP", "tres.bmp"};
    for (int k = 0; k < 3; ++k)
        figura(boas[k], k);
    dados.figura("largo.bmp", 320, 240, {9, 9, 9});
    dados.figura("alto.bmp", 240, 320, {9, 9, 9});
    dados.figura("png.png", 240, 240, {9, 9, 9});  // a fine picture, but not by its name
    std::ofstream("data/bg/quebrado.bmp") << "BM not really";
    fs::create_directory("data/bg/pasta.bmp");

    std::vector<std::string> ordem, esperada;
    listaDiretorio("data/bg", ordem, "", true);
    std::string saida;
    for (const std::string& nome : ordem)
        if (std::count(boas.begin(), boas.end(), nome)) {
            esperada.push_back(nome);
            saida += nome + "\n";
        }
    Tabuleiro t;
    CaptureStdout();
    t.inicializa(320, 240, 4);
    EXPECT_EQ(GetCapturedStdout(), saida);
    ASSERT_EQ(t.retornaImagens(), esperada);
    t.trocaAjuda();
    for (int vitoria = 0; vitoria <= 3; ++vitoria) {
        const std::string nome = esperada[vitoria % 3];
        EXPECT_EQ(t.retornaImagemAtual(), nome);
        confere(t, false, int(std::find(boas.begin(), boas.end(), nome) - boas.begin()));
        ASSERT_TRUE(t.venceu());
        t.carregaProximaImagem();
    }
}

// Without a usable picture the board draws nothing and says why; a picture lost after the
// list was made leaves flat numbered cells that can still be played.
TEST_F(Exibicao, SemFiguraUtilizavelOuComFiguraPerdida)
{
    dados.figura("largo.bmp", 320, 240, {9, 9, 9});
    for (bool existe : {true, false}) {
        if (!existe)
            fs::remove_all("data/bg");
        Tabuleiro t;
        CaptureStderr();
        t.inicializa(320, 240, 4);
        EXPECT_NE(GetCapturedStderr().find("Nenhuma imagem 240x240 utilizavel em data/bg\n"),
                  std::string::npos);
        EXPECT_EQ(t.retornaImagemAtual(), "");
        t.trocaAjuda();
        ASSERT_TRUE(t.venceu());
        t.carregaProximaImagem();
        for (bool jogando : {true, false})
            t.exibe(jogando);
        EXPECT_FALSE(temTinta(tela, 0, 0, 320, 240));
        EXPECT_TRUE(t.move(15));
    }

    fs::create_directories("data/bg");
    figura("a.bmp", 0);
    Tabuleiro t;
    t.inicializa(320, 240, 4);
    ASSERT_TRUE(t.move(15));
    fs::remove("data/bg/a.bmp");
    CaptureStderr();
    t.carregaProximaImagem();
    GetCapturedStderr();
    EXPECT_EQ(t.retornaImagemAtual(), "");
    for (unsigned sel : {15u, 3u}) {
        t.seleciona(sel);
        for (bool jogando : {true, false})
            confere(t, jogando, LISA);
    }
}
