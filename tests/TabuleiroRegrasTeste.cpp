// Tests of the board's rules: set-up and links, searches, cursor, every move from every hole
// position, swaps and the stuck test, the solved count, the refused sizes, and the shuffle
// checked against a model replaying the same random draws and against the solver.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <ctime>

#include "game/Tabuleiro.h"
#include "tests/Resolvedor.h"

using namespace resolvedor;

namespace {

Arranjo arranjo(const Tabuleiro& t)
{
    Arranjo a;
    for (unsigned r = 0; r < t.retornaTamanho(); ++r)
        for (unsigned c = 0; c < t.retornaTamanho(); ++c)
            a.push_back(t.retornaBloco(r, c).numero);
    return a;
}

// Lays a out on the board by swaps (the board must hold a permutation of the same tiles).
void arruma(Tabuleiro& t, const Arranjo& a)
{
    const unsigned n = t.retornaTamanho();
    for (unsigned i = 0; i < a.size(); ++i)
        t.troca(static_cast<unsigned char>(a[i]), t.retornaBloco(i / n, i % n).numero);
    ASSERT_EQ(arranjo(t), a);
}

// The shuffle's rules played on an arrangement with the draws that srand(semente) gives:
// an off-board draw is used up, an undo is refused and replaced, and a solved result is
// shuffled again, counted in reexecucoes.
Arranjo modelo(Arranjo a, unsigned passos, unsigned semente, unsigned& reexecucoes)
{
    const Arranjo alvo = resolvido(static_cast<int>(std::lround(std::sqrt(a.size()))));
    srand(semente);
    unsigned restantes = passos;
    int ultima = DIREITA;
    for (reexecucoes = 0;; ++reexecucoes) {
        for (unsigned i = 1; i < restantes; ++i) {
            const int d = rand() % 4;
            const Arranjo b = aplica(a, static_cast<Direcao>(d));
            if (b == a)
                continue;
            if (ultima == (d ^ 1))
                ++restantes;
            else
                a = b;
            ultima = d;
        }
        if (a != alvo)
            return a;
    }
}

// Shuffles with the clock's second read on both sides, so the seed is known; false when the
// second changed meanwhile.
bool embaralhaComSemente(Tabuleiro& t, unsigned passos, unsigned& semente)
{
    const time_t antes = time(nullptr);
    t.embaralha(passos);
    semente = static_cast<unsigned>(antes);
    return time(nullptr) == antes;
}

class Regras : public ::testing::Test {
protected:
    void SetUp() override { t.inicializa(320, 240, 4); }
    Tabuleiro t;
};

}  // namespace

TEST(TabuleiroMontagem, NumeracaoLigacoesEBuscasEmCadaTamanho)
{
    Tabuleiro t;
    EXPECT_EQ(t.retornaTamanho(), 0);
    for (unsigned n = 1; n <= 4; ++n) {
        t.inicializa(320, 240, static_cast<unsigned char>(n));
        ASSERT_EQ(t.retornaTamanho(), n);
        EXPECT_EQ(arranjo(t), resolvido(n));
        for (unsigned r = 0; r < n; ++r) {
            for (unsigned c = 0; c < n; ++c) {
                const Bloco& b = t.retornaBloco(r, c);
                const unsigned p = r == n - 1 && c == n - 1 ? 0 : r * n + c + 1;
                EXPECT_EQ(b.posicao, p);
                EXPECT_EQ(b.cima, r > 0 ? &t.retornaBloco(r - 1, c) : nullptr);
                EXPECT_EQ(b.baixo, r + 1 < n ? &t.retornaBloco(r + 1, c) : nullptr);
                EXPECT_EQ(b.esquerda, c > 0 ? &t.retornaBloco(r, c - 1) : nullptr);
                EXPECT_EQ(b.direita, c + 1 < n ? &t.retornaBloco(r, c + 1) : nullptr);
                EXPECT_EQ(t.buscaPosicao(p), &b);
                EXPECT_EQ(t.buscaNumero(b.numero), &b);
            }
        }
        for (unsigned k : {n * n, n * n + 1, 255u, 256u, 0xFFFFFFFFu}) {
            EXPECT_EQ(t.buscaNumero(k), nullptr) << k;
            EXPECT_EQ(t.buscaPosicao(k), nullptr) << k;
        }
    }
    EXPECT_EQ(t.retornaEsquerda(), 80);
    t.inicializa(640, 480, 4);
    EXPECT_EQ(t.retornaEsquerda(), 160);

    // Solved is counted every time it is asked, and a new set-up keeps the count, the help
    // and the cursor.
    EXPECT_TRUE(t.venceu());
    EXPECT_TRUE(t.venceu());
    EXPECT_EQ(t.retornaResolvidos(), 2u);
    t.trocaAjuda();
    t.seleciona(6);
    t.inicializa(320, 240, 4);
    EXPECT_EQ(t.retornaResolvidos(), 2u);
    EXPECT_TRUE(t.retornaAjuda());
    EXPECT_EQ(t.retornaSelecionado(), 6);
    t.trocaAjuda();
    EXPECT_FALSE(t.retornaAjuda());
}

