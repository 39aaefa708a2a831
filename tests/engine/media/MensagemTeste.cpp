// Tests of CMensagem: the keyed frame, translucent on targets of 16 bits and more and opaque
// on an 8-bit one, the message in black inside it, and a failed set-up.
#include <gtest/gtest.h>

#include "engine/media/CMensagem.h"
#include "tests/apoio/MidiaTeste.h"

using namespace testing::internal;

static const int X = 50, Y = 40;  // where the box is drawn

using Mensagem = MidiaTeste;

TEST_F(Mensagem, MolduraTranslucidaSoAcimaDe8BitsTextoPretoDentroEFalhas)
{
    // A blue 100x60 frame whose left 10 columns are the magenta key.
    const std::string moldura = bmp("m.bmp", 100, 60, {0, 0, 255}, {{{0, 0, 10, 60}, MAGENTA}});
    for (const int bpp : {16, 32, 8}) {
        Superficie alvo = novaSuperficie(bpp, 320, 240);
        SDL_FillRect(alvo.get(), nullptr, SDL_MapRGB(alvo->format, 255, 255, 255));
        CMensagem m;
        ASSERT_TRUE(m.inicializa(moldura, FONTE_CELULA, alvo.get()));
        m.escreveTexto("HHHH HHHH HHHH");
        m.exibe(X, Y);
        EXPECT_EQ(corEm(alvo.get(), X + 5, Y + 30), (Cor{255, 255, 255})) << bpp << ": key drawn";
        const Cor azul = corEm(alvo.get(), X + 50, Y + 5);
        const Uint32 fundo = pixela(alvo.get(), X + 50, Y + 5);
        EXPECT_TRUE(bpp == 8 ? fundo == SDL_MapRGB(alvo->format, 0, 0, 255)
                             : azul.r > 0 && azul.r < 40 && azul.b >= 248) << bpp << ": " << azul;
        // The message, in black, from 10 pixels inside the frame, and nothing of it outside.
        EXPECT_GT(contaCor(alvo.get(), X + 10, Y + 10, 90, 50, {0, 0, 0}), 0) << bpp;
        SDL_Rect dentro = {X + 10, Y + 10, 90, 50};
        SDL_FillRect(alvo.get(), &dentro, fundo);
        EXPECT_FALSE(temTinta(alvo.get(), X + 10, Y, 90, 60, fundo)) << bpp;
    }
    // Before any set-up, and after a failed one, the box draws nothing.
    CMensagem m;
    m.escreveTexto("nada");
    m.exibe(0, 0);
    CaptureStderr();  // CTexto's line, checked with the other missing fonts
    EXPECT_FALSE(m.inicializa(moldura, FONTE_CELULA, nullptr) ||
                 m.inicializa(moldura, temp.caminho("nenhuma.fon"), tela));
    GetCapturedStderr();
    m.exibe(X, Y);
    EXPECT_FALSE(temTinta(tela, 0, 0, 320, 240));
}
