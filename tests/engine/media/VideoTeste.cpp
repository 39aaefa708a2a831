// Video service: the mode it asks for, its lines, the depths and sizes it refuses, the
// one-instance rule, and the window scaled by a whole number.
#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>

#include "engine/media/CVideo.h"
#include "engine/media/ampliacao.h"
#include "engine/media/pixela.h"

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
    EXPECT_TRUE(video.inicializa(16383, 10, false, 32, "t") && video.retornaTela()->pitch == 65532);
}

TEST(VideoDeathTest, SegundoVideoEncerraOProcessoComZero)
{
    EXPECT_EXIT((CVideo(), CVideo(), std::exit(7)), ::testing::ExitedWithCode(0), "");
}

// The window shows the game surface with every pixel an e x e square, in the fast depths
// and the generic path (24 bits, and 8 with the window's palette); unscaled, the game draws on
// the window itself. Full screen is never scaled; a scale past the limit asks for the
// automatic one, 1 on the dummy driver's desktop of unknown size.
TEST(Video, JanelaAmpliadaRepeteCadaPixelDoQuadro)
{
    CVideo video;
    for (int bpp : {16, 32, 24, 8})
        for (Uint8 e : {1, 2, 3, 4}) {
            // An odd width: a pixel left over from the pairs, rows padded to their pitch.
            video.defEscala(e);
            ASSERT_TRUE(video.inicializa(321, 240, false, Uint8(bpp), "t"));
            SDL_Surface* tela = video.retornaTela();
            SDL_Surface* janela = SDL_GetVideoSurface();
            ASSERT_TRUE(video.retornaEscala() == e && janela->w == 321 * e &&
                        janela->h == 240 * e && tela->w == 321 && tela->h == 240 &&
                        (tela == janela) == (e == 1) && CVideo::telaAtual() == tela &&
                        tela->format->BitsPerPixel == janela->format->BitsPerPixel) << bpp;
            const SDL_Palette* p = tela->format->palette;
            EXPECT_TRUE(p == nullptr || std::memcmp(p->colors, janela->format->palette->colors,
                                                    p->ncolors * sizeof(SDL_Color)) == 0);
            const Uint32 mascara = bpp == 32 ? 0xFFFFFFFF : (1u << bpp) - 1;
            for (int y = 0; y < 240; ++y)
                for (int x = 0; x < 321; ++x)
                    pixela(tela, x, y, (x * 2654435761u ^ y * 40503u) & mascara);
            video.apresenta();
            int erradas = 0;
            for (int y = 0; y < janela->h; ++y)
                for (int x = 0; x < janela->w; ++x)
                    erradas += pixela(janela, x, y) != pixela(tela, x / e, y / e);
            EXPECT_EQ(0, erradas) << bpp << " bits, scale " << int(e);
        }
    video.defEscala(2);
    EXPECT_TRUE(video.inicializa(320, 240, true, 16, "t") && video.retornaEscala() == 1);
    video.defEscala(ESCALA_MAXIMA + 1);
    EXPECT_TRUE(video.inicializa(320, 240, false, 16, "t") && video.retornaEscala() == 1);
}

// The automatic scale: the largest that fits in 90 % of the desktop, up to the limit.
TEST(Video, EscalaPadraoCabeEmNoventaPorCentoDaTela)
{
    const struct { unsigned w, h; bool cheia; int escala; } casos[] = {
        {320, 240, false, 1}, {0, 0, false, 1}, {711, 534, false, 1}, {712, 534, false, 2},
        {1280, 1024, false, 3}, {1920, 1080, false, 4}, {1920, 1080, true, 1},
        {2000, 533, false, 1}, {7680, 4320, false, ESCALA_MAXIMA}};
    for (const auto& c : casos)
        EXPECT_EQ(c.escala, escalaPadrao(c.w, c.h, 320, 240, c.cheia)) << c.w << "x" << c.h;
    EXPECT_EQ(1, escalaPadrao(1920, 1080, 320, 0, false)) << "a mode without height";
}
