// Tests of the board's drawing and picture choice on the dummy 320x240x16 screen, in a
// scratch directory with its own data/bg: tiles, hole, cursor and numbers cell by cell, the
// picture list and its order, and the boards without a usable picture.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "engine/files/cadeias.h"
#include "engine/files/diretorio.h"
#include "game/Tabuleiro.h"
#include "tests/apoio/MidiaTeste.h"

using namespace testing::internal;
namespace fs = std::filesystem;

namespace {

const int LADO = 60;      // a frame of the picture, and a cell of the 4x4 board
const int ESQUERDA = 80;  // the board's left edge on the 320x240 screen
const int LISA = -1;      // picture number of the flat cells drawn when the picture is lost

// Frame f of test picture k: a flat colour of its own, never white nor grey.
Cor corQuadro(int k, int f) { return {Uint8(16 * f), Uint8(60 + 60 * k), 200}; }

class Exibicao : public MidiaTeste {
protected:
    void SetUp() override
    {
        MidiaTeste::SetUp();
        origem = fs::current_path();
        fs::create_directories(temp.caminho("data/bg"));
        for (const char* d : {"gfx", "fonts"})
            fs::create_directory_symlink(fs::path(CORVELA_RAIZ) / "data" / d,
                                         temp.caminho(std::string("data/") + d));
        fs::current_path(temp.caminho(""));
        ASSERT_TRUE(buraco.carregaImagem("data/gfx/buraco.bmp"));
        ASSERT_TRUE(selecao.carregaImagem("data/gfx/selecao.bmp"));
        selecao.corTransparente(255, 0, 255);
        ASSERT_TRUE(texto.inicializa(LADO, LADO, FONTE_CELULA, 8));
    }
    void TearDown() override
    {
        fs::current_path(origem);
        MidiaTeste::TearDown();
    }

    // A 240x240 picture in data/bg whose 16 frames have picture k's colours.
    void figura(const std::string& nome, int k)
    {
        std::vector<Area> quadros;
        for (int f = 0; f < 16; ++f)
            quadros.push_back(
                {{Sint16(f % 4 * LADO), Sint16(f / 4 * LADO), LADO, LADO}, corQuadro(k, f)});
        bmp("data/bg/" + nome, 240, 240, {0, 0, 0}, quadros);
    }

    // Every cell drawn from picture k against the hole sprite, frame (tile - 1) (frame 15 for
    // the hole in the complete view) or a grey cell; then the cursor; then the white number.
    void confere(const Tabuleiro& t, bool jogando, int k)
    {
        const unsigned n = t.retornaTamanho(), passo = 240 / n;
        for (unsigned r = 0; r < n; ++r) {
            for (unsigned c = 0; c < n; ++c) {
                const Bloco& b = t.retornaBloco(r, c);
                Superficie s = novaSuperficie(16, LADO, LADO);
                const int quadro = b.numero == 0 ? n * n - 1 : b.numero - 1;
                const Cor cor = k == LISA ? Cor{72, 72, 72} : corQuadro(k, quadro);
                SDL_Rect miolo = {1, 1, LADO - 2, LADO - 2};
                if (jogando && b.numero == 0) {
                    buraco.desenha(0, 0, s.get());
                } else {
                    SDL_FillRect(s.get(), nullptr, SDL_MapRGB(s->format, cor.r, cor.g, cor.b));
                    if (k == LISA)
                        SDL_FillRect(s.get(), &miolo, SDL_MapRGB(s->format, 128, 128, 128));
                }
                if (jogando && b.posicao == t.retornaSelecionado())
                    selecao.desenha(0, 0, s.get());
                if (b.numero != 0 && ((jogando && t.retornaAjuda()) || k == LISA)) {
                    texto.escreveTexto(itos(b.numero));
                    texto.exibe(0, 0, s.get(), 255, 255, 255);
                }
                const int x = ESQUERDA + c * passo, y = r * passo;
                int diferentes = 0;
                for (int j = 0; j < LADO; ++j)
                    for (int i = 0; i < LADO; ++i)
                        diferentes += pixela(tela, x + i, y + j) != pixela(s.get(), i, j);
                EXPECT_EQ(diferentes, 0) << "cell " << r << "," << c << " playing " << jogando
                                         << " help " << t.retornaAjuda()
                                         << " cursor " << int(t.retornaSelecionado());
            }
        }
    }
    void exibe(Tabuleiro& t, bool jogando)
    {
        SDL_FillRect(tela, nullptr, 0);
        t.exibe(jogando);
    }

