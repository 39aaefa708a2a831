// corvela_medidas: one measurement per run, printed as a line that starts with "MEDIDA"
// (the game's own log lines go to the same streams):
//   quadros CENA N    N frames of a screen (time per frame; under callgrind, the frames
//                     alone are counted: --toggle-collect='medidas::rodaQuadros*'); a
//                     screen that lasts fewer frames gets that many, as the line says
//   arranque          building the project to the end of the first frame, in ms
//   entrada N         switching from the menu to the game screen with N pictures in data/bg
//                     (a scratch copy of data/), to the end of its first frame, in ms
//                     (callgrind: --toggle-collect='medidas::entraNoJogo*')
//   periodo CENA N    N frames of the real loop on SDL's clock: period mean, p99 and max,
//                     and the share of a core the process used meanwhile
//   escala E N        N frames of the game screen shown in a window scaled by E (the scaling
//                     and the flip alone; callgrind: --toggle-collect='medidas::apresentaQuadros*')
// Runs from the repository root (data/). Depends on the bench's scenes and the game.
#include <sys/resource.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "cenas/cenas.h"
#include "engine/files/diretorio.h"
#include "engine/media/ampliacao.h"

namespace fs = std::filesystem;
using Relogio = std::chrono::steady_clock;

namespace medidas {

// Kept out of line so callgrind can count exactly these frames.
__attribute__((noinline)) void rodaQuadros(Corvela& jogo, unsigned n)
{
    for (unsigned i = 0; i < n; ++i)
        jogo.executaQuadro();
}

// Switches to the game screen and runs its first frame; out of line for the same reason.
__attribute__((noinline)) void entraNoJogo(Partida& b)
{
    b.entra(Corvela::JOGO);
    b.quadros(1);
}

// Shows the frame in the window n times; out of line for the same reason.
__attribute__((noinline)) void apresentaQuadros(CVideo& video, unsigned n)
{
    for (unsigned i = 0; i < n; ++i)
        video.apresenta();
}

}  // namespace medidas

