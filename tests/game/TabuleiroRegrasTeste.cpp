// Tests of the board's rules: set-up, searches, cursor, every move from every hole position,
// swaps, the stuck and solved tests, refused sizes, and the shuffle against a model replaying
// the same random draws and against the solver.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <ctime>

#include "game/Tabuleiro.h"
#include "tests/apoio/Resolvedor.h"

using namespace resolvedor;

namespace {

Arranjo arranjo(const Tabuleiro& t)
{
    const unsigned n = t.retornaTamanho();
    Arranjo a;
    for (unsigned i = 0; i < n * n; ++i)
        a.push_back(t.retornaBloco(i / n, i % n).numero);
    return a;
}

// Lays out a (a permutation of the board's tiles) by swaps.
void arruma(Tabuleiro& t, const Arranjo& a)
{
    for (unsigned i = 0; i < a.size(); ++i)
        t.troca(Uint8(a[i]), t.retornaBloco(i / t.retornaTamanho(), i % t.retornaTamanho()).numero);
}

// The shuffle played on a with the draws of srand(semente): an off-board draw is used up, an
// undo is refused and replaced, and a solved ending runs again, counted in repeticoes.
Arranjo modelo(Arranjo a, unsigned passos, unsigned semente, unsigned& repeticoes)
{
    srand(semente);
    unsigned restantes = passos;
    int ultima = DIREITA;
    for (repeticoes = 0;; ++repeticoes) {
        for (unsigned i = 1; i < restantes; ++i) {
            const int d = rand() % 4;
            const Arranjo b = aplica(a, Direcao(d));
            if (b == a)
                continue;
            if (ultima == (d ^ 1))
                ++restantes;
            else
                a = b;
            ultima = d;
        }
        if (a != resolvido(int(std::lround(std::sqrt(a.size())))))
            return a;
    }
}

}  // namespace

// The links and searches are exercised by every move from every hole position below.
TEST(Tabuleiro, MontagemEContagemDeResolvidos)
{
    Tabuleiro t;
    for (unsigned n = 1; n <= 4; ++n) {
        t.inicializa(320, 240, Uint8(n));
        ASSERT_EQ(t.retornaTamanho(), n);
        EXPECT_EQ(arranjo(t), resolvido(n));
        for (unsigned i = 0; i < n * n; ++i)
            EXPECT_EQ(t.retornaBloco(i / n, i % n).posicao, (i + 1) % (n * n));
        for (unsigned k : {n * n, n * n + 1, 256u})
            EXPECT_TRUE(t.buscaNumero(k) == nullptr && t.buscaPosicao(k) == nullptr) << k;
    }
    EXPECT_EQ(t.retornaEsquerda(), 80);
    // Every solved answer counts; a new set-up keeps the count, the help and the cursor.
    EXPECT_TRUE(t.venceu() && t.venceu());
    t.trocaAjuda();
    t.seleciona(6);
    t.inicializa(640, 480, 4);
    EXPECT_EQ(t.retornaEsquerda(), 160);
    EXPECT_EQ(t.retornaResolvidos(), 2u);
    EXPECT_TRUE(t.retornaAjuda());
    EXPECT_EQ(t.retornaSelecionado(), 6);

    // A size the cells cannot hold leaves an empty board on which no rule finds anything.
    for (unsigned char n : {0, 5, 255}) {
        t.inicializa(320, 240, n);
        EXPECT_EQ(t.retornaTamanho(), 0);
        for (unsigned k = 0; k < 20; ++k) {
            EXPECT_FALSE(t.buscaNumero(k) || t.buscaPosicao(k) || t.move(k));
            t.seleciona(k);
            EXPECT_EQ(t.retornaSelecionado(), 0);
        }
        t.troca(0, 1);
        t.embaralha(12);
        EXPECT_FALSE(t.venceu() || t.travou());
        EXPECT_EQ(t.retornaResolvidos(), 2u);
    }
}

