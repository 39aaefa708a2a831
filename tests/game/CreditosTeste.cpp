// The credits roll driven frame by frame: the page on the screen (told by the width of its
// yellow heading), its 7000 counted ms, the music and its fade, the back key.
#include <SDL_mixer.h>

#include <cstring>

#include "tests/apoio/TelasTeste.h"
#include "game/Creditos.h"
#include "game/paginasCreditos.h"

namespace {

const Cor AMARELO = {255, 255, 0};
const Cor BRANCO = {255, 255, 255};
const int X = 50, CELULA = 8, ALTURA_LINHA = 13;

// The heading's length in character cells, from its rightmost yellow pixel; 0 when there is
// no yellow heading at all.
int celulasDoTitulo(SDL_Surface* s)
{
    const int direita = direitaDaCor(s, X, 10, 320 - X, ALTURA_LINHA, AMARELO);
    return direita < 0 ? 0 : (direita - X) / CELULA + 1;
}

int celulasEsperadas(int pagina)
{
    return static_cast<int>(std::strlen(creditos::PAGINAS[pagina].linhas[0].texto));
}

class CreditosTeste : public TelasTeste {
protected:
    void SetUp() override
    {
        TelasTeste::SetUp();
        jogo.defFabrica(Corvela::CREDITOS, cria<Espia<Creditos>>);
        abre(Corvela::CREDITOS);
    }
    int pagina() { return static_cast<Creditos*>(jogo.retornaModulo())->retornaPagina(); }
};

TEST_F(CreditosTeste, TresPaginasDeSeteSegundosFadeNaUltimaEVoltaAoMenu)
{
    EXPECT_TRUE(Mix_PlayingMusic());
    EXPECT_EQ(50, Mix_VolumeMusic(-1));

    quadros(1);
    // "The Corvela team" at y 70 is white, and only white.
    EXPECT_GT(contaCor(tela(), X, 70, 270, ALTURA_LINHA, BRANCO), 0);
    EXPECT_EQ(0, contaCor(tela(), X, 70, 270, ALTURA_LINHA, AMARELO));
    EXPECT_EQ(0, contaCor(tela(), 0, 0, X, 240, BRANCO) + contaCor(tela(), 0, 0, X, 240, AMARELO))
        << "every line starts at x 50";

    // The first frame counts nothing, then 140 frames a page: pages change in frames 142,
    // 282 and 422. Each page is checked on its first and its last frame.
    for (int p = 0; p < 3; ++p)
        for (bool primeiro : {true, false}) {
            EXPECT_EQ(p, pagina());
            EXPECT_EQ(celulasEsperadas(p), celulasDoTitulo(tela()));
            EXPECT_EQ("Creditos", ativo());
            if (primeiro || p < 2) {  // the fade starts with the last page
                EXPECT_EQ(p == 2 ? MIX_FADING_OUT : MIX_NO_FADING, Mix_FadingMusic()) << p;
            }
            quadros(primeiro ? (p == 0 ? 140 : 139) : 1);
        }
    EXPECT_EQ("Menu", ativo());
    ASSERT_NE(nullptr, ultimaTela());
    SDL_Surface* ultima = ultimaTela().get();
    EXPECT_EQ(0, contaCor(ultima, 0, 0, 320, 240, BRANCO) +
                     contaCor(ultima, 0, 0, 320, 240, AMARELO))
        << "the frame past the last page draws nothing";
}

TEST_F(CreditosTeste, TeclaDeVoltaNoPrimeiroQuadroMostraAPaginaUmaVez)
{
    roteiro::empurraTecla(SDLK_ESCAPE, true);
    quadros(1);
    EXPECT_EQ("Menu", ativo());
    ASSERT_NE(nullptr, ultimaTela());
    EXPECT_EQ(celulasEsperadas(0), celulasDoTitulo(ultimaTela().get()));

    // On page 1 too, and on the key going down, not on its release.
    abre(Corvela::CREDITOS);
    quadros(150);
    roteiro::empurraTecla(SDLK_ESCAPE, false);  // still held from before the switch: forgotten
    quadros(1);
    EXPECT_EQ("Creditos", ativo());
    roteiro::empurraTecla(SDLK_ESCAPE, true);
    quadros(1);
    EXPECT_EQ("Menu", ativo());
    EXPECT_EQ(celulasEsperadas(1), celulasDoTitulo(ultimaTela().get()));
}

}  // namespace
