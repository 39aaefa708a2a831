// Writing an SDL surface as a PNG file (8-bit RGB, zlib from Debian). Used by the preview
// tool; SDL 1.2 itself only writes BMP.
#ifndef CORVELA_PREVIA_PNG_H
#define CORVELA_PREVIA_PNG_H

#include <SDL.h>

#include <string>

// Writes `superficie` scaled up by `escala` (nearest neighbour). False when the file cannot be
// written.
bool salvaPng(SDL_Surface* superficie, const std::string& caminho, int escala);

#endif
