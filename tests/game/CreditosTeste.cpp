// The credits roll frame by frame: the page on the screen (told by the width of its yellow
// heading), its 7000 counted ms, the music and its fade, the back key.
#include <SDL_mixer.h>

#include <cstring>

#include "game/paginasCreditos.h"
#include "tests/apoio/TelasTeste.h"

namespace {

const int X = 50, ALTURA_LINHA = 13;

class CreditosTeste : public TelasTeste {
protected:
    void SetUp() override { TelasTeste::SetUp(); partida.entra(Corvela::CREDITOS); }
    // Whether page p's heading is shown: its yellow ends in the cell of its last character.
    bool mostraPagina(int p)
    {
        const int fim = X + CELULA * static_cast<int>(std::strlen(creditos::PAGINAS[p].linhas[0].texto));
        return contaCor(tela(), fim - CELULA, 10, CELULA, ALTURA_LINHA, AMARELO) > 0 &&
               contaCor(tela(), fim, 10, 320 - fim, ALTURA_LINHA, AMARELO) == 0;
    }
};

// The first frame counts nothing, then 140 frames a page: pages change in frames 142, 282 and
// 422. Each page is checked on its first and its last frame; the music fades on the last.
TEST_F(CreditosTeste, TresPaginasDeSeteSegundosFadeNaUltimaEVoltaAoMenu)
{
    EXPECT_TRUE(Mix_PlayingMusic() && Mix_VolumeMusic(-1) == 50);
    quadros();
    // "The Corvela team" at y 70 is white, and only white; every line starts at x 50.
    EXPECT_TRUE(contaCor(tela(), X, 70, 270, ALTURA_LINHA, BRANCO) > 0 &&
                contaCor(tela(), X, 70, 270, ALTURA_LINHA, AMARELO) == 0 &&
                !temTinta(tela(), 0, 0, X, 240));
    for (int p = 0; p < 3; ++p)
        for (bool primeiro : {true, false}) {
            EXPECT_TRUE(mostraPagina(p)) << p;
            const Mix_Fading fade = p == 2 ? MIX_FADING_OUT : MIX_NO_FADING;
            EXPECT_TRUE((!primeiro && p == 2) || Mix_FadingMusic() == fade) << p;
            quadros(primeiro ? (p == 0 ? 140 : 139) : 1);
        }
    EXPECT_EQ("Menu", ativo());
}

// The back key acts as it goes down, and so does a pointer press.
TEST_F(CreditosTeste, TeclaDeVoltaOuCliqueAgemAoDescer)
{
    quadros(150);
    desce(SDLK_ESCAPE);
    quadros();
    EXPECT_EQ("Menu", ativo());
    partida.entra(Corvela::CREDITOS);
    roteiro::empurraPonteiro(SDL_MOUSEBUTTONDOWN, 5, 5);
    quadros();
    EXPECT_EQ("Menu", ativo());
}

}  // namespace
