// The game's optional settings files, teclas.cfg and video.cfg, read from the working
// directory by Corvela::init: absent, the examples shipped in the package, the player's own,
// and unusable ones, which leave the game's own settings with one line.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "game/Corvela.h"
#include "tests/apoio/ArquivosTemporarios.h"
#include "tests/apoio/SondaTecla.h"

using namespace testing::internal;

// What a settings file holds: nothing (absent), the package's example, or these lines.
static void poe(const std::string& nome, const std::string& conteudo)
{
    std::filesystem::remove(nome);
    if (conteudo == "<pacote>")
        std::filesystem::copy_file(std::string(CORVELA_RAIZ) + "/tools/pacote/" + nome, nome);
    else if (!conteudo.empty())
        std::ofstream(nome) << conteudo;
}

TEST(AjustesTeste, ArquivosQueServemMandamOsOutrosDeixamOsDoJogoComUmaLinha)
{
    const std::string NAO = "Erro ao carregar ", PADRAO = ": usando as teclas padrão\n";
    const struct {
        std::string teclas, video, erro;
        bool doJogo;  // the game's own bindings and 320x240x16 window, or the files'
    } casos[] = {
        {"", "", "", true},
        {"<pacote>", "<pacote>", "", true},
        {"0 = 119\n1 = 115\n2 = 100\n3 = 97\n\n4 = 32\n4 = 306\n5 = 27\n",
         "video_largura = 320\nvideo_altura = 240\nvideo_bpp = 32\nvideo_telaCheia = 1\n", "",
         false},
        {"# 4 = 32\n\n", "", NAO + "teclas.cfg" + PADRAO, true},
        {"0 = 273\n1 = 274\n2 = 275\n3 = 276\n4 = 306\n6 = 8\n", "",
         NAO + "teclas.cfg: a tecla 5 ficou sem uso, usando as teclas padrão\n", true},
        // Refused before any mode opens: no window of the wrong size.
        {"", "video_largura = 640\nvideo_altura = 480\nvideo_bpp = 16\n",
         NAO + "video.cfg: o jogo precisa de 320x240, usando o modo de vídeo padrão\n", true},
        // Refused by the video service, which says why on its own line first.
        {"", "video_largura = 320\nvideo_altura = 240\nvideo_bpp = 7\n",
         "Erro ao inicializar video: \t Unsupported video depth 7 \n" + NAO +
             "video.cfg: usando o modo de vídeo padrão\n", true},
    };
    DiretorioTemporario temp;
    const std::filesystem::path anterior = std::filesystem::current_path();
    std::filesystem::current_path(temp.caminho(""));
    for (const auto& caso : casos) {
        poe("teclas.cfg", caso.teclas);
        poe("video.cfg", caso.video);
        Corvela jogo;
        CaptureStdout();
        CaptureStderr();
        EXPECT_TRUE(jogo.init());
        EXPECT_EQ(caso.erro, GetCapturedStderr());
        EXPECT_EQ(std::string::npos,
                  GetCapturedStdout().find("Video inicializado corretamente...\nSub"))
            << caso.video << ": a mode opened before the one kept";
        const CVideo& v = *jogo.retornaVideo();
        EXPECT_TRUE(v.retornaTela()->w == 320 && v.retornaTela()->h == 240);
        EXPECT_EQ(caso.doJogo ? 16 : 32, v.retornaTela()->format->BitsPerPixel) << caso.video;
        EXPECT_EQ(caso.doJogo ? 0 : 0xC0000001u, v.retornaFlags()) << caso.video;
        CEvento& e = *jogo.retornaEvento();
        EXPECT_EQ(caso.doJogo, e.totTeclas() == 9 && aciona(e, SDLK_UP, 0) &&
                                   aciona(e, SDLK_LALT, 4) && aciona(e, SDLK_LCTRL, 4) &&
                                   aciona(e, SDLK_BACKSPACE, 6) && aciona(e, SDLK_RETURN, 7));
        EXPECT_EQ(!caso.doJogo, aciona(e, SDLK_SPACE, 4) && aciona(e, SDLK_w, 0)) << caso.teclas;
    }
    std::filesystem::current_path(anterior);
}
