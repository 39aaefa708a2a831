// ampliacao: the whole-number scale of the game's window on a desktop and the copy that
// blows a frame up by it, every pixel a square of the same value (no smoothing). Depends on
// SDL.
#ifndef CZORVO_AMPLIACAO_H
#define CZORVO_AMPLIACAO_H

#include <SDL.h>

// The most a window is scaled by, whether asked for or chosen.
const Uint8 ESCALA_MAXIMA = 8;

// The largest scale, 1 to ESCALA_MAXIMA, at which a largura x altura mode fits in 90 % of a
// larguraTela x alturaTela desktop. 1 for full screen, for a desktop of unknown size (0x0)
// and for one too small for even scale 2.
Uint8 escalaPadrao(unsigned larguraTela, unsigned alturaTela, unsigned largura,
                   unsigned altura, bool telaCheia);

// Copies origem into destino with every pixel repeated escala times across and down.
// destino must have origem's pixel format and be at least escala times its size; false,
// copying nothing, when either cannot be locked. Rows are built once and copied for the
// repeats; 16- and 32-bit pixels take a fast path, any other depth a slower one.
bool amplia(SDL_Surface* origem, SDL_Surface* destino, unsigned escala);

#endif
