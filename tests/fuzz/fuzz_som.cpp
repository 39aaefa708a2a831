// fuzz_som: libFuzzer target for the sound and music loaders behind their header checks.
// Arbitrary bytes are loaded from a file as a sound effect and as music, as the game does;
// whatever passes is decoded whole (the mixer decodes music only while playing, so its OGG
// and WAV bytes are decoded through the effect loader's own decoders), played on a channel
// and freed. Depends on libFuzzer, SDL_mixer, CSom and the targets' shared set-up.
#include <SDL_mixer.h>

#include "engine/media/CSom.h"
#include "tests/fuzz/alvo.h"

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    fuzz::preparaSdl(false);
    [[maybe_unused]] static CSom* const som = new CSom;  // the device, open for the whole run
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dados, std::size_t tamanho)
{
    static const fuzz::ArquivoMemoria entrada;
    const std::string& arquivo = entrada.escreve(dados, tamanho);
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
        if (Mix_Chunk* decodificada = Mix_LoadWAV_RW(SDL_RWFromConstMem(dados, int(tamanho)), 1))
            Mix_FreeChunk(decodificada);
    }
    return 0;
}
