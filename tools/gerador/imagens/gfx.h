// Asset generator: the interface pictures in gfx/ (title, side panel, studio logo, cursor,
// hole, message box). Depends on base.h; the title also uses SDL_ttf.
#ifndef CORVELA_GERADOR_IMAGENS_GFX_H
#define CORVELA_GERADOR_IMAGENS_GFX_H

#include "tools/gerador/imagens/base.h"

// Transparent colours the game keys out: magenta for the cursor and the message box, grey
// around the studio logo.
const Cor CHAVE_MAGENTA = rgb(255, 0, 255);
const Cor CHAVE_CINZA = rgb(102, 102, 102);

// False (with a message on standard error) when the title font cannot be used.
bool desenhaTitulo(Imagem& img);
// The title's valley before it is cut into tiles, at any point of the 320x240 picture (the
// desktop icons are cut from it too).
Cor vale(double x, double y);
Imagem desenhaPainel();
Imagem desenhaLogo();
Imagem desenhaSelecao();
Imagem desenhaBuraco();
Imagem desenhaMensagem();

#endif
