// Asset generator: a stained-glass rose window puzzle picture. A drawn design (a boss,
// twelve petals round the colour wheel, a ring of panes, corner spandrels each in its own
// colour) is cut into irregular pieces of glass held in lead. Depends on base.h.
#include <algorithm>
#include <cmath>
#include <vector>

#include "tools/gerador/imagens/fundos.h"

namespace {

constexpr int L = FUNDO_LADO;
constexpr double CENTRO = L / 2.0;
constexpr double PI = 3.14159265358979;
constexpr int PETALAS = 12;
constexpr int SEGMENTOS = 24;
constexpr double RAIO_MIOLO = 18;
constexpr double RAIO_PETALAS = 72;
constexpr double RAIO_ANEL = 100;
constexpr double RAIO_MOLDURA = 110;
constexpr int PASSO_CACOS = 11;  // spacing of the glass pieces' seeds
constexpr int REGIOES = 128;     // region ids of the design stay below this

struct Regiao {
    int id;
    Cor cor;
};

// The design before it is cut into glass: which region a point is in, and its colour.
Regiao desenho(double x, double y)
{
    const double dx = x - CENTRO, dy = y - CENTRO;
    const double r = std::hypot(dx, dy);
    const double volta = (std::atan2(dy, dx) + PI) / (2 * PI);  // 0..1 round the centre
    if (r < RAIO_MIOLO)
        return {0, r < RAIO_MIOLO / 2 ? rgb(250, 220, 90) : rgb(220, 150, 40)};
    if (r < RAIO_PETALAS) {
        const int p = static_cast<int>(volta * PETALAS) % PETALAS;
        const double meio = (volta * PETALAS - std::floor(volta * PETALAS)) - 0.5;
        // A petal is rounded at its tip; what lies between petals is deep blue ground.
        const double ponta = RAIO_MIOLO + (RAIO_PETALAS - RAIO_MIOLO) * std::sqrt(1 - 4 * meio * meio);
        if (r < ponta)
            return {1 + p, hsv(double(p) / PETALAS, 0.75, 0.9)};
        return {20 + p, rgb(30, 50, 130)};
    }
    if (r < RAIO_ANEL) {
        const int s = static_cast<int>(volta * SEGMENTOS) % SEGMENTOS;
        const Cor cor = s % 2 ? rgb(240, 200, 80) : hsv(0.55 + 0.15 * std::sin(volta * 2 * PI), 0.7, 0.75);
        return {40 + s, cor};
    }
    if (r < RAIO_MOLDURA)
        return {70 + static_cast<int>(volta * 8), rgb(60, 40, 90)};
    // The four spandrels, each its own colour so the corners cannot be swapped.
    const int canto = (dx > 0 ? 1 : 0) + (dy > 0 ? 2 : 0);
    const Cor cantos[] = {rgb(170, 30, 40), rgb(40, 130, 60), rgb(110, 50, 150), rgb(210, 120, 30)};
    // A quatrefoil in each spandrel: four lobes round a small jewel.
    const double qx = std::fabs(dx) - 98, qy = std::fabs(dy) - 98;
    if (std::hypot(qx, qy) < 3.5)
        return {95 + canto, rgb(60, 120, 220)};
    const double lobo = std::min(std::min(std::hypot(qx - 6, qy), std::hypot(qx + 6, qy)),
                                 std::min(std::hypot(qx, qy - 6), std::hypot(qx, qy + 6)));
    if (lobo < 6.5)
        return {90 + canto, rgb(250, 232, 170)};
    return {80 + canto, cantos[canto]};
}

}  // namespace

Imagem desenhaVitral()
{
    Imagem img(L, L, Cor{});
    // Seeds on a jittered grid; each pixel belongs to its nearest seed within its region.
    Sorteio s(0x717A);
    const int n = L / PASSO_CACOS + 2;
    std::vector<Ponto> sementes;
    std::vector<double> tons;
    for (int j = -1; j < n - 1; ++j) {
        for (int i = -1; i < n - 1; ++i) {
            sementes.push_back({(i + s.entre(0.15, 0.85)) * PASSO_CACOS,
                                (j + s.entre(0.15, 0.85)) * PASSO_CACOS});
            tons.push_back(s.entre(0.78, 1.15));
        }
    }
    std::vector<int> peca(static_cast<std::size_t>(L) * L);
    for (int y = 0; y < L; ++y) {
        for (int x = 0; x < L; ++x) {
            const double px = x + 0.5, py = y + 0.5;
            const int gi = static_cast<int>(px / PASSO_CACOS) + 1, gj = static_cast<int>(py / PASSO_CACOS) + 1;
            int melhor = 0;
            double dMelhor = 1e9;
            for (int j = std::max(gj - 2, 0); j <= std::min(gj + 2, n - 1); ++j) {
                for (int i = std::max(gi - 2, 0); i <= std::min(gi + 2, n - 1); ++i) {
                    const Ponto& p = sementes[static_cast<std::size_t>(j) * n + i];
                    const double d = std::hypot(p.x - px, p.y - py);
                    if (d < dMelhor) {
                        dMelhor = d;
                        melhor = j * n + i;
                    }
                }
            }
            const std::size_t k = static_cast<std::size_t>(y) * L + x;
            const Regiao regiao = desenho(px, py);
            peca[k] = melhor * REGIOES + regiao.id;
            const Cor base = regiao.cor * tons[melhor];
            // Glass is never even: streaks and a little light through the middle.
            const double veio = fbm(px / 5.0 + melhor, py / 14.0, 3, 161);
            img.em(x, y) = base * (0.82 + 0.3 * veio) + rgb(40, 40, 30) * std::exp(-dMelhor / 3.0);
        }
    }
    // Lead between pieces, with a faint sheen along its top.
    for (int y = 0; y < L; ++y) {
        for (int x = 0; x < L; ++x) {
            const std::size_t k = static_cast<std::size_t>(y) * L + x;
            const bool direita = x + 1 < L && peca[k + 1] != peca[k];
            const bool abaixo = y + 1 < L && peca[k + L] != peca[k];
            if (direita || abaixo) {
                img.em(x, y) = rgb(26, 24, 30);
                if (x + 1 < L)
                    img.em(x + 1, y) = mistura(img.em(x + 1, y), rgb(26, 24, 30), 0.6);
                if (y > 0)
                    img.pinta(x, y - 1, rgb(120, 120, 130), 0.3);
            }
        }
    }
    return img;
}
