// Tests of the settings loaders: the video mode and the key bindings read from key files,
// atoi conversions reduced to the field widths, the 255-binding limit, and that the loaders
// never change the caller's file. Depends on gtest, SDL (dummy drivers), CVideo, CEvento,
// CArquivoChave, the key-event helper and the scratch directory helper.
#include <SDL.h>

#include <iterator>
#include <string>
#include <tuple>
#include <vector>

#include <gtest/gtest.h>

#include "engine/core/CEvento.h"
#include "engine/files/CArquivoChave.h"
#include "engine/media/CVideo.h"
#include "tests/apoio/Apoio.h"
#include "tests/apoio/ArquivosTemporarios.h"

namespace {

// The caller's key file as a loader found it: name, lines, cursor and flags.
std::tuple<std::string, std::vector<std::string>, int, bool, bool> retrata(
    const CArquivoChave& arquivo)
{
    std::vector<std::string> linhas;
    std::string linha;
    for (unsigned int i = 0; arquivo.linha(i, &linha); ++i) {
        linhas.push_back(linha);
    }
    return {arquivo.nomeArq(), linhas, arquivo.posAbsoluta(), arquivo.fda(), arquivo.ida()};
}

}  // namespace

TEST(ConfiguracaoTeste, VideoSemArquivoNaoTocaOSdl)
{
    DiretorioTemporario dir;
    CVideo video;
    EXPECT_FALSE(video.inicializa(CArquivoChave()));
    EXPECT_FALSE(video.inicializa(dir.caminho("falta.cfg")));
    EXPECT_EQ(SDL_WasInit(SDL_INIT_VIDEO), 0u);
    EXPECT_EQ(video.retornaTela(), nullptr);
}

// The cases alternate between the two overloads, so that each sees fields the other set.
TEST(ConfiguracaoTeste, VideoConverteComoAtoiSemGravarNada)
{
    const struct {
        std::string conteudo;
        int largura, altura, bpp;
        bool telaCheia;
    } casos[] = {
        {"# video\nvideo_largura = 16bit\nvideo_altura=-1\n  video_bpp = 272\nvideo_bpp = 8\n"
         "video_telaCheia = yes\n",
         16, 65535, 16, false},  // 272 reduced to 8 bits; the second video_bpp is ignored
        {"video_telaCheia = 1\nvideo_bpp = 16\nvideo_altura = 240\nvideo_largura = 320",
         320, 240, 16, true},
        {"# nothing here\nvideo_bpp 16\nvideo_telaCheia = 0\n", 0, 0, 0, false},
    };
    DiretorioTemporario dir;
    CVideo video;
    for (std::size_t i = 0; i < std::size(casos); ++i) {
        SCOPED_TRACE(casos[i].conteudo);
        const std::string nome = dir.escreve("video.cfg", casos[i].conteudo);
        if (i % 2 == 0) {
            video.inicializa(nome);
        } else {
            CArquivoChave configuracao;
            ASSERT_TRUE(configuracao.abrir(nome));
            configuracao.posRelativa(9);  // on the last line with fda() set
            const auto antes = retrata(configuracao);
            video.inicializa(configuracao);
            EXPECT_EQ(retrata(configuracao), antes);
        }
        EXPECT_EQ(video.retornaLargura(), casos[i].largura);
        EXPECT_EQ(video.retornaAltura(), casos[i].altura);
        EXPECT_EQ(video.retornaBpp(), casos[i].bpp);
        EXPECT_EQ(video.retornaTelaCheia(), casos[i].telaCheia);
        EXPECT_EQ(video.retornaFlags(), casos[i].telaCheia ? 0xC0000001u : 0u);
        EXPECT_EQ(DiretorioTemporario::le(nome), casos[i].conteudo);
    }
}

// The bindings are told apart by pressing their SDL keys through the event queue.
class ConfiguracaoTeclasTeste : public testing::Test {
protected:
    void SetUp() override { ASSERT_EQ(SDL_Init(SDL_INIT_VIDEO), 0) << SDL_GetError(); }
    void TearDown() override { SDL_Quit(); }

