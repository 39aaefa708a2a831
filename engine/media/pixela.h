// pixela: read and write one pixel of any SDL surface. Depends on SDL.
#ifndef CZORVO_PIXELA_H
#define CZORVO_PIXELA_H

#include <SDL.h>

// Both lock the surface around the access when SDL requires it. Outside the surface (or on
// a null one) reading gives 0 and writing does nothing.

// The raw pixel value: 16- and 32-bit pixels as native words, 24-bit ones least significant
// byte first; a format of more than 4 bytes per pixel reads as 0.
Uint32 pixela(SDL_Surface* s, unsigned x, unsigned y);
// Writes pixel in the same layout that the reader uses.
void pixela(SDL_Surface* s, unsigned x, unsigned y, unsigned pixel);

#endif
