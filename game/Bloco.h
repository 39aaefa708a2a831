// Bloco: one cell of the puzzle board: the tile it holds and its links to the four
// neighbouring cells. Depends on SDL's integer types only.
#ifndef CORVELA_BLOCO_H
#define CORVELA_BLOCO_H

#include <SDL.h>

// Cells never move: a move or a swap exchanges the numbers of two cells, while the position
// and the links stay as the board's set-up made them. The links point into the board's own
// cell array and own nothing; a missing neighbour (the board's edge) is null.
struct Bloco {
    Bloco() : numero(0), posicao(0), cima(nullptr), baixo(nullptr), direita(nullptr),
              esquerda(nullptr) {}

    Uint8 numero;   // the tile now in this cell; 0 is the hole
    Uint8 posicao;  // the cell's fixed position: r * n + c + 1, 0 for the bottom-right cell
    Bloco* cima;
    Bloco* baixo;
    Bloco* direita;
    Bloco* esquerda;
};

#endif
