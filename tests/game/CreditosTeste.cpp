// The credits roll frame by frame: the page on the screen (told by the width of its yellow
// heading), its 7000 counted ms, the music and its fade, the back key.
#include <SDL_mixer.h>

#include <cstring>

#include "game/Creditos.h"
#include "game/paginasCreditos.h"
#include "tests/apoio/TelasTeste.h"

namespace {

const Cor AMARELO = {255, 255, 0};
const Cor BRANCO = {255, 255, 255};
const int X = 50, ALTURA_LINHA = 13;

// The screen as the credits left it when they were deleted.
Superficie ultima(nullptr, SDL_FreeSurface);
struct Espia : Creditos {
    ~Espia() override
    {
        SDL_Surface* t = SDL_GetVideoSurface();
        ultima.reset(SDL_ConvertSurface(t, t->format, SDL_SWSURFACE));
    }
};

// Whether page p's heading is on s: its yellow ends in the cell of its last character.
bool mostraPagina(SDL_Surface* s, int p)
{
    const int fim = X + CELULA * static_cast<int>(std::strlen(creditos::PAGINAS[p].linhas[0].texto));
    return contaCor(s, fim - CELULA, 10, CELULA, ALTURA_LINHA, AMARELO) > 0 &&
           contaCor(s, fim, 10, 320 - fim, ALTURA_LINHA, AMARELO) == 0;
}

class CreditosTeste : public TelasTeste {
protected:
    void SetUp() override
    {
        TelasTeste::SetUp();
        ultima.reset();
        projeto.defFabrica(Corvela::CREDITOS, []() -> CModulo* { return new Espia; });
        partida.entra(Corvela::CREDITOS);
    }
    void TearDown() override { ultima.reset(); }
    int pagina() { return static_cast<Creditos*>(projeto.retornaModulo())->retornaPagina(); }
};

TEST_F(CreditosTeste, TresPaginasDeSeteSegundosFadeNaUltimaEVoltaAoMenu)
{
    EXPECT_TRUE(Mix_PlayingMusic());
    EXPECT_EQ(50, Mix_VolumeMusic(-1));
    quadros();
    // "The Corvela team" at y 70 is white, and only white; every line starts at x 50.
    EXPECT_GT(contaCor(tela(), X, 70, 270, ALTURA_LINHA, BRANCO), 0);
    EXPECT_EQ(0, contaCor(tela(), X, 70, 270, ALTURA_LINHA, AMARELO));
    EXPECT_EQ(0, contaCor(tela(), 0, 0, X, 240, BRANCO) + contaCor(tela(), 0, 0, X, 240, AMARELO));
    // The first frame counts nothing, then 140 frames a page: pages change in frames 142,
    // 282 and 422. Each page is checked on its first and its last frame.
    for (int p = 0; p < 3; ++p)
        for (bool primeiro : {true, false}) {
            EXPECT_EQ(p, pagina());
            EXPECT_TRUE(mostraPagina(tela(), p)) << p;
            EXPECT_EQ("Creditos", ativo());
            if (primeiro || p < 2) {  // the fade starts with the last page
                EXPECT_EQ(p == 2 ? MIX_FADING_OUT : MIX_NO_FADING, Mix_FadingMusic()) << p;
            }
            quadros(primeiro ? (p == 0 ? 140 : 139) : 1);
        }
    EXPECT_EQ("Menu", ativo());
    ASSERT_NE(nullptr, ultima);
    EXPECT_FALSE(temTinta(ultima.get(), 0, 0, 320, 240)) << "the frame past the last page";
}

// The back key acts as it goes down, the page it leaves shown once.
TEST_F(CreditosTeste, TeclaDeVoltaDeixaAPaginaNoQuadroEmQueDesce)
{
    for (int p : {0, 1}) {
        partida.entra(Corvela::CREDITOS);
        quadros(150 * p);
        desce(SDLK_ESCAPE);
        quadros();
        EXPECT_EQ("Menu", ativo());
        ASSERT_NE(nullptr, ultima);
        EXPECT_TRUE(mostraPagina(ultima.get(), p)) << p;
    }
}

}  // namespace
