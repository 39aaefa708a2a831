// Asset generator: the puzzle pictures in bg/, each 240x240 and drawn from code. Scenes live
// in cenas.cpp and cenas2.cpp, patterns in padroes.cpp and vitral.cpp. Depends on base.h.
#ifndef CORVELA_GERADOR_IMAGENS_FUNDOS_H
#define CORVELA_GERADOR_IMAGENS_FUNDOS_H

#include "tools/gerador/imagens/base.h"

constexpr int FUNDO_LADO = 240;

Imagem desenhaVale();     // mountain valley at sunrise, lake and pines
Imagem desenhaVila();     // hill town at dusk, lit windows, moon
Imagem desenhaPorto();    // harbour: lighthouse, boats, gulls
Imagem desenhaFlores();   // meadow of flowers under a summer sky
Imagem desenhaColcha();   // patchwork quilt around a large star
Imagem desenhaAquarela(); // colour field: overlapping watercolour washes
Imagem desenhaFractal();  // a coloured fractal coastline
Imagem desenhaVitral();   // stained-glass rose window

#endif
