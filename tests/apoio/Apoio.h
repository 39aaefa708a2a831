// Test support shared by the engine's and the game's tests: the scripted clock and key events
// (tools/roteiro's).
#ifndef CORVELA_TESTES_APOIO_H
#define CORVELA_TESTES_APOIO_H

#include <SDL.h>

#include "tools/roteiro/roteiro.h"

#endif
