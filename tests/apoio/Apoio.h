// Test support shared by the engine's and the game's tests: the scripted clock and key events
// (tools/roteiro's) and small WAV files written on the spot.
#ifndef CORVELA_TESTES_APOIO_H
#define CORVELA_TESTES_APOIO_H

#include <SDL.h>

#include <string>

#include "tools/roteiro/roteiro.h"

namespace apoio {

// A mono 16-bit WAV of a sine tone, long enough to still be playing while a test looks.
bool escreveWavTom(const std::string& caminho, unsigned milissegundos, unsigned frequencia = 22050);

}  // namespace apoio

#endif
