// Asset generator: what the synthesizer does to a whole mix after the voices are in: echo
// and a small reverb fed from the send bus, loudness normalisation, the soft limiter and the
// final interleaving. Depends on sintetizador.h.
#ifndef CORVELA_GERADOR_SOM_EFEITOS_H
#define CORVELA_GERADOR_SOM_EFEITOS_H

#include <vector>

#include "tools/gerador/som/sintetizador.h"

struct Efeitos {
    float ecoSegundos = 0.0f;        // 0 = no echo
    float ecoRealimentacao = 0.3f;   // each repeat alternates sides at this gain
    float ecoNivel = 0.0f;
    float reverbNivel = 0.0f;        // 0 = no reverb
    float reverbSala = 0.8f;         // comb feedback, 0..0.95: larger rings longer
    float reverbAbafamento = 0.3f;   // 0..1: how fast the highs die in the tail
};

// Feeds the send bus through the echo and the reverb and adds them to the dry pair. On a
// circular bus the effects run over the loop twice and keep the second pass, which is what
// a loop played forever sounds like: the tails of the end are heard over the start.
void aplicaEfeitos(Mistura& mistura, const Efeitos& efeitos);

// Scales the mix so its RMS (both channels) is alvoDb dBFS. Silence stays silent.
void normalizaRms(Mistura& mistura, float alvoDb);
// Scales the mix so its largest sample is alvoDb dBFS.
void normalizaPico(Mistura& mistura, float alvoDb);
// Fades the last segundos of a linear bus down to zero, so a one-shot sound ends silent.
void desvaneceFinal(Mistura& mistura, float segundos);

// Memoryless soft knee: identity below joelho, then bends smoothly towards teto and never
// passes it. Memoryless, so it cannot break a loop seam.
float limitaSuave(float x, float joelho, float teto);

// Interleaved output in 1 (the two sides averaged) or 2 channels, passed through limitaSuave.
std::vector<float> intercala(const Mistura& mistura, int canais, float joelho, float teto);

// A one-shot sound, finished: effects, a short fade at its end, peak at picoDb, interleaved
// in canais channels.
std::vector<float> finalizaUmaVez(Mistura& mistura, const Efeitos& efeitos, int canais,
                                  float picoDb);

float dbParaLinear(float db);

#endif
