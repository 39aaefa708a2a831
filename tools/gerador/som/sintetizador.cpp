// Asset generator: oscillators, envelopes and voice rendering of the synthesizer.
// Depends on sintetizador.h and the C++ standard library.
#include "tools/gerador/som/sintetizador.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double DOIS_PI = 6.283185307179586;
// exp(-4.6) is 1 %: a decay of d seconds has fallen that far towards the sustain level.
constexpr double QUEDA_UM_POR_CENTO = 4.6;
// The release multiplies a linear ramp by this exponential, so it sounds natural yet ends.
constexpr double CURVA_LIBERACAO = 3.0;
// Vibrato fades in over this long after its delay, instead of switching on.
constexpr double ENTRADA_VIBRATO = 0.25;
constexpr float CENTS_POR_OITAVA = 1200.0f;
constexpr float MIDI_LA4 = 69.0f;
constexpr float HZ_LA4 = 440.0f;
constexpr float NOTAS_POR_OITAVA = 12.0f;

// Polynomial band-limited step: rounds the pulse's edges so the high notes don't alias into
// a hiss at 22050 Hz.
double polyBlep(double fase, double passo)
{
    if (fase < passo) {
        const double x = fase / passo;
        return x + x - x * x - 1.0;
    }
    if (fase > 1.0 - passo) {
        const double x = (fase - 1.0) / passo;
        return x * x + x + x + 1.0;
    }
    return 0.0;
}

double pulso(double fase, double passo, double ciclo)
{
    double v = fase < ciclo ? 1.0 : -1.0;
    v += polyBlep(fase, passo);
    double segunda = fase + 1.0 - ciclo;
    segunda -= std::floor(segunda);
    v -= polyBlep(segunda, passo);
    // A narrow pulse sits off-centre; remove that offset so every duty mixes around zero.
    return v - (2.0 * ciclo - 1.0);
}

double avanca(double fase, double passo)
{
    fase += passo;
    return fase - std::floor(fase);
}

// One oscillator's state, so a pad can run two of them slightly apart.
struct Oscilador {
    double fase = 0.0;
    double faseModulador = 0.0;
    float retido = 0.0f;  // sample-and-hold value of pitched noise

    double proxima(const Instrumento& ins, double passo, double indiceFm, GeradorRuido& ruido)
    {
        double v = 0.0;
        switch (ins.onda) {
        case Onda::Pulso:
            v = pulso(fase, passo, ins.ciclo);
            break;
        case Onda::Triangulo:
            v = 4.0 * std::fabs(fase - 0.5) - 1.0;
            break;
        case Onda::Seno:
            v = std::sin(DOIS_PI * fase);
            break;
        case Onda::FM:
            v = std::sin(DOIS_PI * fase + indiceFm * std::sin(DOIS_PI * faseModulador));
            faseModulador = avanca(faseModulador, passo * ins.fmRazao);
            break;
        case Onda::Ruido:
            // Noise with a pitch holds each value for one period: lower pitches sound grittier.
            if (passo <= 0.0 || fase + passo >= 1.0 || fase == 0.0)
                retido = ruido.amostra();
            v = retido;
            break;
        }
        fase = avanca(fase, passo);
        return v;
    }
};

}  // namespace

uint32_t GeradorRuido::proximo()
{
    estado ^= estado << 13;
    estado ^= estado >> 17;
    estado ^= estado << 5;
    return estado;
}

float GeradorRuido::amostra()
{
    constexpr float ESCALA = 1.0f / 2147483648.0f;
    return static_cast<float>(static_cast<int64_t>(proximo()) - 2147483648LL) * ESCALA;
}

Mistura::Mistura(size_t quadros, bool circular)
    : esquerda(quadros, 0.0f),
      direita(quadros, 0.0f),
      envioEsq(quadros, 0.0f),
      envioDir(quadros, 0.0f),
      ehCircular(circular)
{
}

void Mistura::soma(size_t i, float esq, float dir, float envio)
{
    const size_t n = esquerda.size();
    if (n == 0)
        return;
    if (i >= n) {
        if (!ehCircular)
            return;
        i %= n;
    }
    esquerda[i] += esq;
    direita[i] += dir;
    envioEsq[i] += esq * envio;
    envioDir[i] += dir * envio;
}

