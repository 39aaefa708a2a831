// Video service: the mode it asks for, its lines, the depths and sizes it refuses, and the
// one-instance rule.
#include <gtest/gtest.h>

#include <cstdlib>

#include "engine/media/CVideo.h"

using namespace testing::internal;

TEST(Video, AbreOModoPedidoComSuasLinhas)
{
    const std::string ABRE =
        "SubSistema de video inicializado corretamente...\nVideo inicializado corretamente...\n";
    CaptureStdout();
    {
        CVideo video;
        ASSERT_TRUE(video.inicializa(320, 240, false, 16, "CZorvo Application"));
        const SDL_Surface* tela = video.retornaTela();
        EXPECT_TRUE(tela->w == 320 && tela->h == 240 && tela->format->BitsPerPixel == 16 &&
                    video.retornaFlags() == 0);
        video.tituloJanela("SDL Corvela");
        char* legenda = nullptr;
        SDL_WM_GetCaption(&legenda, nullptr);
        EXPECT_STREQ("SDL Corvela", legenda);
        ASSERT_TRUE(video.inicializa(320, 240, true, 16, "t"));
        EXPECT_TRUE(video.retornaFlags() == SDL_FULLSCREEN &&
                    (video.retornaTela()->flags & SDL_FULLSCREEN));
    }
    EXPECT_EQ(ABRE + ABRE + "Sistema de vídeo encerrado... \n", GetCapturedStdout());
}

// Every depth a settings file can ask for: only whole-byte ones open (15 would make the dummy
// driver write past its screen). Rows past SDL's 16-bit pitch, or a screen past an int, would
// be laid out shorter than they are drawn.
TEST(Video, SoProfundidadesEModosQueOSdlDispoeComSeguranca)
{
    CVideo video;
    for (int bpp = 0; bpp < 256; ++bpp) {
        const bool aceita = bpp == 0 || bpp == 8 || bpp == 16 || bpp == 24 || bpp == 32;
        CaptureStderr();
        EXPECT_EQ(aceita, video.inicializa(320, 240, false, Uint8(bpp), "t") &&
                              video.retornaTela() != nullptr) << bpp;
        EXPECT_EQ(aceita ? std::string() : "Erro ao inicializar video: \t Unsupported video "
                                           "depth " + std::to_string(bpp) + " \n",
                  GetCapturedStderr());
    }
    CaptureStderr();
    EXPECT_FALSE(video.inicializa(32768, 32768, false, 32, "t") ||
                 video.inicializa(20000, 2, false, 0, "t") ||
                 video.inicializa(16384, 10, false, 32, "t") || video.retornaTela() != nullptr);
    EXPECT_EQ(0u, GetCapturedStderr().find("Erro ao inicializar video: \t Video mode 32768x32768 "
                                            "too large \n"));
    EXPECT_TRUE(video.inicializa(16383, 10, false, 32, "t"));
    EXPECT_EQ(65532, video.retornaTela()->pitch);
}

TEST(VideoDeathTest, SegundoVideoEncerraOProcessoComZero)
{
    EXPECT_EXIT((CVideo(), CVideo(), std::exit(7)), ::testing::ExitedWithCode(0), "");
}
