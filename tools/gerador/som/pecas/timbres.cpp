// Asset generator: the drum kit shared by the music pieces.
// Depends on pecas.h.
#include "tools/gerador/som/pecas/pecas.h"

namespace {

constexpr float BUMBO_HZ = 48.0f;
constexpr float BUMBO_QUEDA = 3.2f;          // starts near 200 Hz: the click of the beater
constexpr float CORPO_CAIXA_HZ = 185.0f;
constexpr float CHIMBAL_PASSA_ALTA = 6500.0f;
constexpr float CHOCALHO_PASSA_ALTA = 3500.0f;
constexpr float CHOCALHO_CORTE = 8000.0f;

}  // namespace

Instrumento bumbo()
{
    Instrumento i;
    i.onda = Onda::Seno;
    i.frequenciaBase = BUMBO_HZ;
    i.quedaTom = BUMBO_QUEDA;
    i.quedaTempo = 0.025f;
    i.envelope = {0.002f, 0.32f, 0.0f, 0.05f};
    i.duracaoFixa = 0.3f;
    i.volume = 0.9f;
    return i;
}

Instrumento caixaRuido()
{
    Instrumento i;
    i.onda = Onda::Ruido;
    i.corte = 7000.0f;
    i.passaAlta = 500.0f;
    i.envelope = {0.001f, 0.16f, 0.0f, 0.04f};
    i.duracaoFixa = 0.14f;
    i.volume = 0.45f;
    return i;
}

Instrumento caixaCorpo()
{
    Instrumento i;
    i.onda = Onda::Triangulo;
    i.frequenciaBase = CORPO_CAIXA_HZ;
    i.quedaTom = 0.5f;
    i.quedaTempo = 0.02f;
    i.envelope = {0.001f, 0.08f, 0.0f, 0.03f};
    i.duracaoFixa = 0.07f;
    i.volume = 0.4f;
    return i;
}

Instrumento chimbal()
{
    Instrumento i;
    i.onda = Onda::Ruido;
    i.passaAlta = CHIMBAL_PASSA_ALTA;
    i.envelope = {0.001f, 0.045f, 0.0f, 0.02f};
    i.duracaoFixa = 0.04f;
    i.volume = 0.7f;
    return i;
}

Instrumento chocalho()
{
    Instrumento i;
    i.onda = Onda::Ruido;
    i.passaAlta = CHOCALHO_PASSA_ALTA;
    i.corte = CHOCALHO_CORTE;
    // A slower attack than the hat: the grains of a shaker, not a stick.
    i.envelope = {0.012f, 0.07f, 0.0f, 0.03f};
    i.duracaoFixa = 0.05f;
    i.volume = 0.4f;
    return i;
}
