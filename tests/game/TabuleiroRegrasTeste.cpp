// The board's rules: set-up, searches, cursor, every move from every hole position, swaps,
// the stuck and solved tests, refused sizes, and what a shuffle promises.
#include <gtest/gtest.h>

#include <algorithm>
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
    const unsigned n = t.retornaTamanho();
    for (unsigned i = 0; i < a.size(); ++i)
        t.troca(Uint8(a[i]), t.retornaBloco(i / n, i % n).numero);
}

// How many numbers rand() gave since srand(semente), told by its next two.
unsigned sorteiosDesde(time_t semente)
{
    const int a = rand(), b = rand();
    srand(unsigned(semente));
    int x = rand(), y = rand();
    for (unsigned n = 0; n < 100000; ++n, x = y, y = rand())
        if (x == a && y == b)
            return n;
    return 0;
}

}  // namespace

TEST(Tabuleiro, MontagemBuscasCursorETamanhosRecusados)
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
    for (unsigned antes = 0; antes < 16; ++antes)
        for (unsigned p = 0; p < 300; ++p) {
            t.seleciona(antes);
            t.seleciona(p);
            EXPECT_EQ(t.retornaSelecionado(), p == 16 ? 0 : p > 16 ? antes : p) << antes << ' ' << p;
        }
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

TEST(Tabuleiro, MovesDeCadaBuracoTrocasETravado)
{
    // Every hole position, every position asked: a move happens exactly when the cell shares
    // an edge with the hole, and it is the hole's step onto that cell.
    Tabuleiro t;
    for (int n = 2; n <= 4; ++n)
        for (int h = 0; h < n * n; ++h) {
            t.inicializa(320, 240, Uint8(n));
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
    // Swaps need no adjacency; 16 (no tile has it) and above change nothing.
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

// From every 2x2 board and from the solved and stuck 4x4 ones, N steps keep the parity and
// never end solved: such an ending runs the N - 1 attempts again, counted as a solve. A shuffle
// that did not run again made at most N - 1 moves, and the solver takes a solved start back.
TEST(Tabuleiro, EmbaralhaSoDaPassosDoBuracoENuncaTerminaResolvido)
{
    std::vector<Arranjo> inicios = {resolvido(4), resolvido(4)};
    std::swap(inicios[1][13], inicios[1][14]);
    Arranjo a2 = {0, 1, 2, 3};
    do
        inicios.push_back(a2);
    while (std::next_permutation(a2.begin(), a2.end()));

    Tabuleiro t;
    unsigned conferidos = 0;
    for (const Arranjo& inicio : inicios)
        for (unsigned passos : {2u, 3u, 12u, 99u}) {
            const int n = inicio.size() == 4 ? 2 : 4;
            t.inicializa(320, 240, Uint8(n));
            arruma(t, inicio);
            const Uint32 antes = t.retornaResolvidos();
            const time_t semente = time(nullptr);
            t.embaralha(passos);
            const unsigned sorteios = sorteiosDesde(semente);
            const unsigned voltas = t.retornaResolvidos() - antes + 1;
            EXPECT_NE(arranjo(t), resolvido(n));
            EXPECT_EQ(resolvivel(arranjo(t)), resolvivel(inicio));
            std::vector<Passo> solucao;
            if (inicio == resolvido(n) && voltas == 1 && passos < 20) {
                EXPECT_TRUE(resolve(arranjo(t), passos - 1, solucao)) << passos;
            }
            if (time(nullptr) == semente) {
                EXPECT_GE(sorteios, voltas * (passos - 1)) << "one number per attempt";
                ++conferidos;
            }
        }
    EXPECT_GT(conferidos, inicios.size() * 2) << "the clock's second kept changing";

    // Below two steps, or on a 1x1 board, there is no attempt: nothing moves or counts.
    for (unsigned n : {4u, 1u}) {
        t.inicializa(320, 240, Uint8(n));
        const Uint32 antes = t.retornaResolvidos();
        for (unsigned p : {0u, 1u, n == 1 ? 99u : 1u})
            t.embaralha(p);
        EXPECT_EQ(arranjo(t), resolvido(n));
        EXPECT_EQ(t.retornaResolvidos(), antes);
    }
}
