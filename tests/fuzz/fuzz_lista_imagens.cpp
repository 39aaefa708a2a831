// fuzz_lista_imagens: libFuzzer target for the board's picture list: arbitrary bytes written
// as a .bmp in data/bg beside one good 240x240 picture, then the board set up from that
// directory (the list, the first picture), drawn, and moved on to the next picture, as the
// game screen does. Truncated headers, huge sizes, odd depths and RLE all come from here.
// Depends on libFuzzer, SDL (dummy driver), Tabuleiro and the scratch directory helper.
#include <SDL.h>
#include <fcntl.h>
#include <stdlib.h>
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "game/Tabuleiro.h"
#include "tests/apoio/ArquivosTemporarios.h"

namespace {

DiretorioTemporario dir;
const int LADO_IMAGEM = 240;
const unsigned char LADO_TABULEIRO = 4;

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    namespace fs = std::filesystem;
    setenv("SDL_VIDEODRIVER", "dummy", 1);
    if (std::freopen("/dev/null", "w", stdout) == nullptr || SDL_Init(SDL_INIT_VIDEO) != 0 ||
        SDL_SetVideoMode(320, 240, 16, 0) == nullptr)
        std::abort();
    // The board's own pictures come from the game's data/; data/bg is the fuzzer's.
    const fs::path origem = fs::current_path();
    fs::create_directories(dir.caminho("data/bg"));
    fs::create_directory_symlink(origem / "data" / "gfx", dir.caminho("data/gfx"));
    fs::create_directory_symlink(origem / "data" / "fonts", dir.caminho("data/fonts"));
    fs::current_path(dir.caminho(""));
    SDL_Surface* boa =
        SDL_CreateRGBSurface(SDL_SWSURFACE, LADO_IMAGEM, LADO_IMAGEM, 24, 0, 0, 0, 0);
    if (boa == nullptr || SDL_SaveBMP(boa, "data/bg/boa.bmp") != 0)
        std::abort();
    SDL_FreeSurface(boa);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dados, std::size_t tamanho)
{
    dir.escreve("data/bg/entrada.bmp", std::string(reinterpret_cast<const char*>(dados), tamanho));
    // The load lines would drown libFuzzer's own reports on standard error.
    std::fflush(stderr);
    const int erroOriginal = dup(STDERR_FILENO);
    const int nulo = open("/dev/null", O_WRONLY);
    dup2(nulo, STDERR_FILENO);
    {
        Tabuleiro tabuleiro;
        tabuleiro.inicializa(320, 240, LADO_TABULEIRO);
        tabuleiro.exibe(true);
        tabuleiro.carregaProximaImagem();
        tabuleiro.trocaAjuda();
        tabuleiro.exibe(false);
    }
    std::fflush(stderr);
    dup2(erroOriginal, STDERR_FILENO);
    close(nulo);
    close(erroOriginal);
    return 0;
}
