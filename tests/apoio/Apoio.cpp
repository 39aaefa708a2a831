// Test support: a tone written as WAV through the generator's own writer.
#include "tests/apoio/Apoio.h"

#include <cmath>
#include <vector>

#include "tools/gerador/som/saida.h"

namespace apoio {

bool escreveWavTom(const std::string& caminho, unsigned milissegundos, unsigned frequencia)
{
    const double TOM_HZ = 440.0;
    const float AMPLITUDE = 0.25f;
    std::vector<float> amostras(frequencia * milissegundos / 1000);
    for (size_t i = 0; i < amostras.size(); ++i)
        amostras[i] = AMPLITUDE * static_cast<float>(std::sin(2.0 * M_PI * TOM_HZ * i / frequencia));
    std::string erro;
    return gravaWav(caminho, amostras, 1, static_cast<int>(frequencia), erro);
}

}  // namespace apoio
