// Tests of CSpriteAnimado: frames cut from the grid, the back-and-forth animation at the
// timer's pace, one-frame ranges and the sheets it refuses.
#include <gtest/gtest.h>

#include <climits>

#include "engine/core/CRelogio.h"
#include "engine/media/CSpriteAnimado.h"
#include "tests/apoio/Apoio.h"
#include "tests/apoio/MidiaTeste.h"

using namespace testing::internal;

namespace {

const int LADO = 10;

// The frame shown at (x, y), told by the grey of its centre; -1 for the black background.
int quadroEm(SDL_Surface* s, int x, int y)
{
    Uint8 r, g, b;
    SDL_GetRGB(pixela(s, x + LADO / 2, y + LADO / 2), s->format, &r, &g, &b);
    return r == 0 ? -1 : (r + 10) / 40;
}

// A 35x20 sheet of 10x10 frames: 3 columns (5 red pixels to spare), 2 rows; frame k is grey
// 10 + 40k. Its clock counts 33 ms per frame.
class SpriteAnimado : public MidiaTeste {
protected:
    void SetUp() override
    {
        MidiaTeste::SetUp();
        std::vector<Area> quadros;
        for (int k = 0; k < 6; ++k) {
            const Uint8 v = static_cast<Uint8>(10 + 40 * k);
            const Sint16 x = k % 3 * LADO, y = k / 3 * LADO;
            quadros.push_back({{x, y, LADO, LADO}, {v, v, v}});
        }
        ASSERT_TRUE(s.carregaImagem(folha = bmp("folha.bmp", 35, 20, {255, 0, 0}, quadros)));
        relogio.defFonteTicks(roteiro::Ticks::le, &ticks);
        relogio.inicializa();
    }
    std::string folha;
    roteiro::Ticks ticks;
    CRelogio relogio;
    CSpriteAnimado s;
};

}  // namespace

TEST_F(SpriteAnimado, VaiEVoltaNoRitmoDoRelogio)
{
    relogio.atualiza();
    s.inicializa(LADO, LADO, 0, 2, &relogio, 99);
    // 99 ms is three 33-ms frames; the first change is decided before that call's own time
    // is added, so frame 0 shows once more.
    const int esperado[] = {0, 0, 0, 0, 1, 1, 1, 2, 2, 2, 1, 1, 1, 0, 0, 0, 1, 1, 1, 2};
    for (size_t i = 0; i < std::size(esperado); ++i) {
        SDL_FillRect(tela, nullptr, 0);
        EXPECT_TRUE(s.anima(100, 50));
        EXPECT_EQ(quadroEm(tela, 100, 50), esperado[i]) << "call " << i;
        relogio.atualiza();
    }
    EXPECT_EQ(s.retornaLargura(), 35) << "animating leaves the sheet's size";

    // A frame from the grid's second row lands whole, and alone; animating from it bounces
    // back into the range; a one-frame range stays put.
    Superficie alvo = novaSuperficie(16, 40, 40);
    EXPECT_TRUE(s.desenha(20, 15, 5, alvo.get()));
    EXPECT_EQ(quadroEm(alvo.get(), 20, 15), 5);
    SDL_Rect quadro = {20, 15, LADO, LADO};
    SDL_FillRect(alvo.get(), &quadro, 0);
    EXPECT_FALSE(temTinta(alvo.get(), 0, 0, 40, 40)) << "frame 5 spills";
    s.anima(0, 0, alvo.get());
    EXPECT_EQ(quadroEm(alvo.get(), 0, 0), 1);
    s.ajustaQuadros(4, 4);
    for (int i = 0; i < 12; ++i, relogio.atualiza()) {
        s.anima(0, 0, alvo.get());
        EXPECT_EQ(quadroEm(alvo.get(), 0, 0), 4) << "call " << i;
    }
}

TEST_F(SpriteAnimado, RecusaFolhaSemQuadrosOuSemImagem)
{
    Superficie alvo = novaSuperficie(16, 40, 40);
    for (const int largura : {0, 36}) {  // no frame fits the sheet
        s.inicializa(largura, LADO, 0, 2, &relogio, 0);
        s.anima(0, 0, alvo.get());
        EXPECT_FALSE(s.desenha(0, 0, 1, alvo.get()) || s.anima(0, 0)) << largura;
    }
    s.limpaSuperficie();
    s.inicializa(LADO, LADO, 0, 2, &relogio, 0);
    EXPECT_FALSE(s.desenha(0, 0, 1, alvo.get())) << "no picture";
    s.anima(0, 0, alvo.get());
    EXPECT_FALSE(temTinta(alvo.get(), 0, 0, 40, 40));
    CaptureStderr();
    EXPECT_FALSE(s.anima(0, 0));
    EXPECT_EQ(GetCapturedStderr(), "Impossivel animar: " + folha + "\t " + SDL_GetError() + "\n");
}

// Frame offsets worked out wide: a 65546-pixel-tall frame 3 lies far below the sheet and
// must not wrap to 16 bits onto row 1; a row offset past an int draws nothing either; a
// range that ends at INT_MAX turns there instead of overflowing.
TEST_F(SpriteAnimado, DeslocamentoDoQuadroSemTransbordar)
{
    Superficie alvo = novaSuperficie(16, 40, 40);
    s.inicializa(LADO, 65536 + LADO, 0, 5, nullptr, 0);
    EXPECT_TRUE(s.desenha(0, 0, 3, alvo.get()));
    EXPECT_EQ(3, s.retornaQuadroAtual());
    EXPECT_FALSE(temTinta(alvo.get(), 0, 0, 40, 40));
    s.inicializa(LADO, (1 << 30) + 1, 0, 5, nullptr, 0);
    EXPECT_TRUE(s.desenha(0, 0, 6, alvo.get()));
    EXPECT_FALSE(temTinta(alvo.get(), 0, 0, 40, 40));

    s.inicializa(LADO, LADO, INT_MAX - 1, INT_MAX, &relogio, 0);
    for (int i = 0; i < 6; ++i, relogio.atualiza()) {
        s.anima(0, 0, alvo.get());
        EXPECT_GE(s.retornaQuadroAtual(), INT_MAX - 2) << i;
    }
}
