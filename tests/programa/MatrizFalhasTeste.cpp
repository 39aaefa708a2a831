// The fault matrix: the game played through every screen (Roteiro: intro, menu, a won game,
// credits, the menu's idle return, Quit) from a data/ in which one thing is wrong: each file
// removed, replaced by garbage, cut to half; no data/ at all; an empty, a crowded and a
// hostile data/bg; unreadable files. Each case runs the game's own project in a child
// process (as root the child drops to nobody, so that an unreadable file is unreadable), fed
// by real SDL key events and a clock that runs as fast as frames draw; the child must end
// with the status the game gives for the case (0 after Quit, 255 after a sound effect's
// message) and never by a signal or a hang. The real executable is run once too, without
// any data/, and stopped by SIGTERM.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <grp.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <string>
#include <thread>
#include <vector>

#include "tests/apoio/Processo.h"
#include "tests/programa/Roteiro.h"
#include "tests/apoio/ArquivosTemporarios.h"

namespace fs = std::filesystem;

namespace {

const int STATUS_SAIR = 0;
const int STATUS_SOM = 255;
const int STATUS_ROTEIRO = 3;  // the script could not go on: a screen never came
const uid_t NINGUEM = 65534;
const unsigned LIMITE_MS = 120000;  // a case takes well under a second; more is a hang

struct Caso {
    std::string nome;
    std::function<void(const fs::path& data)> prepara;
    int status;
    std::string linha;  // expected on standard error ("" for none)
};

std::ostream& operator<<(std::ostream& os, const Caso& caso)
{
    return os << caso.nome;
}

// Bytes that are nothing the loaders know, of the file's own size (at least a block).
std::string lixo(std::uintmax_t tamanho)
{
    std::string bytes(std::max<std::uintmax_t>(tamanho, 4096), '\0');
    unsigned estado = 12345;
    for (char& c : bytes) {
        estado = estado * 1103515245u + 12345u;
        c = static_cast<char>(estado >> 16);
    }
    return bytes;
}

void escreve(const fs::path& arquivo, const std::string& bytes)
{
    std::FILE* f = std::fopen(arquivo.c_str(), "wb");
    if (f != nullptr) {
        std::fwrite(bytes.data(), 1, bytes.size(), f);
        std::fclose(f);
    }
}

// The line a missing or refused file of data/ leaves, by the kind of file; "" for files the
// game does not read, or reads without a line of its own (the picture list skips them).
std::string linhaDe(const std::string& relativo)
{
    const std::string caminho = "data/" + relativo;
    if (relativo.rfind("gfx/", 0) == 0)
        return "Erro ao carregar a imagem " + caminho + "\t ";
    if (relativo == "fonts/coure.fon" || relativo == "fonts/Sans Bold.ttf")
        return "Erro ao carregar fonte " + caminho + " \t ";
    if (relativo.rfind("music/", 0) == 0 || relativo.rfind("sfx/", 0) == 0)
        return "Erro na abertura do arquivo " + caminho + ": ";
    return "";
}

void ilegivel(const fs::path& arquivo);

std::vector<Caso> casos()
{
    std::vector<Caso> lista;
    std::vector<std::string> arquivos;
    for (const auto& e : fs::recursive_directory_iterator(fs::path(CORVELA_RAIZ) / "data"))
        if (e.is_regular_file())
            arquivos.push_back(fs::relative(e.path(), fs::path(CORVELA_RAIZ) / "data").string());
    std::sort(arquivos.begin(), arquivos.end());
    for (const std::string& r : arquivos) {
        // A sound effect that cannot be had ends the game with its line; anything else
        // leaves the game going without it.
        const bool efeito = r.rfind("sfx/", 0) == 0;
        const int status = efeito ? STATUS_SOM : STATUS_SAIR;
        lista.push_back(
            {"sem " + r, [r](const fs::path& d) { fs::remove(d / r); }, status, linhaDe(r)});
        lista.push_back({"lixo em " + r,
                         [r](const fs::path& d) { escreve(d / r, lixo(fs::file_size(d / r))); },
                         status, linhaDe(r)});
        // Half a file may still load (an OGG's headers, a BMP's first rows): no line asked.
        lista.push_back({"metade de " + r,
                         [r](const fs::path& d) {
                             fs::resize_file(d / r, fs::file_size(d / r) / 2);
                         },
                         status, efeito ? linhaDe(r) : ""});
    }
    lista.push_back({"sem data", [](const fs::path& d) { fs::remove_all(d); }, STATUS_SOM,
                     "Erro na abertura do arquivo data/sfx/opc_foco.wav: "});
    lista.push_back({"data/bg vazio",
                     [](const fs::path& d) {
                         fs::remove_all(d / "bg");
                         fs::create_directory(d / "bg");
                     },
                     STATUS_SAIR, "Nenhuma imagem 240x240 utilizavel em data/bg"});
    lista.push_back({"data/bg com 500 arquivos, poucos figuras",
                     [](const fs::path& d) {
                         const char* extensoes[] = {".bmp", ".BMP", ".txt", ".png", ""};
                         for (int i = 0; i < 480; ++i)
                             escreve(d / "bg" / ("lixo" + std::to_string(i) + extensoes[i % 5]),
                                     lixo(64 + i).substr(0, 64 + i));
                         for (int i = 0; i < 12; ++i)
                             fs::copy_file(d / "bg/01_vale.bmp",
                                           d / "bg" / ("copia" + std::to_string(i) + ".bmp"));
                     },
                     STATUS_SAIR, ""});
    lista.push_back({"data/bg com .bmp esparsos de 1 GB",
                     [](const fs::path& d) {
                         escreve(d / "bg/00_zeros.bmp", "");
                         fs::resize_file(d / "bg/00_zeros.bmp", 1ull << 30);
                         fs::copy_file(d / "bg/01_vale.bmp", d / "bg/00_gigante.bmp");
                         fs::resize_file(d / "bg/00_gigante.bmp", 1ull << 30);
                     },
                     STATUS_SAIR, ""});
    lista.push_back({"nomes com espacos e bytes nao ASCII",
                     [](const fs::path& d) {
                         fs::rename(d / "bg/01_vale.bmp", d / "bg/01 vale com espa\xc3\xa7o.bmp");
                         fs::rename(d / "bg/02_vila.bmp", d / "bg/02_vil\xe9.bmp");
                         fs::rename(d / "bg/03_porto.bmp", d / "bg/\xff\xfe.BmP");
                     },
                     STATUS_SAIR, ""});
    lista.push_back({"diretorio, FIFO e elo quebrado com nome .bmp",
                     [](const fs::path& d) {
                         fs::create_directory(d / "bg/x.bmp");
                         mkfifo((d / "bg/y.bmp").c_str(), 0644);
                         fs::create_symlink(d / "bg/nada", d / "bg/z.bmp");
                     },
                     STATUS_SAIR, ""});
    lista.push_back({"figura ilegivel",
                     [](const fs::path& d) { ilegivel(d / "bg/01_vale.bmp"); },
                     STATUS_SAIR, ""});
    lista.push_back({"musica ilegivel",
                     [](const fs::path& d) { ilegivel(d / "music/nintendo.ogg"); },
                     STATUS_SAIR, "Erro na abertura do arquivo data/music/nintendo.ogg: "});
    lista.push_back({"efeito ilegivel",
                     [](const fs::path& d) { ilegivel(d / "sfx/opc_escolha.wav"); },
                     STATUS_SOM, "Erro na abertura do arquivo data/sfx/opc_escolha.wav: "});
    return lista;
}

void ilegivel(const fs::path& arquivo)
{
    fs::permissions(arquivo, fs::perms::none);
}

// The game from main's point of view: the project built, set up, played by the script to
// its Quit row, destroyed; the status main would return.
int joga()
{
    Partida partida(CRelogio::INTERVALO_MIN_PADRAO);
    if (!partida.inicia())
        return -1;
    partida.comeca();
    Roteiro roteiro(partida);
    if (!roteiro.volta() || !roteiro.sai()) {
        std::fprintf(stderr, "roteiro: %s\n", roteiro.falha().c_str());
        return STATUS_ROTEIRO;
    }
    return STATUS_SAIR;
}

[[noreturn]] void filho(const std::string& dir, int saida, int erro)
{
    dup2(saida, STDOUT_FILENO);
    dup2(erro, STDERR_FILENO);
    if (chdir(dir.c_str()) != 0)
        _exit(97);
    // Root reads any file whatever its mode; nobody reads what the case made unreadable.
    if (geteuid() == 0) {
        if (setgroups(0, nullptr) != 0 || setgid(NINGUEM) != 0 || setuid(NINGUEM) != 0)
            _exit(98);
        prctl(PR_SET_DUMPABLE, 1);  // the leak checker of the sanitizer build needs it
    }
    std::setvbuf(stdout, nullptr, _IOLBF, 0);
    const int status = joga();
    std::fflush(nullptr);
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
    const int saida = open(temp.caminho("saida.txt").c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    const int erro = open(temp.caminho("erro.txt").c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    ASSERT_TRUE(saida >= 0 && erro >= 0);

    std::fflush(nullptr);
    const auto inicio = std::chrono::steady_clock::now();
    const pid_t pid = fork();
    if (pid == 0)
        filho(raiz.string(), saida, erro);
    close(saida);
    close(erro);
    int status = 0;
    bool excedeu = false;
    while (waitpid(pid, &status, WNOHANG) == 0) {
        if (std::chrono::steady_clock::now() - inicio > std::chrono::milliseconds(LIMITE_MS)) {
            kill(pid, SIGKILL);
            waitpid(pid, &status, 0);
            excedeu = true;
            break;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    const long ms = static_cast<long>(std::chrono::duration_cast<std::chrono::milliseconds>(
                                          std::chrono::steady_clock::now() - inicio).count());
    const std::string err = DiretorioTemporario::le(temp.caminho("erro.txt"));
    ASSERT_FALSE(excedeu) << caso.nome << ": still running after " << LIMITE_MS << " ms\n" << err;
    ASSERT_TRUE(WIFEXITED(status))
        << caso.nome << ": ended by signal " << WTERMSIG(status) << "\n" << err;
    const int codigo = WEXITSTATUS(status);
    std::printf("[caso] %s: exit %d in %ld ms\n", caso.nome.c_str(), codigo, ms);
    EXPECT_EQ(caso.status, codigo) << caso.nome << "\n" << err;
    EXPECT_EQ(std::string::npos, err.find("Parachute")) << err;
    if (!caso.linha.empty()) {
        EXPECT_NE(std::string::npos, err.find(caso.linha))
            << caso.nome << ": no line " << caso.linha << " in\n" << err;
    }
    if (caso.status == STATUS_SOM) {
        // The message is the last thing the game says.
        const std::size_t ultima = err.rfind('\n', err.size() - 2);
        const std::size_t comeco = ultima == std::string::npos ? 0 : ultima + 1;
        EXPECT_EQ(0, err.compare(comeco, caso.linha.size(), caso.linha)) << err;
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

// The real executable with no data/ at all: it starts, shows its screens without their
// files, and SIGTERM still ends it like Quit.
TEST(MatrizFalhasExecutavel, SemDataComecaEEncerraPorSigterm)
{
    DiretorioTemporario vazio;
    Processo corvela(CORVELA_BINARIO, vazio.caminho(""), "dummy", "dummy");
    ASSERT_TRUE(corvela.esperaSaida("Video inicializado corretamente...\n", 10000));
    usleep(1200000);  // some frames of the intro without its logo
    corvela.sinal(SIGTERM);
    const Resultado r = corvela.termina(10000);
    EXPECT_TRUE(r.saiu) << r.sinal << r.erro;
    EXPECT_EQ(0, r.status);
    EXPECT_NE(std::string::npos, r.erro.find("Erro ao carregar a imagem data/gfx/Orvalek.bmp\t "))
        << r.erro;
}

}  // namespace
