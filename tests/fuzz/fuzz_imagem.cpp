// fuzz_imagem: libFuzzer target for BMP pictures as the game loads them: arbitrary bytes
// written as a .bmp, loaded by CSprite behind the header check, given the colour key, drawn
// whole, in part and frame by frame on the 320x240x16 screen, and read back with pixela.
// Depends on libFuzzer, SDL (dummy driver), CSprite, CSpriteAnimado and the scratch
// directory helper.
#include <SDL.h>
#include <fcntl.h>
#include <stdlib.h>
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "engine/media/CSpriteAnimado.h"
#include "engine/media/pixela.h"
#include "tests/apoio/ArquivosTemporarios.h"

namespace {

DiretorioTemporario dir;
const int LADO_QUADRO = 60;

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    setenv("SDL_VIDEODRIVER", "dummy", 1);
    if (std::freopen("/dev/null", "w", stdout) == nullptr ||
        SDL_Init(SDL_INIT_VIDEO) != 0 || SDL_SetVideoMode(320, 240, 16, 0) == nullptr)
        std::abort();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dados, std::size_t tamanho)
{
    const std::string arquivo =
        dir.escreve("entrada.bmp", std::string(reinterpret_cast<const char*>(dados), tamanho));
    // The load error lines would drown libFuzzer's own reports on standard error.
    std::fflush(stderr);
    const int erroOriginal = dup(STDERR_FILENO);
    const int nulo = open("/dev/null", O_WRONLY);
    dup2(nulo, STDERR_FILENO);
    CSpriteAnimado imagem;
    const bool carregou = imagem.carregaImagem(arquivo);
    std::fflush(stderr);
    dup2(erroOriginal, STDERR_FILENO);
    close(nulo);
    close(erroOriginal);
    if (!carregou)
        return 0;
    SDL_Surface* superficie = imagem.retornaSuperficie();
    if (superficie == nullptr || superficie->w <= 0 || superficie->h <= 0)
        std::abort();  // a loaded picture always has pixels
    imagem.corTransparente(255, 0, 255);
    SDL_Surface* tela = SDL_GetVideoSurface();
    imagem.desenha(0, 0);
    imagem.desenha(-7, 100, 3, 5, 200, 200);
    imagem.inicializa(LADO_QUADRO, LADO_QUADRO, 0, 15, nullptr, 0);
    for (unsigned short quadro = 0; quadro < 16; ++quadro)
        imagem.desenha(quadro * 20, quadro * 15, quadro);
    pixela(superficie, static_cast<unsigned>(superficie->w - 1),
           static_cast<unsigned>(superficie->h - 1));
    pixela(tela, 319, 239, pixela(superficie, 0, 0));
    return 0;
}
