// The fault matrix: the game's own project played by Roteiro through every screen to its Quit
// row, in a child process (a death test), from a data/ with one thing wrong: each file
// removed, garbage or cut in half; no data/ or no data/bg; a hostile data/bg. The child must
// end with the status the game gives (0 after Quit, 255 after a sound effect's message, which
// is the last thing it says), never by a signal or a hang.
#include <gtest/gtest.h>

#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "tests/apoio/ArquivosTemporarios.h"
#include "tests/programa/Roteiro.h"

namespace fs = std::filesystem;

namespace {

const int STATUS_SOM = 255;
const int STATUS_ROTEIRO = 3;  // the script could not go on: a screen never came
const unsigned LIMITE_S = 120;

struct Caso {
    std::string nome;
    std::function<void(const fs::path& data)> prepara;
    std::string efeito;  // the sound effect whose message ends the game, "" when it goes on
};

std::ostream& operator<<(std::ostream& os, const Caso& caso) { return os << caso.nome; }

// n bytes that are nothing the loaders know.
void lixo(const fs::path& arquivo, std::uintmax_t n)
{
    std::string bytes(n, '\0');
    unsigned estado = 12345;
    for (char& c : bytes)
        c = static_cast<char>((estado = estado * 1103515245u + 12345u) >> 16);
    std::ofstream(arquivo, std::ios::binary) << bytes;
}

// Crowded with junk; sparse 1 GB .bmp; odd names; a directory, a FIFO and a broken link by a
// picture's name.
void hostil(const fs::path& bg)
{
    const char* extensoes[] = {".bmp", ".BMP", ".txt", ".png", ""};
    for (int i = 0; i < 480; ++i)
        lixo(bg / ("lixo" + std::to_string(i) + extensoes[i % 5]), 64 + i);
    for (int i = 0; i < 12; ++i)
        fs::copy_file(bg / "04_flores.bmp", bg / ("copia" + std::to_string(i) + ".bmp"));
    lixo(bg / "00_zeros.bmp", 0);
    fs::copy_file(bg / "04_flores.bmp", bg / "00_gigante.bmp");
    for (const char* gigante : {"00_zeros.bmp", "00_gigante.bmp"})
        fs::resize_file(bg / gigante, 1ull << 30);
    fs::rename(bg / "01_vale.bmp", bg / "01 vale com espa\xc3\xa7o.bmp");
    fs::rename(bg / "02_vila.bmp", bg / "02_vil\xe9.bmp");
    fs::rename(bg / "03_porto.bmp", bg / "\xff\xfe.BmP");
    fs::create_directory(bg / "x.bmp");
    mkfifo((bg / "y.bmp").c_str(), 0644);
    fs::create_symlink(bg / "nada", bg / "z.bmp");
}

std::vector<Caso> casos()
{
    const fs::path origem = fs::path(CORVELA_RAIZ) / "data";
    std::vector<std::string> arquivos;
    for (const auto& e : fs::recursive_directory_iterator(origem))
        if (e.is_regular_file())
            arquivos.push_back(fs::relative(e.path(), origem).string());
    std::sort(arquivos.begin(), arquivos.end());
    std::vector<Caso> lista;
    const std::pair<std::string, void (*)(const fs::path&)> estragos[] = {
        {"sem ", [](const fs::path& f) { fs::remove(f); }},
        {"lixo em ",
         [](const fs::path& f) { lixo(f, std::max<std::uintmax_t>(fs::file_size(f), 4096)); }},
        {"metade de ", [](const fs::path& f) { fs::resize_file(f, fs::file_size(f) / 2); }}};
    for (const std::string& r : arquivos)
        for (const auto& [nome, estraga] : estragos)
            // A sound effect that cannot be had ends the game; anything else leaves it going.
            lista.push_back({nome + r, [r, e = estraga](const fs::path& d) { e(d / r); },
                             r.rfind("sfx/", 0) == 0 ? r : ""});
    lista.push_back({"sem data", [](const fs::path& d) { fs::remove_all(d); }, "sfx/opc_foco.wav"});
    lista.push_back({"sem data/bg", [](const fs::path& d) { fs::remove_all(d / "bg"); }, ""});
    lista.push_back({"data/bg hostil", [](const fs::path& d) { hostil(d / "bg"); }, ""});
    return lista;
}

// main's part, in dir: the project built, played by the script to Quit, destroyed; its status.
void joga(const std::string& dir)
{
    // A case takes well under a second: a hang ends with status 124, as coreutils' timeout says
    // (SDL ignores SIGALRM unless it has a handler).
    signal(SIGALRM, [](int) { _exit(124); });
    alarm(LIMITE_S);
    if (chdir(dir.c_str()) != 0)
        std::exit(97);
    int status = 0;
    {
        Partida partida(CRelogio::INTERVALO_MIN_PADRAO);
        if (!partida.inicia())
            std::exit(-1);  // as main
        partida.comeca();
        Roteiro roteiro(partida);
        if (!roteiro.volta() || !roteiro.sai()) {
            std::fprintf(stderr, "roteiro: %s\n", roteiro.falha().c_str());
            status = STATUS_ROTEIRO;
        }
    }
    std::exit(status);
}

class MatrizFalhas : public ::testing::TestWithParam<Caso> {};

TEST_P(MatrizFalhas, TerminaComoOJogoDizNuncaPorSinal)
{
    const Caso& caso = GetParam();
    DiretorioTemporario temp;
    fs::copy(fs::path(CORVELA_RAIZ) / "data", temp.caminho("data"), fs::copy_options::recursive);
    caso.prepara(temp.caminho("data"));
    const std::string fim = caso.efeito.empty() ? ""
        : "(^|\n)Erro na abertura do arquivo data/" + caso.efeito + ": [^\n]*\n$";
    EXPECT_EXIT(joga(temp.caminho("")),
                ::testing::ExitedWithCode(caso.efeito.empty() ? 0 : STATUS_SOM), fim);
}

std::string nomeTeste(const ::testing::TestParamInfo<Caso>& info)
{
    std::string nome = std::to_string(info.index) + "_";
    for (const char c : info.param.nome)
        nome += std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
    return nome;
}

INSTANTIATE_TEST_SUITE_P(Dados, MatrizFalhas, ::testing::ValuesIn(casos()), nomeTeste);

}  // namespace