TEST(TabuleiroMontagem, TamanhoRecusadoDeixaTabuleiroVazioQueNadaAceita)
{
    for (unsigned char n : {0, 5, 255}) {
        Tabuleiro t;
        t.inicializa(320, 240, 4);
        t.inicializa(320, 240, n);
        EXPECT_EQ(t.retornaTamanho(), 0);
        for (unsigned k = 0; k < 20; ++k) {
            EXPECT_EQ(t.buscaNumero(k), nullptr);
            EXPECT_EQ(t.buscaPosicao(k), nullptr);
            EXPECT_FALSE(t.move(k));
            t.seleciona(k);
            EXPECT_EQ(t.retornaSelecionado(), 0);
        }
        t.troca(0, 1);
        t.embaralha(12);
        EXPECT_FALSE(t.venceu());
        EXPECT_FALSE(t.travou());
        EXPECT_EQ(t.retornaResolvidos(), 0u);
    }
}

TEST_F(Regras, CursorAceitaAteNQuadradoQueVoltaAoZero)
{
    for (unsigned antes = 0; antes < 16; ++antes) {
        for (unsigned p = 0; p < 300; ++p) {
            t.seleciona(antes);
            t.seleciona(p);
            EXPECT_EQ(t.retornaSelecionado(), p == 16 ? 0 : p > 16 ? antes : p) << antes << " " << p;
        }
    }
    t.inicializa(320, 240, 2);
    t.seleciona(3);
    t.seleciona(4);
    EXPECT_EQ(t.retornaSelecionado(), 0);
    t.seleciona(1);
    t.seleciona(5);
    EXPECT_EQ(t.retornaSelecionado(), 1);
}

// For every side, every hole position and every position asked: the move happens exactly
// when that cell shares an edge with the hole, and it is the hole's step onto that cell.
TEST_F(Regras, MoveSoComVizinhoDeBordaEmTodoBuracoETodaPosicao)
{
    for (int n = 2; n <= 4; ++n) {
        t.inicializa(320, 240, static_cast<unsigned char>(n));
        for (int h = 0; h < n * n; ++h) {
            Arranjo inicio = resolvido(n);
            std::swap(inicio[h], inicio[n * n - 1]);
            for (unsigned p = 0; p <= static_cast<unsigned>(n * n) + 1; ++p) {
                arruma(t, inicio);
                const int i = p == 0 ? n * n - 1 : static_cast<int>(p) - 1;
                const bool vizinho = p < static_cast<unsigned>(n * n) &&
                                     std::abs(i / n - h / n) + std::abs(i % n - h % n) == 1;
                Arranjo depois = inicio;
                if (vizinho)
                    std::swap(depois[i], depois[h]);
                EXPECT_EQ(t.move(p), vizinho) << "n " << n << " hole " << h << " p " << p;
                EXPECT_EQ(arranjo(t), depois) << "n " << n << " hole " << h << " p " << p;
            }
        }
    }
}

