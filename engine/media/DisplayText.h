// DisplayText: draw one string in a single call, with a font file of its own. Depends on
// SDL, SDL_ttf (which a live CTexto must already have started) and CTexto for colours.
#ifndef CZORVO_DISPLAYTEXT_H
#define CZORVO_DISPLAYTEXT_H

#include <SDL.h>

#include <string>

// Both open "arialbd.ttf" in the working directory at tamanho points for this call alone,
// and end the process with status -1 when it cannot be opened.

// Solid text in (r, g, b) at (x, y) on alvo.
void DisplayText(SDL_Surface* alvo, const std::string& texto, int x, int y, int tamanho,
                 int r, int g, int b);
// The same on a box of the background colour (fundoR, fundoG, fundoB).
void DisplayText(SDL_Surface* alvo, const std::string& texto, int x, int y, int tamanho,
                 int r, int g, int b, int fundoR, int fundoG, int fundoB);

#endif
