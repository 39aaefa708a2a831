// Tests of CSpriteAnimado: frames cut from the grid, the back-and-forth animation at the
// timer's pace, one-frame ranges and the sheets it refuses. Depends on CSpriteAnimado,
// CRelogio with the stepping tick source (Apoio.h) and MidiaTeste.h.
#include <gtest/gtest.h>

#include "engine/core/CRelogio.h"
#include "engine/media/CSpriteAnimado.h"
#include "tests/Apoio.h"
#include "tests/MidiaTeste.h"

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
            const SDL_Rect r = {Sint16(k % 3 * LADO), Sint16(k / 3 * LADO), LADO, LADO};
            quadros.push_back({r, {v, v, v}});
        }
        ASSERT_TRUE(s.carregaImagem(folha = bmp("folha.bmp", 35, 20, {255, 0, 0}, quadros)));
        relogio.defFonteTicks(apoio::TicksPasso::le, &ticks);
        relogio.inicializa();
    }
    std::string folha;
    apoio::TicksPasso ticks;
    CRelogio relogio;
    CSpriteAnimado s;
};

}  // namespace

TEST_F(SpriteAnimado, CadaQuadroSaiDaSuaCasaDaGrade)
{
    s.inicializa(LADO, LADO, 0, 5, nullptr, 0);
    for (unsigned short k = 0; k < 6; ++k) {
        Superficie alvo = novaSuperficie(16, 40, 40);
        EXPECT_TRUE(s.desenha(20, 15, k, alvo.get()));
        EXPECT_EQ(quadroEm(alvo.get(), 20, 15), k);
        EXPECT_EQ(s.retornaLargura(), LADO);
        SDL_Rect quadro = {20, 15, LADO, LADO};
        SDL_FillRect(alvo.get(), &quadro, 0);
        EXPECT_FALSE(temTinta(alvo.get(), 0, 0, 40, 40)) << "frame " << k << " spills";
    }
    SDL_FillRect(tela, nullptr, 0);
    EXPECT_TRUE(s.desenha(0, 0, 6)) << "past the sheet: nothing to draw";
    EXPECT_FALSE(temTinta(tela, 0, 0, 320, 240));
}

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

    // A frame drawn by hand is picked up by the animation, bounced back into the range.
    Superficie alvo = novaSuperficie(16, 40, 40);
    s.desenha(0, 0, 5, alvo.get());
    s.anima(0, 0, alvo.get());
    EXPECT_EQ(quadroEm(alvo.get(), 0, 0), 1);

    s.ajustaQuadros(4, 4);
    for (int i = 0; i < 12; ++i) {
        s.anima(0, 0, alvo.get());
        relogio.atualiza();
        EXPECT_EQ(quadroEm(alvo.get(), 0, 0), 4) << "a one-frame range stays put; call " << i;
    }
}

TEST_F(SpriteAnimado, RecusaFolhaSemQuadrosOuSemImagem)
{
    Superficie alvo = novaSuperficie(16, 40, 40);
    for (const int largura : {0, 36}) {
        s.inicializa(largura, LADO, 0, 2, &relogio, 0);
        EXPECT_FALSE(s.desenha(0, 0, 1, alvo.get())) << largura;
        EXPECT_FALSE(s.anima(0, 0)) << largura;
        s.anima(0, 0, alvo.get());
    }
    s.limpaSuperficie();
    s.inicializa(LADO, LADO, 0, 2, &relogio, 0);
    EXPECT_FALSE(s.desenha(0, 0, 1, alvo.get())) << "no picture";
    s.anima(0, 0, alvo.get());
    EXPECT_FALSE(temTinta(alvo.get(), 0, 0, 40, 40));

    CaptureStderr();
    EXPECT_FALSE(s.anima(0, 0));
    EXPECT_EQ(GetCapturedStderr(), "Impossivel animar: " + folha + "\t " + SDL_GetError() + "\n");
    EXPECT_EQ(s.retornaArquivo(), "");
}
