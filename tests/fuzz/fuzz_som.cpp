// fuzz_som: libFuzzer target for the sound and music loaders behind their header checks.
// Arbitrary bytes are written to a file and loaded as a sound effect and as music, as the
// game does; whatever passes is decoded whole (the mixer decodes music only while playing,
// so its OGG and WAV bytes are decoded through the effect loader's own decoders), played on
// a channel and freed. Depends on libFuzzer, SDL_mixer (dummy driver), CSom, cabecalhos
// and the scratch directory helper.
#include <SDL.h>
#include <SDL_mixer.h>
#include <stdlib.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "engine/media/CSom.h"
#include "engine/media/cabecalhos.h"
#include "tests/apoio/ArquivosTemporarios.h"

namespace {

DiretorioTemporario dir;
CSom* som = nullptr;  // the device, open for the whole run

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    if (std::freopen("/dev/null", "w", stdout) == nullptr)
        std::abort();
    som = new CSom;
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dados, std::size_t tamanho)
{
    const std::string arquivo =
        dir.escreve("entrada", std::string(reinterpret_cast<const char*>(dados), tamanho));

    if (Mix_Chunk* efeito = CSom::leSom(arquivo)) {
        Mix_PlayChannelTimed(0, efeito, 0, -1);
        Mix_HaltChannel(0);
        Mix_FreeChunk(efeito);
    }
    if (Mix_Music* musica = CSom::leMusica(arquivo)) {
        Mix_PlayMusic(musica, 0);
        Mix_HaltMusic();
        Mix_FreeMusic(musica);
        // What the music thread would decode: the same bytes through the same decoders.
        SDL_RWops* fluxo = SDL_RWFromConstMem(dados, static_cast<int>(tamanho));
        if (Mix_Chunk* decodificada = Mix_LoadWAV_RW(fluxo, 1))
            Mix_FreeChunk(decodificada);
    }
    return 0;
}