float frequenciaMidi(float nota)
{
    return HZ_LA4 * std::pow(2.0f, (nota - MIDI_LA4) / NOTAS_POR_OITAVA);
}

float nivelEnvelope(const Envelope& env, double t, double duracao)
{
    auto aberto = [&env](double tempo) {
        if (tempo < env.ataque)
            return tempo / env.ataque;
        if (env.decaimento <= 0.0f)
            return static_cast<double>(env.sustentacao);
        const double queda = std::exp(-QUEDA_UM_POR_CENTO * (tempo - env.ataque) / env.decaimento);
        return env.sustentacao + (1.0 - env.sustentacao) * queda;
    };
    if (t < 0.0)
        return 0.0f;
    if (t < duracao)
        return static_cast<float>(aberto(t));
    const double solto = t - duracao;
    if (solto >= env.liberacao)
        return 0.0f;
    const double x = solto / env.liberacao;
    return static_cast<float>(aberto(duracao) * (1.0 - x) * std::exp(-CURVA_LIBERACAO * x));
}

void tocaNota(Mistura& mistura, const Instrumento& ins, double inicio, double duracao,
              float frequencia, float velocidade, uint32_t semente)
{
    if (ins.duracaoFixa > 0.0f)
        duracao = ins.duracaoFixa;
    if (frequencia <= 0.0f)
        frequencia = ins.frequenciaBase;
    if (duracao <= 0.0 || inicio < 0.0)
        return;

    const double taxa = TAXA_AMOSTRAGEM;
    const size_t primeiro = static_cast<size_t>(std::llround(inicio * taxa));
    const double toca = duracao + ins.envelope.liberacao;
    const size_t quadros = static_cast<size_t>(std::ceil(toca * taxa));
    // Constant-power pan: the centre sits 3 dB down on each side.
    const double angulo = (std::clamp(ins.pan, -1.0f, 1.0f) + 1.0) * DOIS_PI / 8.0;
    const float ganho = ins.volume * velocidade;
    const float ganhoEsq = static_cast<float>(std::cos(angulo)) * ganho;
    const float ganhoDir = static_cast<float>(std::sin(angulo)) * ganho;
    const double razaoDesafino = std::pow(2.0, ins.desafinoCents / CENTS_POR_OITAVA);
    const double alfaCorte = ins.corte > 0.0f ? 1.0 - std::exp(-DOIS_PI * ins.corte / taxa) : 1.0;
    const double alfaAlta =
        ins.passaAlta > 0.0f ? 1.0 - std::exp(-DOIS_PI * ins.passaAlta / taxa) : 0.0;

    GeradorRuido ruido(semente);
    Oscilador principal, segundo;
    // The detuned twin starts half a cycle away so the pair doesn't begin with a doubled peak.
    segundo.fase = 0.5;
    double baixa = 0.0, graves = 0.0;
    for (size_t k = 0; k < quadros; ++k) {
        const double t = k / taxa;
        double f = frequencia;
        if (ins.quedaTom > 0.0f)
            f *= 1.0 + ins.quedaTom * std::exp(-t / ins.quedaTempo);
        if (ins.vibratoCents > 0.0f && t > ins.vibratoAtraso) {
            const double entrada = std::min(1.0, (t - ins.vibratoAtraso) / ENTRADA_VIBRATO);
            const double cents = ins.vibratoCents * entrada * std::sin(DOIS_PI * ins.vibratoHz * t);
            f *= std::exp2(cents / CENTS_POR_OITAVA);
        }
        const double passo = f / taxa;
        const double indiceFm = ins.fmIndice * std::exp(-ins.fmQueda * t);
        double v = principal.proxima(ins, passo, indiceFm, ruido);
        if (ins.desafinoCents != 0.0f)
            v = 0.5 * (v + segundo.proxima(ins, passo * razaoDesafino, indiceFm, ruido));
        baixa += alfaCorte * (v - baixa);
        v = baixa;
        if (alfaAlta > 0.0) {
            graves += alfaAlta * (v - graves);
            v -= graves;
        }
        const float s = static_cast<float>(v) * nivelEnvelope(ins.envelope, t, duracao);
        mistura.soma(primeiro + k, s * ganhoEsq, s * ganhoDir, ins.envio);
    }
}
