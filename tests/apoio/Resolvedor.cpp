// Resolvedor: iterative deepening A* over the hole's moves, with the Manhattan distance kept
// up to date move by move, and the inversion-count parity test. Depends on Resolvedor.h.
#include "tests/apoio/Resolvedor.h"

#include <algorithm>
#include <climits>
#include <cstdlib>

namespace resolvedor {

namespace {

const int DL[] = {-1, 1, 0, 0};  // row step of the hole for CIMA, BAIXO, ESQUERDA, DIREITA
const int DC[] = {0, 0, -1, 1};
const int ACHOU = -1;

int lado(const Arranjo& a)
{
    for (int n = 1; n <= 4; ++n)
        if (static_cast<size_t>(n * n) == a.size())
            return n;
    return 0;
}

Direcao oposta(int d) { return static_cast<Direcao>(d ^ 1); }

// The hole's index after a step in d, or -1 off the board.
int vizinho(int n, int buraco, int d)
{
    const int l = buraco / n + DL[d], c = buraco % n + DC[d];
    return l < 0 || l >= n || c < 0 || c >= n ? -1 : l * n + c;
}

struct Busca {
    int n;
    Arranjo celulas;
    int buraco;
    std::vector<Passo> caminho;

    int distancia(int tile, int indice) const
    {
        if (tile == 0)
            return 0;
        const int alvo = tile - 1;
        return std::abs(alvo / n - indice / n) + std::abs(alvo % n - indice % n);
    }

    // Returns ACHOU with the path in caminho, or the least f above the bound seen.
    int procura(int g, int limite, int anterior, int h)
    {
        if (g + h > limite)
            return g + h;
        if (h == 0)
            return ACHOU;
        int menor = INT_MAX;
        for (int d = 0; d < 4; ++d) {
            if (anterior >= 0 && d == oposta(anterior))
                continue;
            const int t = vizinho(n, buraco, d);
            if (t < 0)
                continue;
            const int tile = celulas[t];
            const int novoH = h - distancia(tile, t) + distancia(tile, buraco);
            const int veio = buraco;
            std::swap(celulas[t], celulas[buraco]);
            buraco = t;
            caminho.push_back({t / n, t % n, t == n * n - 1 ? 0 : t + 1, static_cast<Direcao>(d)});
            const int r = procura(g + 1, limite, d, novoH);
            if (r == ACHOU)
                return ACHOU;
            caminho.pop_back();
            buraco = veio;
            std::swap(celulas[t], celulas[buraco]);
            menor = std::min(menor, r);
        }
        return menor;
    }
};

}  // namespace

Arranjo resolvido(int n)
{
    Arranjo a(n * n);
    for (int i = 0; i + 1 < n * n; ++i)
        a[i] = i + 1;
    return a;
}

bool valido(const Arranjo& a)
{
    if (lado(a) == 0)
        return false;
    Arranjo ordenado(a);
    std::sort(ordenado.begin(), ordenado.end());
    for (size_t i = 0; i < ordenado.size(); ++i)
        if (ordenado[i] != static_cast<int>(i))
            return false;
    return true;
}

// A move along a row keeps the tiles' order; one along a column passes n-1 tiles. So with n
// odd the inversion parity never changes; with n even it flips with every change of the
// hole's row, and the goal has no inversion and the hole in row n-1.
bool resolvivel(const Arranjo& a)
{
    const int n = lado(a);
    int inversoes = 0, linhaBuraco = 0;
    for (size_t i = 0; i < a.size(); ++i) {
        if (a[i] == 0) {
            linhaBuraco = static_cast<int>(i) / n;
            continue;
        }
        for (size_t j = i + 1; j < a.size(); ++j)
            if (a[j] != 0 && a[j] < a[i])
                ++inversoes;
    }
    if (n % 2 == 1)
        return inversoes % 2 == 0;
    return (inversoes + linhaBuraco) % 2 == (n - 1) % 2;
}

bool resolve(const Arranjo& a, unsigned limite, std::vector<Passo>& passos)
{
    passos.clear();
    if (!valido(a) || !resolvivel(a))
        return false;
    Busca b{lado(a), a, 0, {}};
    int h = 0;
    for (size_t i = 0; i < a.size(); ++i) {
        if (a[i] == 0)
            b.buraco = static_cast<int>(i);
        h += b.distancia(a[i], static_cast<int>(i));
    }
    for (int cota = h; cota <= static_cast<int>(std::min<unsigned>(limite, INT_MAX - 1));) {
        const int r = b.procura(0, cota, -1, h);
        if (r == ACHOU) {
            passos = b.caminho;
            return true;
        }
        if (r == INT_MAX)
            return false;
        cota = r;
    }
    return false;
}

Arranjo aplica(Arranjo a, Direcao d)
{
    const int n = lado(a);
    const int buraco = static_cast<int>(std::find(a.begin(), a.end(), 0) - a.begin());
    if (n == 0 || buraco == static_cast<int>(a.size()))
        return a;
    const int t = vizinho(n, buraco, d);
    if (t >= 0)
        std::swap(a[t], a[buraco]);
    return a;
}

}  // namespace resolvedor
