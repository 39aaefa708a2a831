// Tests of CSprite on real surfaces under the dummy video driver: loading, the colour key,
// whole and partial draws, the sizes they report and the log lines.
#include <gtest/gtest.h>

#include <cstring>

#include "engine/media/CSprite.h"
#include "tests/MidiaTeste.h"

using namespace testing::internal;
using Sprite = MidiaTeste;

const Cor MAGENTA = {255, 0, 255}, VERMELHO = {255, 0, 0}, VERDE = {0, 255, 0};

TEST_F(Sprite, CargaQueFalhaEsvaziaEAvisa)
{
    CSprite s;
    ASSERT_TRUE(s.carregaImagem(bmp("a.bmp", 4, 4, VERDE)));
    const std::string falta = temp.caminho("falta.bmp");
    CaptureStderr();
    EXPECT_FALSE(s.carregaImagem(falta));
    EXPECT_EQ(GetCapturedStderr(),
              "Erro ao carregar a imagem " + falta + "\t " + SDL_GetError() + "\n");
    EXPECT_TRUE(s.desenha(0, 0)) << "an empty sprite draws nothing, without failing";
    EXPECT_FALSE(temTinta(tela, 0, 0, 320, 240)) << "the earlier picture is gone";
    CaptureStderr();
    s.corTransparente(255, 0, 255);
    EXPECT_EQ(GetCapturedStderr(),
              std::string("Impossivel setar cor transparente: \t ") + SDL_GetError() + "\n");
}

TEST_F(Sprite, TamanhoCarregadoRecortadoEParcial)
{
    CSprite s;
    ASSERT_TRUE(s.carregaImagem(bmp("a.bmp", 100, 50, VERDE, {{{40, 20, 30, 20}, VERMELHO}})));
    EXPECT_TRUE(s.retornaLargura() == 100 && s.retornaAltura() == 50);
    EXPECT_TRUE(s.desenha(300, 0));
    EXPECT_TRUE(s.retornaLargura() == 20 && s.retornaAltura() == 50) << "clipped at the edge";
    EXPECT_EQ(pixela(tela, 319, 49), SDL_MapRGB(tela->format, 0, 255, 0));

    // The red part alone lands at (10, 100), and nothing around it is touched.
    SDL_FillRect(tela, nullptr, 0);
    EXPECT_TRUE(s.desenha(10, 100, 40, 20, 30, 20));
    EXPECT_TRUE(s.retornaLargura() == 30 && s.retornaAltura() == 20);
    const Uint32 vermelho = SDL_MapRGB(tela->format, 255, 0, 0);
    EXPECT_TRUE(pixela(tela, 10, 100) == vermelho && pixela(tela, 39, 119) == vermelho);
    SDL_Rect parte = {10, 100, 30, 20};
    SDL_FillRect(tela, &parte, 0);
    EXPECT_FALSE(temTinta(tela, 0, 0, 320, 240));
}

TEST_F(Sprite, CorTransparenteDeixaOFundoEm16Em8Bits)
{
    CSprite s;
    ASSERT_TRUE(s.carregaImagem(bmp("a.bmp", 8, 4, VERMELHO, {{{0, 0, 4, 4}, MAGENTA}})));
    EXPECT_TRUE(s.cobre(8, 4) && !s.cobre(9, 4) && !s.cobre(8, 5));
    s.corTransparente(255 + 0x100, 0, 255);  // components are cut to 8 bits
    EXPECT_FALSE(s.cobre(1, 1)) << "the key lets the target show";
    for (const int bpp : {16, 8}) {
        Superficie alvo = novaSuperficie(bpp, 20, 20, 128);
        EXPECT_TRUE(s.desenha(2, 3, alvo.get()));
        SDL_Rect vermelho = {6, 3, 4, 4};
        EXPECT_EQ(pixela(alvo.get(), 6, 3), SDL_MapRGB(alvo->format, 255, 0, 0)) << bpp;
        SDL_FillRect(alvo.get(), &vermelho, 128);
        EXPECT_FALSE(temTinta(alvo.get(), 0, 0, 20, 20, 128)) << bpp << " bits: magenta drawn";
    }
}

// Without a video mode the picture is kept as loaded, a copy in the screen's format cannot
// replace it, and drawing on the screen fails.
TEST_F(Sprite, SemVideoGuardaAImagemSemConverterENaoDesenhaNaTela)
{
    SDL_Quit();
    const std::string caminho = bmp("a.bmp", 3, 2, VERMELHO);
    CSprite s;
    CaptureStdout();
    EXPECT_TRUE(s.carregaImagem(caminho));
    EXPECT_EQ(GetCapturedStdout(),
              "Não foi possível utilizar DisplayFormat para a imagem " + caminho + "\n");
    CaptureStderr();
    EXPECT_FALSE(s.desenha(0, 0) || s.desenha(0, 0, 0, 0, 1, 1));
    const std::string linha = "Não há superfície ativa para blitar imagem " + caminho + "!\n";
    EXPECT_EQ(GetCapturedStderr(), linha + linha);
    // Nor can a copy be made in the screen's format: the picture it was to replace stays.
    Superficie alvo = novaSuperficie(16, 4, 4);
    SDL_Surface* antes = s.retornaSuperficie();
    EXPECT_FALSE(s.copiaSuperficie(alvo.get()));
    EXPECT_EQ(antes, s.retornaSuperficie());
    EXPECT_TRUE(s.desenha(1, 1, alvo.get())) << "the unconverted picture still draws";
    EXPECT_EQ(pixela(alvo.get(), 3, 2), SDL_MapRGB(alvo->format, 255, 0, 0));
}

// Outside the surface pixela reads 0 and writes nothing, at every depth; the last pixel
// inside is still reached.
TEST_F(Sprite, PixelaForaDaSuperficie)
{
    for (const int bpp : {8, 16, 24, 32}) {
        Superficie s = novaSuperficie(bpp, 5, 3, 7);
        Superficie copia = novaSuperficie(bpp, 5, 3, 7);
        for (const auto& [x, y] : std::vector<std::pair<unsigned, unsigned>>{
                 {5, 0}, {0, 3}, {5, 3}, {4000000000u, 1}, {1, 4000000000u}}) {
            EXPECT_EQ(0u, pixela(s.get(), x, y)) << bpp;
            pixela(s.get(), x, y, 0xFFFFFFFF);
        }
        const size_t bytes = static_cast<size_t>(s->pitch) * 3;
        EXPECT_EQ(0, std::memcmp(s->pixels, copia->pixels, bytes)) << bpp;
        pixela(s.get(), 4, 2, 9);
        EXPECT_EQ(9u, pixela(s.get(), 4, 2)) << bpp;
    }
    EXPECT_EQ(0u, pixela(nullptr, 0, 0));
}