TEST_F(Regras, TrocaLivreETravado)
{
    EXPECT_FALSE(t.travou());
    t.troca(15, 14);
    EXPECT_TRUE(t.travou());
    EXPECT_FALSE(t.venceu());
    EXPECT_EQ(t.retornaResolvidos(), 0u);
    EXPECT_FALSE(resolvivel(arranjo(t)));

    // No adjacency needed; numbers above 16, or 16 itself (no tile has it), change nothing.
    const Arranjo travado = arranjo(t);
    t.troca(1, 0);
    EXPECT_EQ(t.retornaBloco(0, 0).numero, 0);
    EXPECT_EQ(t.retornaBloco(3, 3).numero, 1);
    t.troca(0, 1);
    EXPECT_EQ(arranjo(t), travado);
    for (unsigned char k : {16, 17, 200}) {
        t.troca(1, k);
        t.troca(k, 0);
        EXPECT_EQ(arranjo(t), travado);
    }

    // Smaller boards compare only their first cells with the stuck arrangement.
    t.inicializa(320, 240, 3);
    t.troca(8, 7);
    EXPECT_FALSE(t.travou());
}

// The same second's seed drives the board and the model, from every hole position of the
// 4x4 board and from every reachable 2x2 board, where shuffles often end solved and rerun.
TEST_F(Regras, EmbaralhaSegueOsSorteiosComRecusasBordasERepeticao)
{
    std::vector<std::pair<int, Arranjo>> inicios;
    for (int h = 0; h < 16; ++h) {
        Arranjo a = resolvido(4);
        std::swap(a[h], a[15]);
        inicios.push_back({4, a});
    }
    Arranjo a2 = resolvido(2);
    std::sort(a2.begin(), a2.end());
    do {
        if (resolvivel(a2))
            inicios.push_back({2, a2});
    } while (std::next_permutation(a2.begin(), a2.end()));

    unsigned conferidos = 0, repeticoes = 0;
    for (const auto& [n, inicio] : inicios) {
        for (unsigned passos : {2u, 3u, 12u, 99u}) {
            t.inicializa(320, 240, static_cast<unsigned char>(n));
            arruma(t, inicio);
            const Uint32 resolvidosAntes = t.retornaResolvidos();
            unsigned semente = 0, reexecucoes = 0;
            if (!embaralhaComSemente(t, passos, semente))
                continue;
            const Arranjo esperado = modelo(inicio, passos, semente, reexecucoes);
            EXPECT_EQ(arranjo(t), esperado) << "n " << n << " steps " << passos;
            EXPECT_EQ(t.retornaResolvidos() - resolvidosAntes, reexecucoes);
            EXPECT_NE(arranjo(t), resolvido(n));
            ++conferidos;
            repeticoes += reexecucoes;
        }
    }
    EXPECT_GT(conferidos, inicios.size() * 2) << "the clock's second kept changing";
    RecordProperty("reruns", static_cast<int>(repeticoes));
}

// Within one second every shuffle draws the same numbers, so one pass of each is enough.
TEST_F(Regras, EmbaralhaPorDificuldade)
{
    // Easy: 11 attempts move the hole at most 11 times, unless a solved ending reran it.
    const Uint32 antes = t.retornaResolvidos();
    t.embaralha(12);
    const Arranjo facil = arranjo(t);
    EXPECT_TRUE(valido(facil));
    EXPECT_NE(facil, resolvido(4));
    std::vector<Passo> passos;
    EXPECT_TRUE(resolve(facil, t.retornaResolvidos() == antes ? 11 : 60, passos));

    // Normal keeps the board solvable; Impossible keeps the exchanged pair's parity.
    t.embaralha(99);
    EXPECT_TRUE(valido(arranjo(t)));
    EXPECT_TRUE(resolvivel(arranjo(t)));
    t.inicializa(320, 240, 4);
    t.troca(15, 14);
    t.embaralha(100);
    EXPECT_TRUE(valido(arranjo(t)));
    EXPECT_FALSE(resolvivel(arranjo(t)));
}

// Below two steps, or on a 1x1 board, no attempt is possible: the board is left as it was
// and its solved state is not counted (checking it again could only loop).
TEST_F(Regras, EmbaralhaSemTentativaPossivelNaoMexeNemConta)
{
    for (unsigned passos : {0u, 1u}) {
        t.embaralha(passos);
        EXPECT_EQ(arranjo(t), resolvido(4));
        t.move(15);
        t.embaralha(passos);
        EXPECT_EQ(t.retornaBloco(3, 2).numero, 0);
        t.move(0);
    }
    t.inicializa(320, 240, 1);
    t.embaralha(99);
    EXPECT_EQ(arranjo(t), resolvido(1));
    EXPECT_EQ(t.retornaResolvidos(), 0u);
    EXPECT_TRUE(t.venceu());
}
