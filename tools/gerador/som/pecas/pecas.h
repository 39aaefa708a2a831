// Asset generator: the game's three music pieces as scores, and the drum kit they share.
// Depends on som/partitura.h.
#ifndef CORVELA_GERADOR_SOM_PECAS_H
#define CORVELA_GERADOR_SOM_PECAS_H

#include "tools/gerador/som/partitura.h"

// Main menu: F major, bouncy.
Peca pecaMenu();
// While the puzzle is being solved: D minor (the notes of F major), calm.
Peca pecaJogo();
// Credits: B-flat major waltz, a farewell that reprises the menu's opening motif.
Peca pecaCreditos();

// Drum kit; each piece adjusts volume and pan. A drum track plays x / X / o tokens.
Instrumento bumbo();        // pitched-down sine kick
Instrumento caixaRuido();   // snare: the noise part
Instrumento caixaCorpo();   // snare: the short tone under the noise
Instrumento chimbal();      // closed hi-hat
Instrumento chocalho();     // soft shaker

#endif
