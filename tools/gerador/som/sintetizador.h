// Asset generator: the small synthesizer behind the music and the sound effects. Instruments
// (pulse with duty, triangle, sine, two-operator FM, noise), ADSR envelopes, vibrato, pitch
// drops for drums, and the stereo mix bus the voices are added into. Depends only on the C++
// standard library.
#ifndef CORVELA_GERADOR_SOM_SINTETIZADOR_H
#define CORVELA_GERADOR_SOM_SINTETIZADOR_H

#include <cstddef>
#include <cstdint>
#include <vector>

// Every sound the game ships runs at the mixer's rate, so SDL_mixer never resamples them.
constexpr int TAXA_AMOSTRAGEM = 22050;

// Small, seeded xorshift generator: the noise must be the same on every run and every libc.
class GeradorRuido {
public:
    explicit GeradorRuido(uint32_t semente) : estado(semente != 0 ? semente : 0x9E3779B9u) {}
    uint32_t proximo();
    // Uniform in [-1, 1).
    float amostra();

private:
    uint32_t estado;
};

enum class Onda { Pulso, Triangulo, Seno, FM, Ruido };

// Times in seconds; sustentacao is a level in 0..1. Decay and release are exponential-like
// so plucked sounds ring naturally; the release reaches exactly zero after liberacao.
struct Envelope {
    float ataque = 0.005f;
    float decaimento = 0.1f;
    float sustentacao = 0.7f;
    float liberacao = 0.08f;
};

struct Instrumento {
    Onda onda = Onda::Pulso;
    float ciclo = 0.5f;            // pulse duty, 0..1
    Envelope envelope;
    float volume = 0.5f;
    float pan = 0.0f;              // -1 left .. +1 right
    float vibratoHz = 0.0f;
    float vibratoCents = 0.0f;
    float vibratoAtraso = 0.0f;    // seconds before vibrato fades in
    float fmRazao = 1.0f;          // modulator / carrier frequency
    float fmIndice = 0.0f;
    float fmQueda = 0.0f;          // per second; makes FM plucks and bells mellow as they ring
    float quedaTom = 0.0f;         // starting pitch is (1 + quedaTom) times the note (kicks)
    float quedaTempo = 0.03f;      // time constant of that drop
    float corte = 0.0f;            // one-pole low-pass in Hz, 0 = off
    float passaAlta = 0.0f;        // one-pole high-pass in Hz, 0 = off
    float desafinoCents = 0.0f;    // adds a second, detuned oscillator (pads, chorus)
    float envio = 0.0f;            // send level into the echo/reverb bus
    float duracaoFixa = 0.0f;      // drums: gate length regardless of the written note
    float frequenciaBase = 0.0f;   // drums: pitch used for notes that carry none
};

// Stereo bus with a dry pair and an effect-send pair. A circular bus wraps every sample past
// its end back to the start, so note tails ringing over a loop point land where the loop
// plays them; a linear bus drops them.
class Mistura {
public:
    Mistura(size_t quadros, bool circular);

    size_t quadros() const { return esquerda.size(); }
    bool circular() const { return ehCircular; }
    // Adds one frame at position i (already panned); the send gets envio times the sample.
    void soma(size_t i, float esq, float dir, float envio);

    std::vector<float> esquerda, direita;
    std::vector<float> envioEsq, envioDir;

private:
    bool ehCircular;
};

// Plays one note (or a drum hit, or one tone of a chord) into the bus. inicio and duracao
// are in seconds (duracao is the gate; the release rings after it), velocidade 0..1, semente
// seeds the noise of that voice.
void tocaNota(Mistura& mistura, const Instrumento& instrumento, double inicio, double duracao,
              float frequencia, float velocidade, uint32_t semente);

// Envelope level at t seconds after the note starts, with the gate closing at duracao.
float nivelEnvelope(const Envelope& envelope, double t, double duracao);

// Equal-tempered frequency of a MIDI note number (69 = A4 = 440 Hz).
float frequenciaMidi(float nota);

#endif
