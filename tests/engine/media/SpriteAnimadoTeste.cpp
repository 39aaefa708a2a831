// Tests of CSpriteAnimado: frames cut from the grid, the back-and-forth animation at the
// timer's pace, one-frame ranges, the sheets it refuses and frame offsets that would overflow.
#include <gtest/gtest.h>

#include <climits>

#include "engine/core/CRelogio.h"
#include "engine/media/CSpriteAnimado.h"
#include "tests/apoio/Apoio.h"
#include "tests/apoio/MidiaTeste.h"

using namespace testing::internal;

static const int LADO = 10;

// The frame shown at (x, y), told by the grey of its centre; -1 for the black background.
static int quadroEm(SDL_Surface* s, int x, int y)
{
    const Cor c = corEm(s, x + LADO / 2, y + LADO / 2);
    return c.r == 0 ? -1 : (c.r + 10) / 40;
}

// A 35x20 sheet of 10x10 frames: 3 columns (5 red pixels to spare), 2 rows; frame k is grey
// 10 + 40k. Its clock counts 33 ms per frame.
class SpriteAnimado : public MidiaTeste {
protected:
    void SetUp() override
    {
        MidiaTeste::SetUp();
        std::vector<Area> quadros;
        for (Uint8 k = 0; k < 6; ++k)
            quadros.push_back({{Sint16(k % 3 * LADO), Sint16(k / 3 * LADO), LADO, LADO},
                               {Uint8(10 + 40 * k), Uint8(10 + 40 * k), Uint8(10 + 40 * k)}});
        ASSERT_TRUE(s.carregaImagem(folha = bmp("folha.bmp", 35, 20, {255, 0, 0}, quadros)));
        relogio.defFonteTicks(roteiro::Ticks::le, &ticks);
        relogio.inicializa();
    }
    std::string folha;
    roteiro::Ticks ticks;
    CRelogio relogio;
    CSpriteAnimado s;
    Superficie alvo = novaSuperficie(16, 40, 40);
};

TEST_F(SpriteAnimado, VaiEVoltaNoRitmoDoRelogioERecusaOQueNaoCabe)
{
    relogio.atualiza();
    s.inicializa(LADO, LADO, 0, 2, &relogio, 99);
    // 99 ms is three 33-ms frames; the first change is decided before that call's own time
    // is added, so frame 0 shows once more.
    const int esperado[] = {0, 0, 0, 0, 1, 1, 1, 2, 2, 2, 1, 1, 1, 0, 0, 0, 1, 1, 1, 2};
    for (size_t i = 0; i < std::size(esperado); ++i, relogio.atualiza()) {
        EXPECT_TRUE(s.anima(100, 50));
        EXPECT_EQ(quadroEm(tela, 100, 50), esperado[i]) << "call " << i;
    }
    // A frame from the grid's second row lands whole; animating from it bounces back into
    // the range.
    EXPECT_TRUE(s.desenha(20, 15, 5, alvo.get()) && quadroEm(alvo.get(), 20, 15) == 5);
    s.anima(0, 0, alvo.get());
    EXPECT_EQ(quadroEm(alvo.get(), 0, 0), 1);
    // No frame fits the sheet, or there is no picture: nothing drawn, the failures reported.
    // Frame offsets are worked out wide: a 65546-pixel-tall frame 3 lies far below the sheet
    // and must not wrap to 16 bits onto row 1; a row offset past an int draws nothing either;
    // a range that ends at INT_MAX turns there instead of overflowing.
    SDL_FillRect(alvo.get(), nullptr, 0);
    for (const auto& [largura, altura] : {std::pair{0, LADO}, {36, LADO}, {LADO, 65536 + LADO}}) {
        s.inicializa(largura, altura, 0, 5, &relogio, 0);
        EXPECT_EQ(largura == LADO, s.desenha(0, 0, 3, alvo.get())) << largura;
        EXPECT_EQ(largura == LADO, s.anima(0, 0)) << largura;
    }
    s.inicializa(LADO, (1 << 30) + 1, 0, 5, nullptr, 0);
    EXPECT_TRUE(s.desenha(0, 0, 6, alvo.get()));
    EXPECT_FALSE(temTinta(alvo.get(), 0, 0, 40, 40)) << "a frame far below the sheet drew";
    s.inicializa(LADO, LADO, INT_MAX - 1, INT_MAX, &relogio, 0);
    for (int i = 0; i < 6; ++i, relogio.atualiza()) {
        s.anima(0, 0, alvo.get());
        EXPECT_GE(s.retornaQuadroAtual(), INT_MAX - 2) << i;
    }
    s.limpaSuperficie();
    EXPECT_FALSE(s.desenha(0, 0, 1, alvo.get())) << "no picture";
    CaptureStderr();
    EXPECT_FALSE(s.anima(0, 0));
    EXPECT_EQ(GetCapturedStderr(), "Impossivel animar: " + folha + "\t " + SDL_GetError() + "\n");
}
