// CSom: SDL_mixer's device, one music stream and eight effect slots.
#include "engine/media/CSom.h"

#include <algorithm>
#include <climits>
#include <cstdio>
#include <cstdlib>

#include "engine/media/abreMidia.h"
#include "engine/media/cabecalhos.h"
#include "engine/plataforma/plataforma.h"

namespace {

const int FREQUENCIA = 22050;
const int CANAIS_SAIDA = 2;
const int TAMANHO_BUFFER = 4096;
const int VOLUME_MAXIMO = MIX_MAX_VOLUME;
const int STATUS_FALHA = -1;
const int GRAUS_VOLTA = 360;
const int MS_POR_SEGUNDO = 1000;
// The longest fade handed to the mixer: it adds up to a mixing step to the time before
// dividing, so the time must leave it room below INT_MAX.
const int MAIOR_FADE_MS = INT_MAX / 2;

}  // namespace

CSom::CSom()
{
    if (Mix_OpenAudio(FREQUENCIA, AUDIO_S16SYS, CANAIS_SAIDA, TAMANHO_BUFFER) != 0) {
        std::fprintf(stderr, "Incapaz de inicializar audio: %s\n", SDL_GetError());
        std::exit(STATUS_FALHA);
    }
    Mix_AllocateChannels(MAX_SONS);
    for (Mix_Chunk*& som : sons)
        som = nullptr;
    musica = nullptr;
    std::fputs("Sistema de som inicializado com sucesso...\n", stdout);
    nomeClasse = "CSom";
}

CSom::~CSom()
{
    liberaMusica();
    Mix_HaltChannel(-1);
    for (Mix_Chunk*& som : sons) {
        Mix_FreeChunk(som);
        som = nullptr;
    }
    Mix_CloseAudio();
    std::fputs("Sistema de som finalizado...\n", stdout);
}

Mix_Chunk* CSom::retornaSom(unsigned char slot) const
{
    return slot < MAX_SONS ? sons[slot] : nullptr;
}

void CSom::carregaMusica(const std::string& arquivo)
{
    liberaMusica();
    musica = leMusica(arquivo);
    if (musica == nullptr)
        std::fprintf(stderr, "Erro na abertura do arquivo %s: %s\n", arquivo.c_str(), SDL_GetError());
}

Mix_Music* CSom::leMusica(const std::string& arquivo)
{
    // Only a regular file in a format the service plays reaches the mixer.
    SDL_RWops* fluxo = abreMidia(arquivo);
    const FormatoMusica formato = fluxo != nullptr ? confereMusica(fluxo) : MUSICA_RECUSADA;
    if (formato != MUSICA_RECUSADA)
        return plataforma::leMusica(fluxo, arquivo, formato == MUSICA_OGG ? MUS_OGG : MUS_WAV);
    if (fluxo != nullptr)
        SDL_RWclose(fluxo);
    return nullptr;
}

Mix_Chunk* CSom::leSom(const std::string& arquivo)
{
    SDL_RWops* fluxo = abreMidia(arquivo);
    if (fluxo != nullptr && confereWav(fluxo))
        return plataforma::leSom(fluxo, arquivo);
    if (fluxo != nullptr)
        SDL_RWclose(fluxo);
    return nullptr;
}

void CSom::tocaMusica(int repeticoes)
{
    if (musica != nullptr && Mix_PlayMusic(musica, repeticoes) == -1)
        std::fprintf(stderr, "Erro na execucao do arquivo de musica - %s", SDL_GetError());
}

void CSom::volumeMus(unsigned char volume)
{
    Mix_VolumeMusic(volume);
}

void CSom::fadeOutMus(int segundos)
{
    if (musica == nullptr)
        return;
    // Seconds to milliseconds without overflow; a time of 0 or less stops the music now.
    const long long ms = static_cast<long long>(segundos) * MS_POR_SEGUNDO;
    Mix_FadeOutMusic(static_cast<int>(std::max(0LL, std::min<long long>(ms, MAIOR_FADE_MS))));
}

void CSom::liberaMusica()
{
    if (musica == nullptr)
        return;
    Mix_HaltMusic();
    Mix_FreeMusic(musica);
    musica = nullptr;
}

void CSom::carregaSom(const std::string& arquivo, unsigned char slot, bool forcar)
{
    if (slot >= MAX_SONS)
        return;
    if (forcar || Mix_Playing(slot) == 0) {
        liberaSom(slot);
        // A file refused by the header check ends the game as a missing one does.
        sons[slot] = leSom(arquivo);
        if (sons[slot] == nullptr) {
            std::fprintf(stderr, "Erro na abertura do arquivo %s: %s\n", arquivo.c_str(),
                         SDL_GetError());
            std::exit(STATUS_FALHA);
        }
    }
    // A playing channel may belong to a slot that was since emptied: no chunk to touch.
    if (sons[slot] != nullptr)
        Mix_VolumeChunk(sons[slot], VOLUME_MAXIMO);
}

void CSom::tocaSom(unsigned char slot, int repeticoes, bool forcar)
{
    if (slot >= MAX_SONS)
        return;
    if (forcar) {
        Mix_HaltChannel(slot);
        Mix_PlayChannelTimed(slot, sons[slot], repeticoes, -1);
        return;
    }
    if (Mix_Playing(slot) != 0)
        return;
    if (Mix_PlayChannelTimed(slot, sons[slot], repeticoes, -1) == -1) {
        std::fprintf(stderr, "Erro na execucao do arquivo de som - %s", SDL_GetError());
        std::exit(STATUS_FALHA);
    }
}

void CSom::paraSom(unsigned char slot)
{
    if (slot < MAX_SONS && sons[slot] != nullptr)
        Mix_HaltChannel(slot);
}

void CSom::liberaSom(unsigned char slot)
{
    if (slot >= MAX_SONS || sons[slot] == nullptr)
        return;
    Mix_HaltChannel(slot);
    Mix_FreeChunk(sons[slot]);
    sons[slot] = nullptr;
}

short CSom::reduzAngulo(short angulo)
{
    // C's remainder keeps the sign of the dividend, which is the reduction wanted.
    if (angulo >= GRAUS_VOLTA || angulo <= -GRAUS_VOLTA)
        return static_cast<short>(angulo % GRAUS_VOLTA);
    return angulo;
}

void CSom::posicionaSom(unsigned char slot, short angulo, unsigned char distancia)
{
    if (slot >= MAX_SONS)
        return;
    if (Mix_SetPosition(slot, reduzAngulo(angulo), distancia) == 0)
        std::fputs("Impossivel aplicar efeito de som\n", stdout);
}
