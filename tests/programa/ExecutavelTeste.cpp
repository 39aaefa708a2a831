// The corvela executable in a child process, as built and as installed: its exit status when
// the video mode or the audio device cannot be had, SIGINT and SIGTERM ending it like Quit,
// and the installed folder's start script run from elsewhere.
#include <gtest/gtest.h>

#include <signal.h>
#include <unistd.h>

#include <cstdlib>
#include <string>

#include "tests/apoio/ArquivosTemporarios.h"
#include "tests/apoio/Processo.h"

namespace {

TEST(Executavel, StatusAoFalharOuSerInterrompido)
{
    DiretorioTemporario semData;
    const struct {
        const char* video;
        const char* audio;
        std::string dir;
        int sinal;  // sent once the video is up; 0 for none
        int status;
    } casos[] = {
        {"inexistente", "dummy", CORVELA_RAIZ, 0, 255},
        {"dummy", "inexistente", CORVELA_RAIZ, 0, 255},
        {"dummy", "dummy", CORVELA_RAIZ, SIGINT, 0},  // Ctrl+C in the terminal
        {"dummy", "dummy", semData.caminho(""), SIGTERM, 0},  // a service manager, no data/
    };
    for (const auto& c : casos) {
        Processo corvela(CORVELA_BINARIO, c.dir, c.video, c.audio);
        if (c.sinal != 0) {
            ASSERT_TRUE(corvela.esperaSaida("Video inicializado corretamente...\n", 10000));
            usleep(300000);  // some frames into the intro
            corvela.sinal(c.sinal);
        }
        const Resultado r = corvela.termina(10000);
        EXPECT_TRUE(r.saiu) << c.video << c.audio << c.sinal << ": signal " << r.sinal
                            << (r.excedeu ? ", still running" : "") << r.erro;
        EXPECT_EQ(c.status, r.status) << c.video << c.audio << c.sinal << r.erro;
    }
}

TEST(Pacote, PastaInstaladaRodaDeOutroLugar)
{
    DiretorioTemporario temp;
    const std::string pasta = temp.caminho("corvela");
    const std::string instala = std::string("'") + CORVELA_CMAKE + "' --install '" +
                                CORVELA_CONSTRUCAO + "' --prefix '" + pasta + "' > /dev/null";
    ASSERT_EQ(0, std::system(instala.c_str()));
    for (const char* arquivo : {"corvela", "corvela.sh", "teclas.cfg", "video.cfg", "arialbd.ttf",
                                "LICENSE-DejaVu.txt", "data/fonts/LICENSE-DejaVu.txt",
                                "data/fonts/coure.fon", "data/gfx/painel.bmp", "data/bg/01_vale.bmp",
                                "data/music/CHO7-31ko.ogg", "data/sfx/grunz_success.wav"})
        EXPECT_TRUE(DiretorioTemporario::existe(pasta + "/" + arquivo)) << arquivo;
    Processo corvela(pasta + "/corvela.sh", "/", "dummy", "dummy");
    const Resultado r = corvela.termina(1500);
    EXPECT_TRUE(r.excedeu) << r.erro;  // still running its frames when killed
    EXPECT_EQ("", r.erro) << "every file found, the settings files loaded without a word";
}

}  // namespace
