// Resolvedor: a shortest-solution search for the sliding puzzle (iterative deepening with the
// Manhattan distance) and the parity test that tells whether a board can be solved at all.
// Depends on the board's class for reading one.
#ifndef CORVELA_TESTES_RESOLVEDOR_H
#define CORVELA_TESTES_RESOLVEDOR_H

#include <vector>

#include "game/Tabuleiro.h"

namespace resolvedor {

// The n*n tile numbers in reading order, 0 for the hole (n from 1 to 4).
using Arranjo = std::vector<int>;

// One move: the board's position number of the tile that slides into the hole
// (r*n + c + 1, the bottom-right cell 0).
struct Passo { int posicao; };

// The board's tiles in reading order.
Arranjo arranjo(const Tabuleiro& t);
// 1, 2, ..., n*n-1, 0: the solved board.
Arranjo resolvido(int n);
bool resolvivel(const Arranjo& a);
// A shortest solution into passos, when one of at most limite moves exists.
bool resolve(const Arranjo& a, unsigned limite, std::vector<Passo>& passos);

}  // namespace resolvedor

#endif
