// Tests of CMensagem: the keyed frame, translucent on a 16-bit target and opaque on an 8-bit
// one, the message inside it, and a failed set-up.
#include <gtest/gtest.h>

#include "engine/media/CMensagem.h"
#include "tests/apoio/MidiaTeste.h"

using namespace testing::internal;

namespace {

const int X = 50, Y = 40;  // where the box is drawn

// A blue 100x60 frame whose left 10 columns are the magenta key.
class Mensagem : public MidiaTeste {
protected:
    void SetUp() override
    {
        MidiaTeste::SetUp();
        moldura = bmp("moldura.bmp", 100, 60, {0, 0, 255}, {{{0, 0, 10, 60}, {255, 0, 255}}});
    }
    std::string moldura;
};

}  // namespace

TEST_F(Mensagem, MolduraTranslucidaEm16BitsEOpacaEm8)
{
    Superficie alvo = novaSuperficie(16, 320, 240, 0xFFFF);  // white
    CMensagem m;
    ASSERT_TRUE(m.inicializa(moldura, FONTE_CELULA, alvo.get()));
    m.exibe(X, Y);
    EXPECT_EQ(pixela(alvo.get(), X + 5, Y + 30), 0xFFFFu) << "magenta is not drawn";
    Uint8 r, g, b;
    SDL_GetRGB(pixela(alvo.get(), X + 50, Y + 5), alvo->format, &r, &g, &b);
    EXPECT_TRUE(r > 0 && r < 40 && b >= 248) << "a little white shows through: " << int(r);

    // The message, in black, from 10 pixels inside the frame.
    m.escreveTexto("HHHH HHHH HHHH");
    m.exibe(X, Y);
    SDL_Rect dentro = {X + 10, Y + 10, 90, 50};
    const Uint32 azul = pixela(alvo.get(), X + 50, Y + 5);
    EXPECT_TRUE(temTinta(alvo.get(), X + 10, Y + 10, 90, 50, azul));
    SDL_FillRect(alvo.get(), &dentro, azul);
    EXPECT_FALSE(temTinta(alvo.get(), X + 10, Y, 90, 60, azul)) << "nothing outside the inset";

    Superficie oito = novaSuperficie(8, 320, 240, 255);
    ASSERT_TRUE(m.inicializa(moldura, FONTE_CELULA, oito.get()));
    m.exibe(X, Y);
    EXPECT_EQ(pixela(oito.get(), X + 5, Y + 30), 255u) << "magenta is not drawn";
    EXPECT_EQ(pixela(oito.get(), X + 50, Y + 5), SDL_MapRGB(oito->format, 0, 0, 255));
}

TEST_F(Mensagem, FalhaNaMontagemDeixaACaixaSemDesenhar)
{
    CMensagem m;
    m.escreveTexto("nada");
    m.exibe(0, 0);  // before any set-up: nothing to draw with
    EXPECT_FALSE(m.inicializa(moldura, FONTE_CELULA, nullptr));
    CaptureStderr();  // CTexto's line, checked with CTexto
    EXPECT_FALSE(m.inicializa(moldura, temp.caminho("nenhuma.fon"), tela));
    GetCapturedStderr();
    m.exibe(X, Y);
    EXPECT_FALSE(temTinta(tela, 0, 0, 320, 240));
}
