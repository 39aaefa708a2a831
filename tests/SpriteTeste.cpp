// Tests of CSprite and pixela on real surfaces under the dummy video driver: loading, the
// colour key, whole and partial draws, the sizes they report and the log lines. Depends on
// CSprite, pixela and MidiaTeste.h.
#include <gtest/gtest.h>

#include "engine/media/CSprite.h"
#include "tests/MidiaTeste.h"

using namespace testing::internal;

namespace {
const Cor MAGENTA = {255, 0, 255};
const Cor VERMELHO = {255, 0, 0};
const Cor VERDE = {0, 255, 0};
}  // namespace

using Sprite = MidiaTeste;

TEST_F(Sprite, CargaQueFalhaEsvaziaEAvisa)
{
    CSprite s;
    ASSERT_TRUE(s.carregaImagem(bmp("a.bmp", 4, 4, VERDE)));
    const std::string falta = temp.caminho("falta.bmp");
    CaptureStderr();
    EXPECT_FALSE(s.carregaImagem(falta));
    EXPECT_EQ(GetCapturedStderr(),
              "Erro ao carregar a imagem " + falta + "\t " + SDL_GetError() + "\n");
    EXPECT_EQ(s.retornaSuperficie(), nullptr) << "the earlier picture is gone";
    EXPECT_EQ(s.retornaArquivo(), "");

    CaptureStderr();
    s.corTransparente(255, 0, 255);
    EXPECT_EQ(GetCapturedStderr(),
              std::string("Impossivel setar cor transparente: \t ") + SDL_GetError() + "\n");
}

TEST_F(Sprite, TamanhoCarregadoRecortadoEParcial)
{
    CSprite s;
    ASSERT_TRUE(s.carregaImagem(bmp("a.bmp", 100, 50, VERDE, {{{40, 20, 30, 20}, VERMELHO}})));
    EXPECT_EQ(s.retornaSuperficie()->format->BitsPerPixel, 16) << "kept in display format";
    EXPECT_EQ(s.retornaLargura(), 100);
    EXPECT_EQ(s.retornaAltura(), 50);
    EXPECT_TRUE(s.desenha(300, 0));
    EXPECT_EQ(s.retornaLargura(), 20) << "clipped at the screen's right edge";
    EXPECT_EQ(s.retornaAltura(), 50);
    EXPECT_EQ(corEm(tela, 319, 49), "0,255,0");

    // The red part alone lands at (10, 100), and nothing around it is touched.
    SDL_FillRect(tela, nullptr, 0);
    EXPECT_TRUE(s.desenha(10, 100, 40, 20, 30, 20));
    EXPECT_EQ(s.retornaLargura(), 30);
    EXPECT_EQ(s.retornaAltura(), 20);
    EXPECT_EQ(corEm(tela, 10, 100), "255,0,0");
    EXPECT_EQ(corEm(tela, 39, 119), "255,0,0");
    SDL_Rect parte = {10, 100, 30, 20};
    SDL_FillRect(tela, &parte, 0);
    EXPECT_FALSE(temTinta(tela, 0, 0, 320, 240));
}

TEST_F(Sprite, CorTransparenteDeixaOFundoEm16Em8Bits)
{
    CSprite s;
    ASSERT_TRUE(s.carregaImagem(bmp("a.bmp", 8, 4, VERMELHO, {{{0, 0, 4, 4}, MAGENTA}})));
    s.corTransparente(255 + 0x100, 0, 255);  // components are cut to 8 bits
    for (const int bpp : {16, 8}) {
        Superficie alvo = novaSuperficie(bpp, 20, 20);
        const Uint32 fundo = SDL_MapRGB(alvo->format, 128, 128, 128);
        SDL_FillRect(alvo.get(), nullptr, fundo);
        EXPECT_TRUE(s.desenha(2, 3, alvo.get()));
        EXPECT_EQ(pixela(alvo.get(), 2, 3), fundo) << bpp << " bits: magenta is not drawn";
        EXPECT_EQ(pixela(alvo.get(), 5, 6), fundo) << bpp << " bits";
        EXPECT_EQ(pixela(alvo.get(), 6, 3), SDL_MapRGB(alvo->format, 255, 0, 0)) << bpp;
        EXPECT_EQ(pixela(alvo.get(), 10, 3), fundo) << bpp << " bits";
    }
    EXPECT_FALSE(s.desenha(0, 0, nullptr));
}

TEST_F(Sprite, VazioNaoDesenhaEGuardaAPosicaoInteira)
{
    // Draws nothing, without failing. x is kept whole, destino cut to 16 bits.
    CSprite s;
    SDL_FillRect(tela, nullptr, 0);
    EXPECT_TRUE(s.desenha(40000, -70000));
    EXPECT_FALSE(temTinta(tela, 0, 0, 320, 240));
    EXPECT_EQ(s.retornaX(), 40000);
    EXPECT_EQ(s.retornaY(), -70000);
    EXPECT_EQ(s.retornaDestino().x, -25536);
    EXPECT_EQ(s.retornaDestino().y, -4464);
}

class SpriteSemVideo : public MidiaTeste {
protected:
    SpriteSemVideo() { comVideo = false; }
};

TEST_F(SpriteSemVideo, GuardaAImagemSemConverterENaoDesenhaNaTela)
{
    const std::string caminho = bmp("a.bmp", 3, 2, VERMELHO);
    CSprite s;
    CaptureStdout();
    EXPECT_TRUE(s.carregaImagem(caminho));
    EXPECT_EQ(GetCapturedStdout(),
              "Não foi possível utilizar DisplayFormat para a imagem " + caminho + "\n");
    EXPECT_EQ(s.retornaLargura(), 3);

    CaptureStderr();
    EXPECT_FALSE(s.desenha(0, 0));
    EXPECT_FALSE(s.desenha(0, 0, 0, 0, 1, 1));
    const std::string linha = "Não há superfície ativa para blitar imagem " + caminho + "!\n";
    EXPECT_EQ(GetCapturedStderr(), linha + linha);

    Superficie alvo = novaSuperficie(16, 4, 4);
    EXPECT_TRUE(s.desenha(1, 1, alvo.get())) << "the unconverted picture still draws";
    EXPECT_EQ(corEm(alvo.get(), 3, 2), "255,0,0");
}

TEST(Pixela, LeOQueOSDLEscreveEmCadaProfundidade)
{
    for (const int bpp : {8, 16, 24, 32}) {
        Superficie s = novaSuperficie(bpp, 5, 3);
        const Uint32 cor = SDL_MapRGB(s->format, 200, 100, 50);
        SDL_Rect r = {1, 1, 3, 2};
        SDL_FillRect(s.get(), &r, cor);
        EXPECT_EQ(pixela(s.get(), 3, 2), cor) << bpp << " bits";
        EXPECT_EQ(pixela(s.get(), 0, 2), 0u) << bpp << " bits";
        pixela(s.get(), 4, 0, cor);
        EXPECT_EQ(pixela(s.get(), 4, 0), cor) << bpp << " bits";
        EXPECT_EQ(pixela(s.get(), 3, 0), 0u) << bpp << " bits: the neighbour stays";
    }
}
