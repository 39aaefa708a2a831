// CSom: the sound service. Opens the audio device through SDL_mixer and holds one music
// stream and eight sound-effect slots; slot n always plays on mixing channel n.
// Depends on SDL_mixer, abreMidia and cabecalhos.
#ifndef CZORVO_CSOM_H
#define CZORVO_CSOM_H

#include <SDL_mixer.h>

#include <string>

#include "engine/core/CPaiMestre.h"

// Owns the music and the chunks; a chunk is freed only after its channel was halted, so the
// audio thread never plays freed memory. A slot number of MAX_SONS or more is refused.
class CSom : public CPaiMestre {
public:
    static constexpr unsigned char MAX_SONS = 8;

    // Opens the device (22050 Hz, signed 16-bit, stereo, 4096 frames, 8 channels) or ends
    // the process with status 255.
    CSom();
    ~CSom();

    // A file that cannot be loaded leaves the service without music. Only regular files in
    // OGG, or in WAV that passes confereWav (engine/media/cabecalhos.h), are loaded.
    void carregaMusica(const std::string& arquivo);
    void tocaMusica(int repeticoes);
    void volumeMus(unsigned char volume);
    // Fades the music out over segundos seconds (at most about 12 days); 0 or less
    // stops it at once.
    void fadeOutMus(int segundos);
    void liberaMusica();

    // Without forcar, a slot whose channel is playing keeps its sound. A file that cannot be
    // loaded, is not a regular file or fails confereWav ends the process with status 255.
    void carregaSom(const std::string& arquivo, unsigned char slot, bool forcar);
    // Without forcar, a sound asked for while its channel plays is dropped, not queued.
    void tocaSom(unsigned char slot, int repeticoes, bool forcar);
    void paraSom(unsigned char slot);
    void liberaSom(unsigned char slot);
    // angulo in degrees (0 ahead, clockwise), reduced by reduzAngulo; distancia 0 near to
    // 255 far.
    void posicionaSom(unsigned char slot, short angulo, unsigned char distancia);

    // The loaders behind carregaMusica and carregaSom, touching no slot and printing nothing:
    // null, with the reason in SDL_GetError(), for a file that is missing, not regular, or
    // refused by its header check. The caller owns what they return.
    static Mix_Music* leMusica(const std::string& arquivo);
    static Mix_Chunk* leSom(const std::string& arquivo);

    // angulo reduced into -359..359 keeping its sign: 400 -> 40, -400 -> -40, 720 -> 0.
    static short reduzAngulo(short angulo);

    Mix_Music* retornaMusica() const { return musica; }
    Mix_Chunk* retornaSom(unsigned char slot) const;

private:
    Mix_Music* musica;
    Mix_Chunk* sons[MAX_SONS];
};

#endif
