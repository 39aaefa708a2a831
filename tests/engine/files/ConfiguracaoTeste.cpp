// Tests of the settings loaders: the video mode and the key bindings read from key files,
// atoi conversions cut to the field widths, files that give nothing (the binding limit is
// the input service's own).
#include <SDL.h>

#include <string>

#include <gtest/gtest.h>

#include "engine/core/CEvento.h"
#include "engine/files/CArquivoChave.h"
#include "engine/media/CVideo.h"
#include "tests/apoio/ArquivosTemporarios.h"
#include "tests/apoio/SondaTecla.h"

TEST(ConfiguracaoTeste, VideoETeclasConvertemComoAtoi)
{
    DiretorioTemporario dir;
    CVideo video;
    EXPECT_FALSE(video.inicializa(CArquivoChave()) || video.inicializa(dir.caminho("falta.cfg")));
    EXPECT_EQ(SDL_WasInit(SDL_INIT_VIDEO), 0u) << "no file: SDL untouched";
    // 272 is cut to 8 bits; the second video_bpp is ignored.
    video.inicializa(dir.escreve("video.cfg", "video_largura = 16bit\nvideo_altura=-1\n  video_bpp"
                                              " = 272\nvideo_bpp = 8\nvideo_telaCheia = 1\n"));
    EXPECT_TRUE(video.retornaLargura() == 16 && video.retornaAltura() == 65535 &&
                video.retornaBpp() == 16 && video.retornaTelaCheia());
    EXPECT_EQ(video.retornaFlags(), 0xC0000001u);
    video.inicializa(dir.escreve("video.cfg", "video_bpp 16\nvideo_telaCheia = yes\n"));
    EXPECT_TRUE(video.retornaLargura() == 0 && video.retornaBpp() == 0 &&
                !video.retornaTelaCheia() && video.retornaFlags() == 0u);
    // video_escala up to 8 scales the window; 9 asks for the automatic scale (1 here).
    const std::string modo = "video_largura = 320\nvideo_altura = 240\nvideo_bpp = 16\n";
    video.inicializa(dir.escreve("video.cfg", modo + "video_escala = 8\n"));
    EXPECT_TRUE(video.retornaEscala() == 8 && SDL_GetVideoSurface()->w == 2560);
    video.inicializa(dir.escreve("video.cfg", modo + "video_escala = 9\n"));
    EXPECT_TRUE(video.retornaEscala() == 1 && SDL_GetVideoSurface()->w == 320);

    // Bindings are told apart by pressing their SDL keys through the event queue.
    ASSERT_EQ(SDL_Init(SDL_INIT_VIDEO), 0) << SDL_GetError();
    CEvento evento;
    evento.carregaConfigTeclasPadrao();
    ASSERT_TRUE(evento.carregaConfigTeclas(dir.escreve(
        "teclas.cfg", "# bindings\n0 = 273\n\n0 = 119\n# 1 = 274\nUP = 8\n260 = 27\n1 = 274 x\n")));
    EXPECT_TRUE(evento.totTeclas() == 5 && aciona(evento, SDLK_UP, 0) && aciona(evento, SDLK_w, 0));
    EXPECT_TRUE(aciona(evento, SDLK_BACKSPACE, 0)) << "a key that is not a number is logical 0";
    EXPECT_TRUE(aciona(evento, SDLK_ESCAPE, 4)) << "260 cut to 8 bits";
    EXPECT_TRUE(aciona(evento, SDLK_DOWN, 1));
    SDL_Quit();
}
