// Resolvedor: depth-first search under a growing bound, pruned by the Manhattan distance.
#include "tests/apoio/Resolvedor.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <numeric>
#include <utility>

namespace resolvedor {

namespace {

int lado(const Arranjo& a) { return static_cast<int>(std::lround(std::sqrt(a.size()))); }

// Moves of the hole onto a neighbour, never straight back, while the moves made and the
// tiles' distance from home fit in cota.
bool procura(Arranjo& a, int buraco, int veio, unsigned cota, std::vector<Passo>& passos)
{
    const int n = lado(a);
    unsigned h = 0;
    for (int i = 0; i < n * n; ++i)
        if (a[i] != 0)
            h += std::abs((a[i] - 1) / n - i / n) + std::abs((a[i] - 1) % n - i % n);
    if (h == 0 || passos.size() + h > cota)
        return h == 0;
    for (int t : {buraco - n, buraco + n, buraco - 1, buraco + 1}) {
        if (t < 0 || t >= n * n || t == veio || (t / n != buraco / n && t % n != buraco % n))
            continue;
        std::swap(a[t], a[buraco]);
        passos.push_back({t == n * n - 1 ? 0 : t + 1});
        if (procura(a, t, buraco, cota, passos))
            return true;
        passos.pop_back();
        std::swap(a[t], a[buraco]);
    }
    return false;
}

}  // namespace

Arranjo arranjo(const Tabuleiro& t)
{
    Arranjo a;
    for (unsigned i = 0; i < t.retornaTamanho() * t.retornaTamanho(); ++i)
        a.push_back(t.retornaBloco(i / t.retornaTamanho(), i % t.retornaTamanho()).numero);
    return a;
}

Arranjo resolvido(int n)
{
    Arranjo a(n * n);
    std::iota(a.begin(), a.end() - 1, 1);
    return a;
}

// A row move keeps the tiles' order; a column move passes n-1 tiles. So with n odd the
// inversions' parity is fixed, with n even it flips with each change of the hole's row.
bool resolvivel(const Arranjo& a)
{
    const int n = lado(a);
    int inversoes = 0, linhaBuraco = 0;
    for (size_t i = 0; i < a.size(); ++i) {
        if (a[i] == 0)
            linhaBuraco = static_cast<int>(i) / n;
        for (size_t j = i + 1; j < a.size(); ++j)
            inversoes += a[i] != 0 && a[j] != 0 && a[j] < a[i];
    }
    return (inversoes + (n % 2 == 0 ? n - 1 - linhaBuraco : 0)) % 2 == 0;
}

bool resolve(const Arranjo& a, unsigned limite, std::vector<Passo>& passos)
{
    passos.clear();
    Arranjo b = a;
    const int buraco = static_cast<int>(std::find(b.begin(), b.end(), 0) - b.begin());
    for (unsigned cota = 0; resolvivel(a) && cota <= limite; ++cota)
        if (procura(b, buraco, -1, cota, passos))
            return true;
    return false;
}

}  // namespace resolvedor
