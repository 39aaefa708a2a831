// Video service: the mode it asks for, its lines, and the one-instance rule.
#include <gtest/gtest.h>

#include <cstdlib>

#include "engine/media/CVideo.h"

namespace {

using testing::internal::CaptureStderr;
using testing::internal::CaptureStdout;
using testing::internal::GetCapturedStderr;
using testing::internal::GetCapturedStdout;

TEST(Video, AbreOModoPedidoComSuasLinhas)
{
    CaptureStdout();
    {
        CVideo video;
        EXPECT_EQ(nullptr, video.retornaTela());
        EXPECT_EQ("CVideo", video.retornaNomeClasse());
        // A title set before the mode is kept until inicializa sets its own.
        video.tituloJanela("antes");
        EXPECT_EQ("antes", video.retornaTitulo());
        ASSERT_TRUE(video.inicializa(320, 240, false, 16, "CZorvo Application"));
        SDL_Surface* tela = video.retornaTela();
        ASSERT_NE(nullptr, tela);
        EXPECT_EQ(320, tela->w);
        EXPECT_EQ(240, tela->h);
        EXPECT_EQ(16, tela->format->BitsPerPixel);
        EXPECT_EQ(0u, video.retornaFlags());
        EXPECT_EQ(320, video.retornaLargura());
        EXPECT_EQ(240, video.retornaAltura());
        char* legenda = nullptr;
        SDL_WM_GetCaption(&legenda, nullptr);
        EXPECT_STREQ("CZorvo Application", legenda);
        video.tituloJanela("SDL Corvela");
        SDL_WM_GetCaption(&legenda, nullptr);
        EXPECT_STREQ("SDL Corvela", legenda);
    }
    EXPECT_EQ("SubSistema de video inicializado corretamente...\n"
              "Video inicializado corretamente...\n"
              "Sistema de vídeo encerrado... \n",
              GetCapturedStdout());
}

TEST(Video, TelaCheiaPedeSoFullscreen)
{
    CVideo video;
    ASSERT_TRUE(video.inicializa(320, 240, true, 16, "t"));
    EXPECT_EQ(0x80000000u, video.retornaFlags());
    EXPECT_TRUE(video.retornaTela()->flags & SDL_FULLSCREEN);
}

TEST(Video, FalhaDoSubsistemaDeixaTelaNula)
{
    setenv("SDL_VIDEODRIVER", "inexistente", 1);
    CVideo video;
    CaptureStderr();
    EXPECT_FALSE(video.inicializa(320, 240, false, 16, "t"));
    const std::string erro = GetCapturedStderr();
    EXPECT_EQ(0u, erro.find("Erro ao inicializar video: \t "));
    EXPECT_EQ(" \n", erro.substr(erro.size() - 2));
    EXPECT_EQ(nullptr, video.retornaTela());
    // The requested values stay stored.
    EXPECT_EQ(320, video.retornaLargura());
    setenv("SDL_VIDEODRIVER", "dummy", 1);  // the tests after this one, in one process
}

TEST(Video, SoProfundidadesEModosQueOSdlDispoeComSeguranca)
{
    CVideo video;
    // Every depth a settings file can ask for: only whole-byte ones open. 15 would make the
    // dummy driver write past its screen.
    for (int bpp = 0; bpp < 256; ++bpp) {
        const bool aceita = bpp == 0 || bpp == 8 || bpp == 16 || bpp == 24 || bpp == 32;
        CaptureStderr();
        EXPECT_EQ(aceita, video.inicializa(320, 240, false, static_cast<Uint8>(bpp), "t")) << bpp;
        const std::string erro = GetCapturedStderr();
        if (!aceita) {
            EXPECT_EQ("Erro ao inicializar video: \t Unsupported video depth " +
                          std::to_string(bpp) + " \n",
                      erro);
            EXPECT_EQ(nullptr, video.retornaTela());
        }
    }
    // Rows past SDL's 16-bit pitch, or a screen past an int, would be laid out shorter than
    // they are drawn.
    CaptureStderr();
    EXPECT_FALSE(video.inicializa(16384, 10, false, 32, "t"));
    EXPECT_EQ("Erro ao inicializar video: \t Video mode 16384x10 too large \n",
              GetCapturedStderr());
    CaptureStderr();
    EXPECT_FALSE(video.inicializa(32768, 32768, false, 32, "t"));
    EXPECT_FALSE(video.inicializa(20000, 2, false, 0, "t"));
    GetCapturedStderr();
    EXPECT_TRUE(video.inicializa(16383, 10, false, 32, "t"));
    EXPECT_EQ(65532, video.retornaTela()->pitch);
    EXPECT_TRUE(video.inicializa(320, 240, false, 16, "t"));
}

TEST(Video, EncerraMesmoSemModoAberto)
{
    CaptureStdout();
    { CVideo video; }
    EXPECT_EQ("Sistema de vídeo encerrado... \n", GetCapturedStdout());
    // After the first is gone a new one may be built.
    CVideo outro;
    EXPECT_EQ(nullptr, outro.retornaTela());
}

TEST(VideoDeathTest, SegundoVideoEncerraOProcessoComZero)
{
    EXPECT_EXIT(
        {
            CVideo primeiro;
            primeiro.inicializa(320, 240, false, 16, "t");
            CVideo segundo;
            std::exit(7);  // never reached
        },
        ::testing::ExitedWithCode(0), "");
}

}  // namespace
