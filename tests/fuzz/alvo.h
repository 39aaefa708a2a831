// alvo: what the fuzz targets share: a check that aborts naming itself, SDL on its dummy
// drivers, and the input as a file that lives in memory. tools/fuzz.sh runs the targets with
// -close_fd_mask=3, so their own log lines go nowhere while libFuzzer's and the sanitizers'
// reports, the failed check's among them, stay. Depends on SDL, the sanitizers' interface,
// Linux's memfd_create and the scratch directory helper.
#ifndef CORVELA_FUZZ_ALVO_H
#define CORVELA_FUZZ_ALVO_H

#include <SDL.h>
#include <sanitizer/common_interface_defs.h>
#include <stdlib.h>
#include <sys/mman.h>
#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <string>

#include "tests/apoio/ArquivosTemporarios.h"

#define FUZZ_TEXTO(x) #x
#define FUZZ_ONDE(x) __FILE__ ":" FUZZ_TEXTO(x) ": falhou: "
#define VERIFICA(c) \
    ((c) ? void() : (__sanitizer_report_error_summary(FUZZ_ONDE(__LINE__) #c), std::abort()))

namespace fuzz {

// The dummy drivers; with tela, also the game's 320x240x16 screen.
inline void preparaSdl(bool tela)
{
    setenv("SDL_VIDEODRIVER", "dummy", 1);
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    VERIFICA(!tela || (SDL_Init(SDL_INIT_VIDEO) == 0 && SDL_SetVideoMode(320, 240, 16, 0)));
}

// A memory file under a path the loaders open like any other, each input written over the
// last: truncating and rewriting a file on disk cost the targets nine inputs in ten.
struct ArquivoMemoria {
    const int fd = memfd_create("corvela-fuzz", 0);
    const std::string caminho = "/proc/self/fd/" + std::to_string(fd);

    const std::string& escreve(const std::uint8_t* dados, std::size_t tamanho) const
    {
        VERIFICA(ftruncate(fd, 0) == 0 && pwrite(fd, dados, tamanho, 0) == ssize_t(tamanho));
        return caminho;
    }
    std::string le() const { return DiretorioTemporario::le(caminho); }
};

}  // namespace fuzz

#endif
