// Test support: a WAV writer.
#include "Apoio.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace apoio {

namespace {

void escreve16(std::FILE* f, unsigned v)
{
    std::fputc(v & 0xFF, f);
    std::fputc((v >> 8) & 0xFF, f);
}

void escreve32(std::FILE* f, unsigned v)
{
    escreve16(f, v & 0xFFFF);
    escreve16(f, v >> 16);
}

}  // namespace

bool escreveWavTom(const std::string& caminho, unsigned milissegundos, unsigned frequencia)
{
    const unsigned amostras = frequencia * milissegundos / 1000;
    std::FILE* f = std::fopen(caminho.c_str(), "wb");
    if (f == nullptr)
        return false;
    std::fputs("RIFF", f);
    escreve32(f, 36 + amostras * 2);
    std::fputs("WAVEfmt ", f);
    escreve32(f, 16);
    escreve16(f, 1);  // PCM
    escreve16(f, 1);  // mono
    escreve32(f, frequencia);
    escreve32(f, frequencia * 2);
    escreve16(f, 2);
    escreve16(f, 16);
    std::fputs("data", f);
    escreve32(f, amostras * 2);
    for (unsigned i = 0; i < amostras; ++i) {
        const double v = std::sin(2.0 * M_PI * 440.0 * i / frequencia) * 8000.0;
        escreve16(f, static_cast<unsigned>(static_cast<int>(v)) & 0xFFFF);
    }
    return std::fclose(f) == 0;
}

}  // namespace apoio
