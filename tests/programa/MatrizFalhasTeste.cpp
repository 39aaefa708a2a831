// The fault matrix: the game's own project played by Roteiro through every screen to its Quit
// row, in a child process, from a data/ with one thing wrong: each file removed, garbage or cut
// in half; no data/; an empty and a hostile data/bg. The child must end with the status the
// game gives (0 after Quit, 255 after a sound effect's message), never by a signal or a hang.
#include <gtest/gtest.h>

#include <grp.h>
#include <sys/prctl.h>
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
#include "tests/apoio/Processo.h"
#include "tests/programa/Roteiro.h"

namespace fs = std::filesystem;

namespace {

const int STATUS_SOM = 255;
const int STATUS_ROTEIRO = 3;  // the script could not go on: a screen never came
const uid_t NINGUEM = 65534;
const unsigned LIMITE_MS = 120000;  // a case takes well under a second; more is a hang

struct Caso {
    std::string nome;
    std::function<void(const fs::path& data)> prepara;
    std::string efeito;  // the sound effect whose message ends the game, "" when it goes on
};

std::ostream& operator<<(std::ostream& os, const Caso& caso)
{
    return os << caso.nome;
}

// n bytes that are nothing the loaders know.
void lixo(const fs::path& arquivo, std::uintmax_t n)
{
    std::string bytes(n, '\0');
    unsigned estado = 12345;
    for (char& c : bytes)
        c = static_cast<char>((estado = estado * 1103515245u + 12345u) >> 16);
    std::ofstream(arquivo, std::ios::binary) << bytes;
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
    for (const std::string& r : arquivos) {
        // A sound effect that cannot be had ends the game; anything else leaves it going.
        const std::string efeito = r.rfind("sfx/", 0) == 0 ? r : "";
        lista.push_back({"sem " + r, [r](const fs::path& d) { fs::remove(d / r); }, efeito});
        lista.push_back({"lixo em " + r,
                         [r](const fs::path& d) {
                             lixo(d / r, std::max<std::uintmax_t>(fs::file_size(d / r), 4096));
                         },
                         efeito});
        lista.push_back({"metade de " + r,
                         [r](const fs::path& d) { fs::resize_file(d / r, fs::file_size(d / r) / 2); },
                         efeito});
    }
    lista.push_back({"sem data", [](const fs::path& d) { fs::remove_all(d); }, "sfx/opc_foco.wav"});
    lista.push_back({"data/bg vazio",
                     [](const fs::path& d) {
                         fs::remove_all(d / "bg");
                         fs::create_directory(d / "bg");
                     },
                     ""});
    // Crowded with junk, sparse 1 GB .bmp, odd names, a directory, FIFO and broken link by a
    // picture's name, an unreadable picture.
    lista.push_back({"data/bg hostil",
                     [](const fs::path& d) {
                         const char* extensoes[] = {".bmp", ".BMP", ".txt", ".png", ""};
                         for (int i = 0; i < 480; ++i)
                             lixo(d / "bg" / ("lixo" + std::to_string(i) + extensoes[i % 5]), 64 + i);
                         for (int i = 0; i < 12; ++i)
                             fs::copy_file(d / "bg/04_flores.bmp",
                                           d / "bg" / ("copia" + std::to_string(i) + ".bmp"));
                         lixo(d / "bg/00_zeros.bmp", 0);
                         fs::resize_file(d / "bg/00_zeros.bmp", 1ull << 30);
                         fs::copy_file(d / "bg/04_flores.bmp", d / "bg/00_gigante.bmp");
                         fs::resize_file(d / "bg/00_gigante.bmp", 1ull << 30);
                         fs::rename(d / "bg/01_vale.bmp", d / "bg/01 vale com espa\xc3\xa7o.bmp");
                         fs::rename(d / "bg/02_vila.bmp", d / "bg/02_vil\xe9.bmp");
                         fs::rename(d / "bg/03_porto.bmp", d / "bg/\xff\xfe.BmP");
                         fs::create_directory(d / "bg/x.bmp");
                         mkfifo((d / "bg/y.bmp").c_str(), 0644);
                         fs::create_symlink(d / "bg/nada", d / "bg/z.bmp");
                         fs::permissions(d / "bg/04_flores.bmp", fs::perms::none);
                     },
                     ""});
    return lista;
}

// main's part: the project built, played by the script to Quit, destroyed; its status. Root
// reads any file whatever its mode, so the child drops to nobody first.
void joga(const std::string& dir)
{
    if (chdir(dir.c_str()) != 0)
        _exit(97);
    if (geteuid() == 0) {
        if (setgroups(0, nullptr) != 0 || setgid(NINGUEM) != 0 || setuid(NINGUEM) != 0)
            _exit(98);
        prctl(PR_SET_DUMPABLE, 1);  // the sanitizer build's leak checker needs it
    }
    std::setvbuf(stdout, nullptr, _IOLBF, 0);
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
    const fs::path raiz = temp.caminho("");
    fs::permissions(raiz, fs::perms::owner_all | fs::perms::group_read | fs::perms::group_exec |
                              fs::perms::others_read | fs::perms::others_exec);
    fs::copy(fs::path(CORVELA_RAIZ) / "data", raiz / "data", fs::copy_options::recursive);
    caso.prepara(raiz / "data");
    Processo filho([&]() { joga(raiz.string()); });
    const Resultado r = filho.termina(LIMITE_MS);
    ASSERT_TRUE(r.saiu) << "signal " << r.sinal << (r.excedeu ? ", a hang" : "") << "\n" << r.erro;
    // SDL's parachute turns a crash into status 255 with this word.
    EXPECT_EQ(std::string::npos, r.erro.find("Parachute")) << r.erro;
    if (caso.efeito.empty()) {
        EXPECT_EQ(0, r.status) << r.erro;
    } else {
        EXPECT_EQ(STATUS_SOM, r.status) << r.erro;
        // The effect's message is the last thing the game says.
        const std::string linha = "Erro na abertura do arquivo data/" + caso.efeito + ": ";
        const std::size_t ultima = r.erro.rfind('\n', r.erro.size() - 2);
        EXPECT_EQ(0, r.erro.compare(ultima == std::string::npos ? 0 : ultima + 1, linha.size(), linha))
            << r.erro;
    }
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
