// The corvela executable, as built and as installed, run by the shell under coreutils' timeout:
// its exit status when the video mode or the audio device cannot be had, SIGINT and SIGTERM
// ending it like Quit, and the installed folder's start script run from elsewhere.
#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdlib>
#include <string>

#include "tests/apoio/ArquivosTemporarios.h"

namespace {

// The command's exit status; -1 if the shell could not tell one.
int roda(const std::string& comando)
{
    const int s = std::system((comando + " > /dev/null").c_str());
    return WIFEXITED(s) ? WEXITSTATUS(s) : -1;
}

// cd dir, then the program with the environment's variables; with a signal, that signal two
// seconds in (the status then the program's own, 128 + n if it died of signal n); without,
// killed if still running at ten. In the foreground, timeout signals the program alone, not
// its own process group too: once, as a terminal or a service manager does.
std::string comando(const std::string& dir, const std::string& programa, const char* sinal,
                    const std::string& ambiente = "")
{
    return "cd '" + dir + "' && " + ambiente + " timeout --foreground -k 5 " +
           (sinal != nullptr ? std::string("--preserve-status -s ") + sinal + " 2 '" : "10 '") +
           programa + "'";
}

TEST(Executavel, StatusAoFalharOuSerInterrompido)
{
    DiretorioTemporario semData;
    for (const char* driver : {"SDL_VIDEODRIVER", "SDL_AUDIODRIVER"})
        EXPECT_EQ(255, roda(comando(CORVELA_RAIZ, CORVELA_BINARIO, nullptr,
                                    driver + std::string("=inexistente"))));
    // Ctrl+C in the terminal; a service manager, with no data/ there.
    EXPECT_EQ(0, roda(comando(CORVELA_RAIZ, CORVELA_BINARIO, "INT")));
    EXPECT_EQ(0, roda(comando(semData.caminho(""), CORVELA_BINARIO, "TERM")));
}

TEST(Pacote, PastaInstaladaRodaDeOutroLugar)
{
    DiretorioTemporario temp;
    const std::string pasta = temp.caminho("corvela");
    ASSERT_EQ(0, roda(std::string("'") + CORVELA_CMAKE + "' --install '" + CORVELA_CONSTRUCAO +
                      "' --prefix '" + pasta + "'"));
    for (const char* arquivo :
         {"corvela", "corvela.sh", "teclas.cfg", "video.cfg", "arialbd.ttf", "LICENSE-DejaVu.txt",
          "data/fonts/LICENSE-DejaVu.txt", "data/fonts/coure.fon", "data/gfx/painel.bmp",
          "data/bg/01_vale.bmp", "data/music/CHO7-31ko.ogg", "data/sfx/grunz_success.wav"})
        EXPECT_TRUE(DiretorioTemporario::existe(pasta + "/" + arquivo)) << arquivo;
    const std::string erro = temp.caminho("erro");
    EXPECT_EQ(0, roda(comando("/", pasta + "/corvela.sh", "TERM") + " 2> '" + erro + "'"));
    EXPECT_EQ("", DiretorioTemporario::le(erro))
        << "every file found, the settings files loaded without a word";
}

}  // namespace