namespace {

const unsigned QUADROS_AQUECIMENTO = 30;

double ms(Relogio::duration d)
{
    return std::chrono::duration<double, std::milli>(d).count();
}

double segundosCPU()
{
    rusage uso{};
    getrusage(RUSAGE_SELF, &uso);
    return uso.ru_utime.tv_sec + uso.ru_stime.tv_sec +
           (uso.ru_utime.tv_usec + uso.ru_stime.tv_usec) / 1e6;
}

const cenas::Cena* cenaPedida(const char* nome)
{
    const cenas::Cena* c = cenas::procura(nome);
    if (c == nullptr) {
        std::fprintf(stderr, "corvela_medidas: unknown screen %s; known:", nome);
        for (const cenas::Cena& k : cenas::todas())
            std::fprintf(stderr, " %s", k.nome);
        std::fputc('\n', stderr);
    }
    return c;
}

int quadros(const char* nome, unsigned n)
{
    const cenas::Cena* cena = cenaPedida(nome);
    if (cena == nullptr)
        return 2;
    Partida b;
    if (!b.inicia() || !cena->prepara(b))
        return 1;
    if (cena->duracao > 0)
        n = std::min(n, cena->duracao);
    else
        b.quadros(QUADROS_AQUECIMENTO);
    const Relogio::time_point t0 = Relogio::now();
    medidas::rodaQuadros(b.jogo(), n);
    const double total = ms(Relogio::now() - t0);
    std::printf("MEDIDA quadros %s %u %.1f us/quadro\n", nome, n, 1000.0 * total / n);
    return 0;
}

int arranque()
{
    const Relogio::time_point t0 = Relogio::now();
    Partida b;
    if (!b.inicia())
        return 1;
    b.entra(Corvela::APRESENTACAO);
    b.quadros(1);
    std::printf("MEDIDA arranque %.2f ms\n", ms(Relogio::now() - t0));
    return 0;
}

// A scratch data/ whose bg holds n copies of the real pictures, the rest linked to the
// real directories. Returns its root, empty on failure.
std::string dadosComFiguras(unsigned n)
{
    std::vector<std::string> figuras;
    listaDiretorio("data/bg", figuras, "bmp", false);
    char modelo[] = "/tmp/corvela-medidasXXXXXX";
    if (figuras.empty() || mkdtemp(modelo) == nullptr)
        return "";
    const fs::path raiz = modelo;
    std::error_code erro;
    fs::create_directories(raiz / "data" / "bg", erro);
    for (const char* sub : {"gfx", "fonts", "music", "sfx"})
        fs::create_directory_symlink(fs::absolute("data") / sub, raiz / "data" / sub, erro);
    for (unsigned i = 0; i < n && !erro; ++i) {
        char nome[32];
        std::snprintf(nome, sizeof nome, "figura%03u.bmp", i);
        fs::copy_file(fs::path("data/bg") / figuras[i % figuras.size()],
                      raiz / "data" / "bg" / nome, erro);
    }
    if (erro) {
        std::fprintf(stderr, "corvela_medidas: %s\n", erro.message().c_str());
        fs::remove_all(raiz, erro);
        return "";
    }
    return raiz.string();
}

int entrada(unsigned n)
{
    const std::string raiz = dadosComFiguras(n);
    if (raiz.empty() || chdir(raiz.c_str()) != 0)
        return 1;
    int resultado = 1;
    {
        Partida b;
        if (b.inicia()) {
            b.entra(Corvela::MENU);
            b.quadros(2);
            const Relogio::time_point t0 = Relogio::now();
            medidas::entraNoJogo(b);
            std::printf("MEDIDA entrada %u %.2f ms\n", n, ms(Relogio::now() - t0));
            resultado = 0;
        }
    }
    std::error_code erro;
    fs::remove_all(raiz, erro);
    return resultado;
}

int periodo(const char* nome, unsigned n)
{
    const cenas::Cena* cena = cenaPedida(nome);
    if (cena == nullptr || n == 0)
        return 2;
    if (cena->duracao > 0) {
        std::fprintf(stderr, "corvela_medidas: %s lasts %u frames, too few for a period\n",
                     nome, cena->duracao);
        return 2;
    }
    Partida b;
    if (!b.inicia() || !cena->prepara(b))
        return 1;
    b.quadros(QUADROS_AQUECIMENTO);
    b.relogioReal();
    b.quadros(1);  // the first frame on the real clock starts from the reset
    std::vector<double> periodos;
    periodos.reserve(n);
    const double cpu0 = segundosCPU();
    const Relogio::time_point inicio = Relogio::now();
    Relogio::time_point antes = inicio;
    for (unsigned i = 0; i < n; ++i) {
        b.jogo().executaQuadro();
        const Relogio::time_point agora = Relogio::now();
        periodos.push_back(ms(agora - antes));
        antes = agora;
    }
    const double parede = ms(antes - inicio);
    const double cpu = segundosCPU() - cpu0;
    double soma = 0;
    for (double p : periodos)
        soma += p;
    std::sort(periodos.begin(), periodos.end());
    const double p99 = periodos[std::min<size_t>(n - 1, (n * 99 + 99) / 100 - 1)];
    std::printf("MEDIDA periodo %s %u media %.2f ms p99 %.2f ms max %.2f ms cpu %.1f %%\n", nome,
                n, soma / n, p99, periodos.back(), 100.0 * cpu * 1000.0 / parede);
    return 0;
}

int escala(unsigned e, unsigned n)
{
    Partida b;
    CVideo& video = *b.jogo().retornaVideo();
    video.defEscala(static_cast<Uint8>(e));
    if (e == 0 || e > ESCALA_MAXIMA || !b.inicia() || !cenas::procura("jogo")->prepara(b) ||
        video.retornaEscala() != e)
        return 1;
    b.quadros(1);
    const Relogio::time_point t0 = Relogio::now();
    medidas::apresentaQuadros(video, n);
    const double total = ms(Relogio::now() - t0);
    std::printf("MEDIDA escala %u %u %.1f us/quadro\n", e, n, 1000.0 * total / n);
    return 0;
}

int uso()
{
    std::fputs("usage: corvela_medidas quadros SCREEN N | arranque | entrada N | "
               "periodo SCREEN N | escala E N\n", stderr);
    return 2;
}

}  // namespace

int main(int argc, char** argv)
{
    std::setvbuf(stdout, nullptr, _IOLBF, 0);
    const std::string comando = argc > 1 ? argv[1] : "";
    if (comando == "quadros" && argc == 4)
        return quadros(argv[2], static_cast<unsigned>(std::atoi(argv[3])));
    if (comando == "arranque" && argc == 2)
        return arranque();
    if (comando == "entrada" && argc == 3)
        return entrada(static_cast<unsigned>(std::atoi(argv[2])));
    if (comando == "periodo" && argc == 4)
        return periodo(argv[2], static_cast<unsigned>(std::atoi(argv[3])));
    if (comando == "escala" && argc == 4)
        return escala(static_cast<unsigned>(std::atoi(argv[2])),
                      static_cast<unsigned>(std::atoi(argv[3])));
    return uso();
}
