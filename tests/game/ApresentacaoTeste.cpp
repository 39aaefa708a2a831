// The intro driven frame by frame: the fade, the whole screen against the logo and text laid
// out by hand, the text's delay, the switch at 5000 counted ms, and the intro without a logo.
#include <filesystem>
#include <set>

#include "engine/media/CSpriteAnimado.h"
#include "engine/media/CTexto.h"
#include "game/Apresentacao.h"
#include "tests/apoio/DadosProprios.h"
#include "tests/apoio/TelasTeste.h"

namespace {

const Cor AZUL = {10, 10, 200};

// The blue, logo frame `quadro` (none for -1) of the 201x81 sheet at (127, 80) at the fade's
// last alpha, the text lines at (130, 160) and (130, 170) in white.
Superficie esperada(int quadro)
{
    Superficie s = novaSuperficie(16, 320, 240);
    SDL_FillRect(s.get(), nullptr, SDL_MapRGB(s->format, AZUL.r, AZUL.g, AZUL.b));
    CSpriteAnimado logo;
    logo.inicializa(67, 81, 0, 2, nullptr, 0);
    if (quadro >= 0 && logo.carregaImagem("data/gfx/Orvalek.bmp")) {
        logo.corTransparente(102, 102, 102);
        SDL_SetAlpha(logo.retornaSuperficie(), SDL_SRCALPHA, 245);
        logo.desenha(127, 80, static_cast<unsigned short>(quadro), s.get());
    }
    CTexto texto;
    texto.inicializa(320, 240, FONTE_CELULA, 8);
    for (const char* linha : {"Orvalek", "Presents"}) {
        texto.escreveTexto(linha);
        texto.exibe(130, linha[0] == 'O' ? 160 : 170, s.get(), 255, 255, 255);
    }
    return s;
}

using ApresentacaoTeste = TelasTeste;

// Alpha 0, 5, ... 245 over the first fifty frames; then the sheet is swapped for its opaque
// copy over the blue, with the same pixels. Frame n starts with 50 * (n - 2) ms counted: the
// text shows from frame 42, the menu comes in frame 102.
TEST_F(ApresentacaoTeste, FadeTextoPosicoesETrocaParaOMenu)
{
    partida.entra(Corvela::APRESENTACAO);
    const CSpriteAnimado& logo = static_cast<Apresentacao*>(projeto.retornaModulo())->retornaLogo();
    const Superficie esperadas[] = {esperada(0), esperada(1), esperada(2)};
    std::set<int> vistos;  // the logo's frames seen
    for (int n = 1; n <= 60; ++n) {
        quadros();
        ASSERT_NE(nullptr, logo.retornaSuperficie());
        const SDL_Surface* folha = logo.retornaSuperficie();
        if (n <= 50)
            EXPECT_EQ(5 * (n - 1), folha->format->alpha) << n;
        else
            EXPECT_EQ(0u, folha->flags & (SDL_SRCALPHA | SDL_SRCCOLORKEY)) << n;
        EXPECT_EQ(n >= 42, contaCor(tela(), 0, 0, 320, 240, BRANCO) > 0) << n;
        int q = 0;
        while (n >= 50 && q < 3 && diferencas(tela(), esperadas[q].get()) != 0)
            ++q;
        EXPECT_LT(q, 3) << "frame " << n << ": the logo or the text is elsewhere";
        vistos.insert(n >= 50 ? q : 0);
    }
    EXPECT_GE(vistos.size(), 2u) << "the logo animates on the copy";
    quadros(41);
    EXPECT_EQ("Apresentacao", ativo());
    quadros();
    EXPECT_EQ("Menu", ativo());
}

// Without the logo the text keeps its place and the menu comes on time; the missing picture
// is told once, by its load.
TEST_F(ApresentacaoTeste, SemOLogoOTextoFicaNoLugarEOMenuVemNaHora)
{
    namespace fs = std::filesystem;
    DadosProprios dados;
    fs::remove("data/gfx");
    fs::create_directory("data/gfx");
    fs::create_symlink(std::string(CORVELA_RAIZ) + "/data/gfx/title.bmp", "data/gfx/title.bmp");
    testing::internal::CaptureStderr();
    partida.entra(Corvela::APRESENTACAO);
    quadros(42);
    EXPECT_EQ(0, diferencas(tela(), esperada(-1).get()));
    quadros(59);
    EXPECT_EQ("Apresentacao", ativo());
    quadros();
    const std::string erros = testing::internal::GetCapturedStderr();
    EXPECT_EQ("Menu", ativo());
    EXPECT_EQ(0u, erros.find("Erro ao carregar a imagem data/gfx/Orvalek.bmp\t ")) << erros;
    EXPECT_EQ(2, std::count(erros.begin(), erros.end(), '\n')) << erros;
}

}  // namespace
