// The game's optional settings files, teclas.cfg and video.cfg, read from the working
// directory by Corvela::init: absent, present, and present but unusable.
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <string>

#include "tests/apoio/Apoio.h"
#include "engine/core/CEvento.h"
#include "game/Corvela.h"
#include "game/ajustes.h"
#include "tests/apoio/ArquivosTemporarios.h"

using namespace testing::internal;

namespace {

// Runs each test inside a scratch directory, the game's working directory.
class AjustesTeste : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(getcwd(anterior, sizeof anterior) != nullptr);
        ASSERT_EQ(0, chdir(temp.caminho("").c_str()));
    }
    void TearDown() override { ASSERT_EQ(0, chdir(anterior)); }

    char anterior[4096];
    DiretorioTemporario temp;
};

// Whether pressing `tecla` reaches logical key `codigo`.
bool aciona(CEvento& evento, SDLKey tecla, unsigned char codigo)
{
    roteiro::empurraTecla(tecla, true);
    evento.descarregaFila();
    const bool desceu = evento.desceu(codigo);
    roteiro::empurraTecla(tecla, false);
    evento.descarregaFila();
    return desceu;
}

bool ligacoesDoJogo(CEvento& evento)
{
    return evento.totTeclas() == 9 && aciona(evento, SDLK_LALT, 4) &&
           aciona(evento, SDLK_LCTRL, 4) && aciona(evento, SDLK_BACKSPACE, 6) &&
           aciona(evento, SDLK_RETURN, 7) && aciona(evento, SDLK_ESCAPE, 5);
}

unsigned linhas(const std::string& texto)
{
    return static_cast<unsigned>(std::count(texto.begin(), texto.end(), '\n'));
}

// Without the files, and with the commented examples shipped in the package (which hold
// the game's own settings), the game starts as it always did, without a word.
TEST_F(AjustesTeste, SemArquivosOuComOsExemplosNadaMuda)
{
    for (bool exemplos : {false, true}) {
        if (exemplos) {
            for (const char* nome : {"teclas.cfg", "video.cfg"})
                std::filesystem::copy_file(std::string(CORVELA_RAIZ) + "/tools/pacote/" + nome,
                                           nome);
        }
        Corvela jogo;
        CaptureStderr();
        ASSERT_TRUE(jogo.init());
        EXPECT_EQ("", GetCapturedStderr());
        const CVideo& v = *jogo.retornaVideo();
        EXPECT_TRUE(v.retornaLargura() == 320 && v.retornaAltura() == 240 &&
                    v.retornaTela()->format->BitsPerPixel == 16 && v.retornaFlags() == 0);
        EXPECT_EQ("SDL Corvela", v.retornaTitulo());
        EXPECT_TRUE(ligacoesDoJogo(*jogo.retornaEvento())) << exemplos;
    }
}

TEST_F(AjustesTeste, ArquivosPresentesMandam)
{
    temp.escreve("teclas.cfg",
                 "# a handheld whose buttons send letters\n"
                 "0 = 119\n1 = 115\n2 = 100\n3 = 97\n\n"
                 "4 = 32\n4 = 306\n5 = 27\n");
    temp.escreve("video.cfg",
                 "video_largura = 320\nvideo_altura = 240\nvideo_bpp = 32\nvideo_telaCheia = 1\n");
    Corvela jogo;
    CaptureStderr();
    ASSERT_TRUE(jogo.init());
    EXPECT_EQ("", GetCapturedStderr());
    const CVideo& v = *jogo.retornaVideo();
    EXPECT_EQ(32, v.retornaBpp());
    EXPECT_EQ(32, v.retornaTela()->format->BitsPerPixel);
    EXPECT_EQ(0xC0000001u, v.retornaFlags()) << "full screen as the file loader asks for it";
    EXPECT_EQ("SDL Corvela", v.retornaTitulo());

    // The file's bindings replace all of the game's own: no Alt, no help, no pause.
    CEvento& e = *jogo.retornaEvento();
    EXPECT_EQ(7u, e.totTeclas());
    EXPECT_TRUE(aciona(e, SDLK_SPACE, 4) && aciona(e, SDLK_LCTRL, 4) && aciona(e, SDLK_w, 0));
    EXPECT_FALSE(aciona(e, SDLK_LALT, 4) || aciona(e, SDLK_UP, 0) || aciona(e, SDLK_BACKSPACE, 6));
}

TEST_F(AjustesTeste, TeclasQueNaoCarregamDeixamAsDoJogoComUmaLinha)
{
    const std::string quebrados[][2] = {
        {"only comments", "# 4 = 32\n\n"},
        {"back key left unbound", "0 = 273\n1 = 274\n2 = 275\n3 = 276\n4 = 306\n6 = 8\n"},
    };
    for (const auto& caso : quebrados) {
        temp.escreve("teclas.cfg", caso[1]);
        Corvela jogo;
        CaptureStderr();
        ASSERT_TRUE(jogo.init());
        const std::string erro = GetCapturedStderr();
        EXPECT_EQ(1u, linhas(erro)) << caso[0] << ": " << erro;
        EXPECT_EQ(0u, erro.find("Erro ao carregar teclas.cfg: ")) << caso[0];
        EXPECT_TRUE(ligacoesDoJogo(*jogo.retornaEvento())) << caso[0];
    }

    // A file that cannot be read at all (here a directory of that name).
    std::filesystem::remove("teclas.cfg");
    std::filesystem::create_directory("teclas.cfg");
    Corvela jogo;
    CaptureStderr();
    ASSERT_TRUE(jogo.init());
    EXPECT_EQ("Erro ao carregar teclas.cfg: usando as teclas padrão\n", GetCapturedStderr());
    EXPECT_TRUE(ligacoesDoJogo(*jogo.retornaEvento()));
}

TEST_F(AjustesTeste, VideoQueNaoCarregaDeixaOModoDoJogoComUmaLinha)
{
    struct Caso {
        const char* nome;
        const char* conteudo;
        const char* linhaDoJogo;
    };
    const Caso casos[] = {
        // Refused before any mode opens: no window of the wrong size.
        {"other size", "video_largura = 640\nvideo_altura = 480\nvideo_bpp = 16\n",
         "Erro ao carregar video.cfg: o jogo precisa de 320x240, usando o modo de vídeo "
         "padrão\n"},
        // Refused by the video service, which says why on its own line first.
        {"bad depth", "video_largura = 320\nvideo_altura = 240\nvideo_bpp = 7\n",
         "Erro ao carregar video.cfg: usando o modo de vídeo padrão\n"},
    };
    for (const Caso& caso : casos) {
        temp.escreve("video.cfg", caso.conteudo);
        CVideo video;
        CaptureStdout();
        CaptureStderr();
        ASSERT_TRUE(abreVideo(video, ARQUIVO_VIDEO));
        const std::string erro = GetCapturedStderr();
        const std::string saida = GetCapturedStdout();
        EXPECT_EQ(erro.size() - std::string(caso.linhaDoJogo).size(), erro.find(caso.linhaDoJogo))
            << caso.nome << ": " << erro;
        EXPECT_EQ(std::string::npos, saida.find("Video inicializado corretamente...\nSub"))
            << caso.nome << ": the file's mode never opened";
        EXPECT_TRUE(video.retornaTela()->w == 320 && video.retornaTela()->h == 240 &&
                    video.retornaTela()->format->BitsPerPixel == 16 && video.retornaFlags() == 0)
            << caso.nome;
        EXPECT_EQ("CZorvo Application", video.retornaTitulo());
    }
}

}  // namespace