    // Whether holding the SDL key sym makes logical key codInt active.
    bool ativa(int sym, unsigned char codInt)
    {
        roteiro::empurraTecla(static_cast<SDLKey>(sym), true);
        evento.descarregaFila();
        const bool ativado = evento.ativado(codInt);
        roteiro::empurraTecla(static_cast<SDLKey>(sym), false);
        evento.descarregaFila();
        return ativado;
    }

    DiretorioTemporario dir;
    CEvento evento;
};

TEST_F(ConfiguracaoTeclasTeste, CadaLinhaChaveViraUmaLigacao)
{
    const std::string conteudo =
        "# bindings\n0 = 273\n\n0 = 119\n# 1 = 274\nUP = 8\n260 = 27\n1 = 274 down\n";
    const std::string nome = dir.escreve("teclas.cfg", conteudo);
    CArquivoChave configuracao;
    ASSERT_TRUE(configuracao.abrir(nome));
    configuracao.posAbsoluta(3);
    const auto antes = retrata(configuracao);
    evento.carregaConfigTeclasPadrao();
    ASSERT_TRUE(evento.carregaConfigTeclas(configuracao));
    EXPECT_EQ(retrata(configuracao), antes);
    EXPECT_EQ(DiretorioTemporario::le(nome), conteudo);
    EXPECT_EQ(evento.totTeclas(), 5u);
    EXPECT_TRUE(ativa(SDLK_UP, 0));
    EXPECT_TRUE(ativa(119, 0));
    EXPECT_TRUE(ativa(SDLK_BACKSPACE, 0));  // a key that is not a number is logical 0
    EXPECT_TRUE(ativa(SDLK_ESCAPE, 4));     // 260 reduced to 8 bits
    EXPECT_TRUE(ativa(SDLK_DOWN, 1));
    EXPECT_FALSE(ativa(SDLK_LEFT, 3));  // the defaults are gone
    ASSERT_TRUE(evento.carregaConfigTeclas(dir.escreve("uma.cfg", "7 = 13")));
    EXPECT_EQ(evento.totTeclas(), 1u);
    EXPECT_TRUE(ativa(SDLK_RETURN, 7));
    EXPECT_FALSE(ativa(SDLK_UP, 0));
}

TEST_F(ConfiguracaoTeclasTeste, ParaNoLimiteDeLigacoes)
{
    const unsigned int limite = CEvento::MAX_TECLAS;
    std::string conteudo;
    for (unsigned int i = 0; i < limite + 45; ++i) {
        // The last binding that fits and the first that does not are told apart.
        conteudo += i + 1 == limite ? "1 = 274\n" : i == limite ? "2 = 275\n" : "6 = 8\n";
    }
    ASSERT_TRUE(evento.carregaConfigTeclas(dir.escreve("muitas.cfg", conteudo)));
    EXPECT_EQ(evento.totTeclas(), limite);
    EXPECT_TRUE(ativa(SDLK_DOWN, 1));
    EXPECT_FALSE(ativa(SDLK_RIGHT, 2));
    EXPECT_TRUE(ativa(SDLK_BACKSPACE, 6));
}

TEST_F(ConfiguracaoTeclasTeste, ArquivoSemLigacoes)
{
    evento.carregaConfigTeclasPadrao();
    EXPECT_FALSE(evento.carregaConfigTeclas(dir.caminho("falta.cfg")));
    EXPECT_EQ(evento.totTeclas(), 6u);  // an unreadable path keeps the bindings
    EXPECT_FALSE(evento.carregaConfigTeclas(CArquivoChave()));
    EXPECT_EQ(evento.totTeclas(), 0u);  // a closed file removes them all
    EXPECT_FALSE(ativa(SDLK_UP, 0));
    evento.carregaConfigTeclasPadrao();
    EXPECT_FALSE(evento.carregaConfigTeclas(dir.escreve("nada.cfg", "# 0 = 273\n\nUP 273\n")));
    EXPECT_EQ(evento.totTeclas(), 0u);
}
