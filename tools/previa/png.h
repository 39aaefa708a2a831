// Writing PNG files (8 bits a channel, zlib from Debian): an SDL surface as RGB for the preview
// tool, and raw RGBA for the asset generator's icons; SDL 1.2 itself only writes BMP.
#ifndef CORVELA_PREVIA_PNG_H
#define CORVELA_PREVIA_PNG_H

#include <SDL.h>

#include <string>
#include <vector>

// Writes `superficie` scaled up by `escala` (nearest neighbour). False when the file cannot be
// written.
bool salvaPng(SDL_Surface* superficie, const std::string& caminho, int escala);
// Writes largura x altura pixels given as rows of R, G, B, A bytes. False when the sizes do not
// agree or the file cannot be written.
bool salvaPngRgba(int largura, int altura, const std::vector<unsigned char>& rgba,
                  const std::string& caminho);

#endif
