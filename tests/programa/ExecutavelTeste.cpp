// The corvela executable, as built and as installed, run by the shell under coreutils' timeout:
// its exit status when the video mode or the audio device cannot be had, SIGINT and SIGTERM
// ending it like Quit, the installed folder's start script run from elsewhere, and the Debian
// package checked by lintian and started, unpacked, from its desktop entry.
#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdlib>
#include <string>

#include "tests/apoio/ArquivosTemporarios.h"

namespace {

// The command's exit status, its standard output sent to saida; -1 if the shell could not tell
// one.
int roda(const std::string& comando, const std::string& saida = "/dev/null")
{
    const int s = std::system((comando + " > '" + saida + "'").c_str());
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
        EXPECT_TRUE(std::filesystem::exists(pasta + "/" + arquivo)) << arquivo;
    const std::string erro = temp.caminho("erro");
    EXPECT_EQ(0, roda(comando("/", pasta + "/corvela.sh", "TERM") + " 2> '" + erro + "'"));
    EXPECT_EQ("", DiretorioTemporario::le(erro))
        << "every file found, the settings files loaded without a word";
}

TEST(Pacote, DebPassaNoLintianERodaPeloMenu)
{
    if (roda("command -v dpkg-deb && command -v lintian") != 0)
        GTEST_SKIP() << "dpkg-deb or lintian missing (tools/dependencias.sh installs them)";
    DiretorioTemporario temp;
    ASSERT_EQ(0, roda(std::string("'") + CORVELA_CPACK + "' -G DEB -B '" + temp.caminho("") +
                      "' --config '" + CORVELA_CONSTRUCAO + "/CPackConfig.cmake'"));
    const std::string deb = "'" + temp.caminho("") + "'corvela_*.deb", lint = temp.caminho("lint");
    EXPECT_EQ(0, roda("lintian " + deb, lint));
    EXPECT_EQ(std::string::npos, ("\n" + DiretorioTemporario::le(lint)).find("\nE: "))
        << DiretorioTemporario::le(lint);

    const std::string raiz = temp.caminho("raiz");
    ASSERT_EQ(0, roda("dpkg-deb -x " + deb + " '" + raiz + "'"));
    for (const char* arquivo :
         {"games/corvela", "lib/games/corvela/corvela", "share/games/corvela/data/gfx/title.bmp",
          "share/icons/hicolor/16x16/apps/corvela.png",
          "share/icons/hicolor/256x256/apps/corvela.png", "share/man/man6/corvela.6.gz",
          "share/metainfo/org.corvela.corvela.metainfo.xml", "share/doc/corvela/copyright"})
        EXPECT_TRUE(std::filesystem::exists(raiz + "/usr/" + arquivo)) << arquivo;
    const std::string entrada =
        DiretorioTemporario::le(raiz + "/usr/share/applications/corvela.desktop");
    const size_t exec = entrada.find("\nExec=");
    ASSERT_NE(std::string::npos, exec) << entrada;
    const std::string programa = entrada.substr(exec + 6, entrada.find('\n', exec + 1) - exec - 6);
    // Started as the menu starts it, by name through PATH, from wherever.
    const std::string saida = temp.caminho("saida"), erro = temp.caminho("erro");
    EXPECT_EQ(0, roda(comando("/", programa, "TERM", "PATH='" + raiz + "/usr/games':\"$PATH\"") +
                          " 2> '" + erro + "'", saida));
    EXPECT_NE(std::string::npos,
              DiretorioTemporario::le(saida).find("Video inicializado corretamente..."));
    EXPECT_EQ("", DiretorioTemporario::le(erro)) << "the intro's files found, in data/ unpacked";
}

}  // namespace
