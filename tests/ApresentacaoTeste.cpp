// The intro driven frame by frame: the fade, the whole screen against the logo and text laid
// out by hand, the text's delay, the switch at 5000 counted ms, and the intro without a logo.
#include <unistd.h>

#include <filesystem>
#include <set>
#include <vector>

#include "TelasTeste.h"
#include "engine/media/CSpriteAnimado.h"
#include "engine/media/CTexto.h"
#include "game/Apresentacao.h"
#include "tests/MidiaTeste.h"

using testing::internal::CaptureStderr;
using testing::internal::GetCapturedStderr;

namespace {

const RGB AZUL = {10, 10, 200};
const RGB BRANCO = {255, 255, 255};

class ApresentacaoTeste : public TelasTeste {
protected:
    void TearDown() override
    {
        if (!diretorioOriginal.empty()) {
            ASSERT_EQ(0, chdir(diretorioOriginal.c_str()));
        }
        TelasTeste::TearDown();
    }

    Apresentacao* intro() { return static_cast<Apresentacao*>(jogo.retornaModulo()); }

    // The screen expected with a 201x81 logo on 320x240: the blue, logo frame `quadro` (or
    // none for -1) at (127, 80) at the fade's last alpha, and the text lines at (130, 160) and
    // (130, 170) in white.
    Copia esperada(int quadro)
    {
        SDL_Surface* t = tela();
        Copia s(SDL_ConvertSurface(t, t->format, SDL_SWSURFACE), SDL_FreeSurface);
        SDL_FillRect(s.get(), nullptr, SDL_MapRGB(s->format, AZUL.r, AZUL.g, AZUL.b));
        if (quadro >= 0) {
            CSpriteAnimado logo;
            logo.inicializa(67, 81, 0, 2, nullptr, 0);
            logo.carregaImagem("data/gfx/Orvalek.bmp");
            logo.corTransparente(102, 102, 102);
            SDL_SetAlpha(logo.retornaSuperficie(), SDL_SRCALPHA, 245);
            logo.desenha(127, 80, static_cast<unsigned short>(quadro), s.get());
        }
        CTexto texto;
        texto.inicializa(320, 240, "data/fonts/coure.fon", 8);
        for (const char* linha : {"Orvalek", "Presents"}) {
            texto.escreveTexto(linha);
            texto.exibe(130, linha[0] == 'O' ? 160 : 170, s.get(), 255, 255, 255);
        }
        return s;
    }

    std::string diretorioOriginal;
};

TEST_F(ApresentacaoTeste, FadeTextoPosicoesETrocaParaOMenu)
{
    abre(Corvela::APRESENTACAO);
    ASSERT_NE(nullptr, intro()->retornaLogo().retornaSuperficie());
    ASSERT_EQ(201, intro()->retornaLogo().retornaLargura());

    // The alpha handed to SDL: 0, 5, ... 245 over the first fifty frames; then the sheet is
    // swapped for its opaque copy over the blue, which the screen checks below hold to the
    // same pixels. Frame n starts with 50 * (n - 2) ms counted: the text shows from frame 42.
    std::vector<int> alfas, esperados, comTexto;
    const Copia esperadas[] = {esperada(0), esperada(1), esperada(2)};
    std::set<int> quadrosVistos;
    for (int n = 1; n <= 60; ++n) {
        quadros(1);
        if (n == 1) {
            EXPECT_EQ(320 * 240, contaCor(tela(), 0, 0, 320, 240, AZUL)) << "alpha 0: all blue";
        }
        const SDL_Surface* folha = intro()->retornaLogo().retornaSuperficie();
        ASSERT_NE(nullptr, folha);
        if (n <= 50) {
            alfas.push_back(folha->format->alpha);
            esperados.push_back(5 * (n - 1));
        } else {
            EXPECT_EQ(0u, folha->flags & (SDL_SRCALPHA | SDL_SRCCOLORKEY)) << "frame " << n;
        }
        if (contaCor(tela(), 0, 0, 320, 240, BRANCO) > 0)
            comTexto.push_back(n);
        // The last blended frame and the copied ones after it show the same pixels.
        if (n >= 50) {
            int igual = -1;
            for (int q = 0; q < 3 && igual < 0; ++q)
                if (iguais(esperadas[q].get(), tela()))
                    igual = q;
            EXPECT_NE(-1, igual) << "frame " << n << ": logo at (127, 80), text at (130, 160)"
                                 << " and (130, 170)";
            quadrosVistos.insert(igual);
        }
    }
    EXPECT_EQ(esperados, alfas);
    EXPECT_GE(quadrosVistos.size(), 2u) << "the logo animates on the copy";
    ASSERT_FALSE(comTexto.empty());
    EXPECT_EQ(42, comTexto.front()) << "the first frame with 2000 ms counted";
    EXPECT_EQ(60u - 41u, comTexto.size()) << "and every frame after it";

    apoio::empurraTecla(SDLK_LCTRL, true);  // the intro reads no keys
    quadros(101 - 60);
    EXPECT_EQ("Apresentacao", ativo());
    EXPECT_GT(contaCor(tela(), 130, 160, 70, 25, BRANCO), 0) << "the text stays";
    quadros(1);
    EXPECT_EQ("Menu", ativo()) << "frame 102 starts with 5000 ms counted";
    // The action key held through the switch was forgotten: its release chooses nothing.
    apoio::empurraTecla(SDLK_LCTRL, false);
    quadros(1);
    EXPECT_EQ("Menu", ativo());
}

TEST_F(ApresentacaoTeste, SemOLogoOTextoFicaNoLugarEOMenuVemNaHora)
{
    DiretorioTemporario semLogo;
    namespace fs = std::filesystem;
    // Everything but the logo, so that the menu after the intro loads without a word.
    fs::create_directories(semLogo.caminho("data/gfx"));
    for (const char* sub : {"fonts", "music", "sfx"})
        fs::create_directory_symlink(fs::absolute(std::string("data/") + sub),
                                     semLogo.caminho(std::string("data/") + sub));
    fs::create_symlink(fs::absolute("data/gfx/title.bmp"), semLogo.caminho("data/gfx/title.bmp"));
    diretorioOriginal = fs::current_path().string();
    ASSERT_EQ(0, chdir(semLogo.caminho("").c_str()));

    CaptureStderr();
    abre(Corvela::APRESENTACAO);
    quadros(42);
    const Copia so(esperada(-1));
    const bool textoNoLugar = iguais(so.get(), tela());
    quadros(59);
    const std::string ativoNoQuadro101 = ativo();
    quadros(1);
    const std::string erros = GetCapturedStderr();

    EXPECT_TRUE(textoNoLugar) << "the blue and the text where they are beside the logo";
    EXPECT_EQ("Apresentacao", ativoNoQuadro101);
    EXPECT_EQ("Menu", ativo());
    // The missing picture is told once, by its load (and by the colour key); no frame
    // repeats it.
    EXPECT_EQ(0u, erros.find("Erro ao carregar a imagem data/gfx/Orvalek.bmp\t ")) << erros;
    EXPECT_EQ(2, std::count(erros.begin(), erros.end(), '\n')) << erros;
    EXPECT_NE(std::string::npos, erros.find("Impossivel setar cor transparente: \t ")) << erros;
    EXPECT_EQ(std::string::npos, erros.find("Impossivel animar")) << erros;
}

}  // namespace
