// Tests of CSprite and pixela on real surfaces under the dummy video driver: whole and
// partial draws and the sizes they report, drawing with no screen, pixel
// access at every depth. Missing and hostile pictures are in MidiaHostilTeste.
#include <gtest/gtest.h>

#include <cstring>

#include "engine/media/CSprite.h"
#include "tests/apoio/MidiaTeste.h"

using namespace testing::internal;
using Sprite = MidiaTeste;

TEST_F(Sprite, TamanhoRecortadoParcialEVazio)
{
    CSprite s;
    ASSERT_TRUE(s.carregaImagem(bmp("a.bmp", 100, 50, VERDE, {{{40, 20, 30, 20}, VERMELHO}})));
    EXPECT_TRUE(s.retornaLargura() == 100 && s.retornaAltura() == 50 && s.cobre(100, 50) &&
                !s.cobre(101, 50) && !s.cobre(100, 51));
    // Clipped at the edge.
    EXPECT_TRUE(s.desenha(300, 0) && s.retornaLargura() == 20 && s.retornaAltura() == 50);
    EXPECT_EQ(corEm(tela, 319, 49), VERDE);
    // The red part alone lands at (10, 100), and nothing around it is touched.
    SDL_FillRect(tela, nullptr, 0);
    EXPECT_TRUE(s.desenha(10, 100, 40, 20, 30, 20));
    EXPECT_EQ(contaCor(tela, 10, 100, 30, 20, VERMELHO), 30 * 20);
    EXPECT_EQ(contaPixels(tela, 0, 0, 320, 240, 0, false), 30 * 20);
    // A failed load empties the sprite: it draws nothing, without failing.
    CaptureStderr();
    EXPECT_FALSE(s.carregaImagem(temp.caminho("falta.bmp")));
    SDL_FillRect(tela, nullptr, 0);
    EXPECT_TRUE(s.desenha(0, 0) && !temTinta(tela, 0, 0, 320, 240)) << "the old picture is gone";
    s.corTransparente(255, 0, 255);
    EXPECT_FALSE(s.cobre(1, 1));
    EXPECT_NE(std::string::npos, GetCapturedStderr().find(
        std::string("\nImpossivel setar cor transparente: \t ") + SDL_GetError() + "\n"));
}

// Without a video mode the picture is kept as loaded, a copy in the screen's format cannot
// replace it, and drawing on the screen fails.
TEST_F(Sprite, SemVideoNaoDesenhaNaTelaEPixelaSoDentroDaSuperficie)
{
    SDL_Quit();
    const std::string caminho = bmp("a.bmp", 3, 2, VERMELHO);
    CSprite s;
    CaptureStdout();
    CaptureStderr();
    EXPECT_TRUE(s.carregaImagem(caminho) && !s.desenha(0, 0) && !s.desenha(0, 0, 0, 0, 1, 1));
    const std::string linha = "Não há superfície ativa para blitar imagem " + caminho + "!\n";
    EXPECT_EQ(GetCapturedStderr(), linha + linha);
    EXPECT_EQ(GetCapturedStdout(),
              "Não foi possível utilizar DisplayFormat para a imagem " + caminho + "\n");
    Superficie alvo = novaSuperficie(16, 4, 4);
    SDL_Surface* antes = s.retornaSuperficie();
    EXPECT_FALSE(s.copiaSuperficie(alvo.get()));
    EXPECT_EQ(antes, s.retornaSuperficie()) << "the picture it was to replace stays";
    // The unconverted picture still draws.
    EXPECT_TRUE(s.desenha(1, 1, alvo.get()) && corEm(alvo.get(), 3, 2) == VERMELHO);

    // Every byte of a pixel is reached at every depth, up to the last pixel; outside the
    // surface pixela reads 0 and writes nothing.
    for (const int bpp : {8, 16, 24, 32}) {
        Superficie p = novaSuperficie(bpp, 5, 3, 7);
        const Superficie copia = novaSuperficie(bpp, 5, 3, 7);
        for (const auto& [x, y] : std::vector<std::pair<unsigned, unsigned>>{
                 {5, 0}, {0, 3}, {4000000000u, 1}, {1, 4000000000u}}) {
            EXPECT_EQ(0u, pixela(p.get(), x, y)) << bpp;
            pixela(p.get(), x, y, 0xFFFFFFFF);
        }
        EXPECT_EQ(0, std::memcmp(p->pixels, copia->pixels, size_t(p->pitch) * 3)) << bpp;
        pixela(p.get(), 4, 2, 0x9F5D3B);
        EXPECT_EQ(0x9F5D3Bu & (bpp == 32 ? ~0u : (1u << bpp) - 1), pixela(p.get(), 4, 2)) << bpp;
    }
    EXPECT_EQ(0u, pixela(nullptr, 0, 0));
}
