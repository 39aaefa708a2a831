// The board's rules: set-up, searches, cursor, every move from every hole position, swaps,
// the solved and stuck tests, refused sizes, and what a shuffle promises.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

#include "game/Tabuleiro.h"
#include "tests/apoio/Resolvedor.h"

using namespace resolvedor;

namespace {

// Lays out a (a permutation of the board's tiles) by swaps.
void arruma(Tabuleiro& t, const Arranjo& a)
{
    for (unsigned i = 0; i < a.size(); ++i)
        t.troca(Uint8(a[i]), Uint8(arranjo(t)[i]));
}

}  // namespace

// Every size: the set-up, the searches past the last cell, and every move from every hole
// position: one happens exactly when the cell shares an edge with the hole, and it is the
// hole's step onto that cell.
TEST(Tabuleiro, MontagemBuscasEMovesDeCadaBuraco)
{
    Tabuleiro t;
    for (int n = 1; n <= 4; ++n)
        for (int h = 0; h < n * n; ++h) {
            t.inicializa(320, 240, Uint8(n));
            EXPECT_EQ(arranjo(t), resolvido(n));
            for (int i = 0; i < n * n; ++i)
                EXPECT_EQ(t.retornaBloco(i / n, i % n).posicao, (i + 1) % (n * n));
            Arranjo inicio = resolvido(n);
            std::swap(inicio[h], inicio[n * n - 1]);
            for (int p = 0; p <= n * n + 1; ++p) {
                arruma(t, inicio);
                const int i = p == 0 ? n * n - 1 : p - 1;
                const bool vizinho = p < n * n && std::abs(i / n - h / n) + std::abs(i % n - h % n) == 1;
                Arranjo depois = inicio;
                if (vizinho)
                    std::swap(depois[i], depois[h]);
                EXPECT_EQ(t.move(p), vizinho) << "n " << n << " hole " << h << " p " << p;
                EXPECT_EQ(arranjo(t), depois) << "n " << n << " hole " << h << " p " << p;
            }
        }
}

TEST(Tabuleiro, CursorTrocasVitoriasETamanhosRecusados)
{
    Tabuleiro t;
    t.inicializa(320, 240, 4);
    EXPECT_TRUE(t.venceu() && t.venceu());
    EXPECT_EQ(t.retornaResolvidos(), 2u) << "every solved answer counts";
    for (unsigned p : {7u, 17u, 272u, 16u}) {  // 16 stands for 0; more is not a cell
        t.seleciona(p);
        EXPECT_EQ(t.retornaSelecionado(), p == 16 ? 0 : 7) << p;
    }
    // Swaps need no adjacency; 16 (no tile has it) and above change nothing.
    t.troca(15, 14);
    for (unsigned char k : {16, 17, 200})
        t.troca(1, k), t.troca(k, 0);
    EXPECT_TRUE(t.travou() && !t.venceu());
    t.troca(1, 0);
    EXPECT_EQ(t.retornaBloco(3, 3).numero, 1);
    // A size the cells cannot hold leaves an empty board on which no rule finds anything.
    for (unsigned char n : {0, 5}) {
        t.inicializa(320, 240, n);
        t.troca(0, 1);
        t.embaralha(12);
        for (unsigned k = 0; k < 20; ++k) {
            t.seleciona(k);
            EXPECT_FALSE(t.buscaNumero(k) || t.buscaPosicao(k) || t.move(k) || t.retornaSelecionado());
        }
        EXPECT_FALSE(t.venceu() || t.travou() || t.retornaTamanho());
    }
}

// From the solved and stuck 4x4 boards and the solved 2x2 one, N steps keep the parity and
// never end solved: such an ending runs the attempts again, counted as a solve. Otherwise
// the N - 1 attempts made at most N - 1 moves: the solver takes a solved start back in as few.
TEST(Tabuleiro, EmbaralhaSoDaPassosDoBuracoENuncaTerminaResolvido)
{
    Arranjo travado = resolvido(4);
    std::swap(travado[13], travado[14]);
    Tabuleiro t;
    for (const Arranjo& inicio : {resolvido(4), travado, resolvido(2)})
        for (unsigned passos : {2u, 3u, 12u, 99u}) {
            const int n = inicio.size() == 4 ? 2 : 4;
            t.inicializa(320, 240, Uint8(n));
            arruma(t, inicio);
            const Uint32 antes = t.retornaResolvidos();
            t.embaralha(passos);
            const Arranjo fim = arranjo(t);
            std::vector<Passo> solucao;
            EXPECT_TRUE(fim != resolvido(n) && resolvivel(fim) == resolvivel(inicio)) << passos;
            EXPECT_TRUE(inicio != resolvido(n) || t.retornaResolvidos() > antes || passos > 20 ||
                        resolve(fim, passos - 1, solucao)) << passos;
        }
    // Below two steps, or on a 1x1 board, there is no attempt: nothing moves or counts.
    for (unsigned n : {4u, 1u}) {
        t.inicializa(320, 240, Uint8(n));
        const Uint32 antes = t.retornaResolvidos();
        for (unsigned p : {0u, 1u, n == 1 ? 99u : 1u})
            t.embaralha(p);
        EXPECT_TRUE(arranjo(t) == resolvido(n) && t.retornaResolvidos() == antes) << n;
    }
}
