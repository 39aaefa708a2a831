// The board's drawing and choice of picture on the dummy 320x240x16 screen, with a data/bg of
// the test's own: the screen against one drawn by hand, the picture list and its order.
#include <gtest/gtest.h>

#include <cctype>
#include <filesystem>
#include <fstream>

#include "engine/files/cadeias.h"
#include "engine/files/diretorio.h"
#include "game/Tabuleiro.h"
#include "tests/apoio/DadosProprios.h"
#include "tests/apoio/MidiaTeste.h"

using namespace testing::internal;
namespace fs = std::filesystem;

namespace {

const int LADO = 60;      // a frame of the picture, and a cell of the 4x4 board
const int ESQUERDA = 80;  // the board's left edge on the 320x240 screen

// Frame f of test picture k: a flat colour of its own, never white nor grey.
Cor corQuadro(int k, int f) { return {Uint8(16 * f), Uint8(60 + 60 * k), 200}; }

class Exibicao : public MidiaTeste {
protected:
    void SetUp() override
    {
        MidiaTeste::SetUp();
        ASSERT_TRUE(buraco.carregaImagem("data/gfx/buraco.bmp") &&
                    selecao.carregaImagem("data/gfx/selecao.bmp"));
        selecao.corTransparente(255, 0, 255);
        ASSERT_TRUE(texto.inicializa(LADO, LADO, FONTE_CELULA, 8));
    }
    // A 240x240 picture in data/bg whose 16 frames have picture k's colours.
    void figura(const std::string& nome, int k)
    {
        std::vector<Area> quadros;
        for (int f = 0; f < 16; ++f)
            quadros.push_back(
                {{Sint16(f % 4 * LADO), Sint16(f / 4 * LADO), LADO, LADO}, corQuadro(k, f)});
        ASSERT_TRUE(gravaBmp("data/bg/" + nome, 240, 240, {}, quadros));
    }
    // The 4x4 board drawn on black: each cell from picture k's frame (tile - 1; the last for
    // the hole in the whole view), the hole sprite while playing, the cursor, the white
    // number; nothing else, the panel included.
    void confere(Tabuleiro& t, bool jogando, int k)
    {
        SDL_FillRect(tela, nullptr, 0);
        t.exibe(jogando);
        Superficie s = novaSuperficie(16, 320, 240);
        for (int i = 0; i < 16; ++i) {
            const Bloco& b = t.retornaBloco(i / 4, i % 4);
            const int x = ESQUERDA + i % 4 * LADO, y = i / 4 * LADO;
            const Cor cor = corQuadro(k, (b.numero + 15) % 16);
            SDL_Rect celula = {Sint16(x), Sint16(y), LADO, LADO};
            SDL_FillRect(s.get(), &celula, SDL_MapRGB(s->format, cor.r, cor.g, cor.b));
            if (jogando && b.numero == 0)
                buraco.desenha(x, y, s.get());
            if (jogando && b.posicao == t.retornaSelecionado())
                selecao.desenha(x, y, s.get());
            if (b.numero != 0 && jogando && t.retornaAjuda()) {
                texto.escreveTexto(itos(b.numero));
                texto.exibe(x, y, s.get(), 255, 255, 255);
            }
        }
        EXPECT_EQ(diferencas(tela, s.get()), 0) << jogando << t.retornaAjuda() << k;
    }

    DadosProprios dados;
    CSprite buraco, selecao;
    CTexto texto;
};

}  // namespace

// Playing and whole views; a picture lost after the list was made leaves flat cells.
TEST_F(Exibicao, QuadrosBuracoCursorNumerosECelulasLisas)
{
    figura("a.bmp", 0);
    Tabuleiro t;
    t.inicializa(320, 240, 4);
    for (unsigned p : {12u, 11u, 7u, 6u, 5u})
        ASSERT_TRUE(t.move(p));
    t.seleciona(9);  // over a tile, without numbers
    confere(t, true, 0);
    t.trocaAjuda();
    t.seleciona(5);  // over the hole, with numbers
    confere(t, true, 0);
    confere(t, false, 0);
    fs::remove("data/bg/a.bmp");
    t.carregaProximaImagem();
    t.exibe(false);
    EXPECT_GT(contaCor(tela, ESQUERDA + 1, 1, 58, 58, {128, 128, 128}), 0) << "a flat cell";
}

// With no usable picture the board draws nothing and says why. Then only .bmp names of
// 240x240 pictures, in the directory's order, printed one a line; one picture per solved
// game, round the list.
TEST_F(Exibicao, ListaSoBmp240EmOrdemDoDiretorioEUmaFiguraPorVitoria)
{
    gravaBmp("data/bg/largo.bmp", 320, 240, {9, 9, 9});
    gravaBmp("data/bg/alto.bmp", 240, 320, {9, 9, 9});
    gravaBmp("data/bg/png.png", 240, 240, {9, 9, 9});  // a fine picture, but not by its name
    std::ofstream("data/bg/quebrado.bmp") << "BM not really";
    Tabuleiro vazio;
    CaptureStderr();
    vazio.inicializa(320, 240, 4);
    EXPECT_EQ(GetCapturedStderr(), "Nenhuma imagem 240x240 utilizavel em data/bg\n");
    vazio.trocaAjuda();
    vazio.carregaProximaImagem();
    vazio.exibe(true);
    EXPECT_TRUE(!temTinta(tela, 0, 0, 320, 240) && vazio.move(15));

    for (int k = 0; k < 3; ++k)
        figura(std::to_string(k) + (k == 1 ? ".BMP" : ".bmp"), k);
    fs::create_directory("data/bg/pasta.bmp");
    std::vector<std::string> ordem, esperada;
    listaDiretorio("data/bg", ordem, "", true);
    for (const std::string& nome : ordem)
        if (std::isdigit(nome[0]))
            esperada.push_back(nome);
    Tabuleiro t;
    CaptureStdout();
    t.inicializa(320, 240, 4);
    ASSERT_EQ(t.retornaImagens(), esperada);
    EXPECT_EQ(GetCapturedStdout(), esperada[0] + "\n" + esperada[1] + "\n" + esperada[2] + "\n");
    for (int vitoria = 0; vitoria <= 3; ++vitoria) {
        EXPECT_EQ(t.retornaImagemAtual(), esperada[vitoria % 3]);
        confere(t, false, esperada[vitoria % 3][0] - '0');
        ASSERT_TRUE(t.venceu());
        t.carregaProximaImagem();
    }
}