    fs::path origem;
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
    for (bool ajuda : {false, true}) {
        for (unsigned sel : {9u, 5u}) {  // over a tile, then over the hole
            t.seleciona(sel);
            if (ajuda != t.retornaAjuda())
                t.trocaAjuda();
            exibe(t, true);
            confere(t, true, 0);
            EXPECT_FALSE(temTinta(tela, 0, 0, ESQUERDA, 240)) << "drawn over the panel";
        }
    }
    exibe(t, false);
    confere(t, false, 0);

    // Smaller boards spread the same 60-pixel frames at a wider pitch.
    for (unsigned n : {1u, 2u, 3u}) {
        t.inicializa(320, 240, Uint8(n));
        t.move(n * n - 1);
        t.seleciona(1);
        for (bool jogando : {true, false}) {
            exibe(t, jogando);
            confere(t, jogando, 0);
        }
    }
}

// Only .bmp names of 240x240 pictures, in the directory's order, printed one a line; then
// one picture per solved game, round the list, drawn whole with neither cursor nor numbers.
TEST_F(Exibicao, ListaSoBmp240EmOrdemDoDiretorioEUmaFiguraPorVitoria)
{
    const std::vector<std::string> boas = {"um.bmp", "DOIS.BMP", "tres.bmp"};
    for (int k = 0; k < 3; ++k)
        figura(boas[k], k);
    bmp("data/bg/largo.bmp", 320, 240, {9, 9, 9});
    bmp("data/bg/alto.bmp", 240, 320, {9, 9, 9});
    bmp("data/bg/png.png", 240, 240, {9, 9, 9});  // a fine picture, but not by its name
    temp.escreve("data/bg/quebrado.bmp", "BM not really");
    fs::create_directory(temp.caminho("data/bg/pasta.bmp"));

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
        exibe(t, false);
        confere(t, false, int(std::find(boas.begin(), boas.end(), nome) - boas.begin()));
        ASSERT_TRUE(t.venceu());
        t.carregaProximaImagem();
    }
}

// Without a usable picture the board draws nothing and says why; a picture lost after the
// list was made leaves flat numbered cells that can still be played.
TEST_F(Exibicao, SemFiguraUtilizavelOuComFiguraPerdida)
{
    bmp("data/bg/largo.bmp", 320, 240, {9, 9, 9});
    for (bool existe : {true, false}) {
        if (!existe)
            fs::remove_all(temp.caminho("data/bg"));
        Tabuleiro t;
        CaptureStderr();
        t.inicializa(320, 240, 4);
        EXPECT_NE(GetCapturedStderr().find("Nenhuma imagem 240x240 utilizavel em data/bg\n"),
                  std::string::npos);
        EXPECT_TRUE(t.retornaImagens().empty());
        EXPECT_EQ(t.retornaImagemAtual(), "");
        t.trocaAjuda();
        ASSERT_TRUE(t.venceu());
        t.carregaProximaImagem();
        for (bool jogando : {true, false})
            t.exibe(jogando);
        EXPECT_FALSE(temTinta(tela, 0, 0, 320, 240));
        EXPECT_TRUE(t.move(15));
    }

    fs::create_directories(temp.caminho("data/bg"));
    figura("a.bmp", 0);
    Tabuleiro t;
    t.inicializa(320, 240, 4);
    ASSERT_TRUE(t.move(15));
    fs::remove(temp.caminho("data/bg/a.bmp"));
    CaptureStderr();
    t.carregaProximaImagem();
    GetCapturedStderr();
    EXPECT_EQ(t.retornaImagemAtual(), "");
    for (unsigned sel : {15u, 3u}) {
        t.seleciona(sel);
        for (bool jogando : {true, false}) {
            exibe(t, jogando);
            confere(t, jogando, LISA);
        }
    }
}
