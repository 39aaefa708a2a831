// The tests' solver against a breadth-first search of the whole 2x2 and 3x3 state spaces:
// parity names exactly the reachable arrangements; solutions are legal and shortest.
#include <gtest/gtest.h>

#include <algorithm>
#include <deque>
#include <map>

#include "tests/apoio/Resolvedor.h"

using namespace resolvedor;

namespace {

// Every arrangement reachable from the solved n x n board, with its distance.
std::map<Arranjo, unsigned> alcancaveis(int n)
{
    std::map<Arranjo, unsigned> dist{{resolvido(n), 0}};
    std::deque<Arranjo> fila{resolvido(n)};
    while (!fila.empty()) {
        const Arranjo a = fila.front();
        fila.pop_front();
        for (int d = CIMA; d <= DIREITA; ++d) {
            const Arranjo b = aplica(a, static_cast<Direcao>(d));
            if (dist.emplace(b, dist[a] + 1).second)
                fila.push_back(b);
        }
    }
    return dist;
}

// Plays the steps on a, checking each named cell lies beside the hole in the named direction.
Arranjo joga(Arranjo a, const std::vector<Passo>& passos, int n)
{
    for (const Passo& p : passos) {
        const Arranjo b = aplica(a, p.buraco);
        const int t = p.linha * n + p.coluna;
        EXPECT_TRUE(a[t] != 0 && b[t] == 0) << "the step's cell is not where the hole goes";
        EXPECT_EQ(p.posicao, t == n * n - 1 ? 0 : t + 1);
        a = b;
    }
    return a;
}

}  // namespace

TEST(Resolvedor, ParidadeESolucoesOtimasConferemComBuscaCompleta)
{
    for (int n : {2, 3}) {
        const std::map<Arranjo, unsigned> dist = alcancaveis(n);
        Arranjo a = resolvido(n);
        std::sort(a.begin(), a.end());
        size_t resolviveis = 0, conferidos = 0, vistos = 0;
        do {
            const bool alcancavel = dist.count(a) == 1;
            ASSERT_EQ(resolvivel(a), alcancavel) << "n " << n;
            resolviveis += alcancavel;
            // Every 2x2 one, and a spread of 3x3 ones and the farthest (30 and 31 moves).
            if (!alcancavel || (n == 3 && dist.at(a) < 30 && ++vistos % 2000 != 0))
                continue;
            std::vector<Passo> passos;
            ASSERT_TRUE(resolve(a, 40, passos));
            EXPECT_EQ(passos.size(), dist.at(a));
            EXPECT_EQ(joga(a, passos, n), resolvido(n));
            ++conferidos;
        } while (std::next_permutation(a.begin(), a.end()));
        EXPECT_EQ(resolviveis, dist.size());
        EXPECT_EQ(resolviveis * 2, n == 2 ? 24u : 362880u);
        EXPECT_GT(conferidos, 0u);
    }

    // The limit is a real bound; unsolvable boards are refused.
    std::vector<Passo> passos;
    const Arranjo perto = aplica(aplica(resolvido(4), CIMA), ESQUERDA);
    EXPECT_TRUE(!resolve(perto, 1, passos) && resolve(perto, 2, passos));
    Arranjo trocado = resolvido(4);
    std::swap(trocado[13], trocado[14]);
    EXPECT_FALSE(resolve(trocado, 80, passos));
}
