// Resolvedor: an optimal sliding-puzzle solver for the tests (IDA* with the Manhattan
// distance) and the parity test that tells whether an arrangement can be solved at all.
// Depends on the standard library only.
#ifndef CORVELA_TESTES_RESOLVEDOR_H
#define CORVELA_TESTES_RESOLVEDOR_H

#include <vector>

namespace resolvedor {

// An arrangement lists the n*n tile numbers in reading order, 0 for the hole; its size
// gives n (1, 4, 9 or 16). The goal is 1, 2, ..., n*n-1, 0, the board's solved order.
using Arranjo = std::vector<int>;

// Where the hole goes in one move: the tile on that side of it slides into it.
enum Direcao { CIMA, BAIXO, ESQUERDA, DIREITA };

// One move: the cell of the tile that slides into the hole, and the hole's direction.
struct Passo {
    int linha;
    int coluna;
    int posicao;  // the board's position number of that cell: r*n + c + 1, 0 bottom right
    Direcao buraco;
};

// The solved arrangement of an n x n board.
Arranjo resolvido(int n);
// False for a list that is not a permutation of 0 .. n*n-1 with n in 1..4.
bool valido(const Arranjo& a);
// Whether the goal can be reached from a (a valid arrangement) by moves of the hole.
bool resolvivel(const Arranjo& a);
// Fills passos with a shortest solution and returns true, when one of at most limite moves
// exists; false (passos empty) for an invalid or unsolvable arrangement or a longer one.
bool resolve(const Arranjo& a, unsigned limite, std::vector<Passo>& passos);
// a after the hole took one step; a unchanged when that step leaves the board.
Arranjo aplica(Arranjo a, Direcao d);

}  // namespace resolvedor

#endif