TEST(Tabuleiro, CursorMovesTrocasETravado)
{
    Tabuleiro t;
    t.inicializa(320, 240, 4);
    for (unsigned antes = 0; antes < 16; ++antes)
        for (unsigned p = 0; p < 300; ++p) {
            t.seleciona(antes);
            t.seleciona(p);
            EXPECT_EQ(t.retornaSelecionado(), p == 16 ? 0 : p > 16 ? antes : p) << antes << ' ' << p;
        }
    // Every hole position, every position asked: a move happens exactly when the cell shares
    // an edge with the hole, and it is the hole's step onto that cell.
    for (int n = 2; n <= 4; ++n)
        for (int h = 0; h < n * n; ++h) {
            t.inicializa(320, 240, Uint8(n));
            Arranjo inicio = resolvido(n);
            std::swap(inicio[h], inicio[n * n - 1]);
            for (int p = 0; p <= n * n + 1; ++p) {
                arruma(t, inicio);
                const int i = p == 0 ? n * n - 1 : p - 1;
                const int distancia = std::abs(i / n - h / n) + std::abs(i % n - h % n);
                const bool vizinho = p < n * n && distancia == 1;
                Arranjo depois = inicio;
                if (vizinho)
                    std::swap(depois[i], depois[h]);
                EXPECT_EQ(t.move(p), vizinho) << "n " << n << " hole " << h << " p " << p;
                EXPECT_EQ(arranjo(t), depois) << "n " << n << " hole " << h << " p " << p;
            }
        }
    // Swaps need no adjacency; 16 (no tile has it) and above change nothing.
    t.inicializa(320, 240, 4);
    t.troca(15, 14);
    EXPECT_TRUE(t.travou() && !t.venceu());
    const Arranjo travado = arranjo(t);
    for (unsigned char k : {16, 17, 200})
        t.troca(1, k), t.troca(k, 0);
    t.troca(1, 0);
    EXPECT_EQ(t.retornaBloco(3, 3).numero, 1);
    t.troca(0, 1);
    EXPECT_EQ(arranjo(t), travado);
    EXPECT_EQ(t.retornaResolvidos(), 0u);
}

// The clock's second, read on both sides, is the seed: the board must end where the model
// does, from every hole position of the 4x4 board and every reachable 2x2 board (where
// shuffles often end solved and run again).
TEST(Tabuleiro, EmbaralhaSegueOsSorteiosComRecusasBordasERepeticao)
{
    std::vector<Arranjo> inicios;
    for (int h = 0; h < 16; ++h) {
        inicios.push_back(resolvido(4));
        std::swap(inicios.back()[h], inicios.back()[15]);
    }
    Arranjo a2 = resolvido(2);
    std::sort(a2.begin(), a2.end());
    do {
        if (resolvivel(a2))
            inicios.push_back(a2);
    } while (std::next_permutation(a2.begin(), a2.end()));

    Tabuleiro t;
    unsigned conferidos = 0;
    for (const Arranjo& inicio : inicios) {
        for (unsigned passos : {2u, 3u, 12u, 99u}) {
            t.inicializa(320, 240, inicio.size() == 4 ? 2 : 4);
            arruma(t, inicio);
            const Uint32 antes = t.retornaResolvidos();
            const time_t semente = time(nullptr);
            t.embaralha(passos);
            if (time(nullptr) != semente)
                continue;
            unsigned repeticoes = 0;
            EXPECT_EQ(arranjo(t), modelo(inicio, passos, unsigned(semente), repeticoes)) << passos;
            EXPECT_EQ(t.retornaResolvidos() - antes, repeticoes);
            ++conferidos;
        }
    }
    EXPECT_GT(conferidos, inicios.size() * 2) << "the clock's second kept changing";
}

// Easy moves the hole at most 11 times unless a solved ending ran it again; Normal stays
// solvable, Impossible not. Below two steps, or on a 1x1 board, there is no attempt to make:
// the board stays as it was and is not counted as solved.
TEST(Tabuleiro, EmbaralhaPorDificuldadeESemTentativas)
{
    Tabuleiro t;
    t.inicializa(320, 240, 4);
    t.embaralha(12);
    std::vector<Passo> passos;
    EXPECT_TRUE(resolve(arranjo(t), t.retornaResolvidos() == 0 ? 11 : 60, passos) &&
                !passos.empty());
    t.embaralha(99);
    EXPECT_TRUE(valido(arranjo(t)) && resolvivel(arranjo(t)));
    t.inicializa(320, 240, 4);
    t.troca(15, 14);
    t.embaralha(100);
    EXPECT_TRUE(valido(arranjo(t)) && !resolvivel(arranjo(t)));

    for (unsigned n : {4u, 1u}) {
        t.inicializa(320, 240, Uint8(n));
        const Uint32 antes = t.retornaResolvidos();
        for (unsigned p : {0u, 1u, n == 1 ? 99u : 1u})
            t.embaralha(p);
        EXPECT_EQ(arranjo(t), resolvido(n));
        EXPECT_EQ(t.retornaResolvidos(), antes);
    }
}
