// Asset generator: three abstract puzzle pictures: a patchwork quilt (a star of concentric
// diamond rings of printed fabrics), a watercolour colour field, and a coloured fractal.
// Each varies in colour and shape across the whole square so that every tile has one place.
// Depends on base.h.
#include <algorithm>
#include <cmath>

#include "tools/gerador/imagens/fundos.h"

namespace {

constexpr int L = FUNDO_LADO;

// ---- Quilt ----------------------------------------------------------------------------

constexpr int BLOCO = 20;
constexpr int BLOCOS = L / BLOCO;
constexpr int ANEIS = BLOCOS;  // rings 0 (centre) .. 11 (corners)
constexpr int VIES = 4;        // binding width

// Dark rings walk round the colour wheel outwards; light rings take their quadrant's tint,
// so both the ring and the quarter of the star are plain to see on any tile.
Cor tecido(int anel, int quadrante)
{
    if (anel % 2 == 1)
        return hsv(0.98 + anel * 0.072, 0.78, 0.86 - 0.025 * anel);
    const Cor claros[] = {rgb(252, 236, 196), rgb(250, 216, 214), rgb(206, 226, 246),
                          rgb(214, 238, 200)};
    return mistura(claros[quadrante], rgb(255, 252, 244), 0.3 - anel * 0.025);
}

// Each quadrant's fabrics carry their own print: dots, stripes, gingham, little crosses.
Cor estampa(int tipo, int x, int y, Cor base)
{
    switch (tipo) {
    case 0: {
        const double d = std::hypot(x % 6 - 2.5, y % 6 - 2.5);
        return d < 1.4 ? base * 0.78 : base;
    }
    case 1:
        return ((x + y) / 3) % 2 ? base * 0.88 : base;
    case 2:
        return base * (1 - 0.08 * ((x / 4) % 2 + (y / 4) % 2));
    default: {
        const int fx = x % 7, fy = y % 7;
        return ((fx == 3 && fy > 1 && fy < 5) || (fy == 3 && fx > 1 && fx < 5)) ? base * 0.8 : base;
    }
    }
}

}  // namespace

Imagem desenhaColcha()
{
    Imagem img(L, L, Cor{});
    for (int y = 0; y < L; ++y) {
        for (int x = 0; x < L; ++x) {
            const int bi = x / BLOCO, bj = y / BLOCO, lx = x % BLOCO, ly = y % BLOCO;
            const double u = bi - (BLOCOS - 1) / 2.0, v = bj - (BLOCOS - 1) / 2.0;
            // Fold every block so that "towards the centre" is its top left corner.
            const int ax = u > 0 ? lx : BLOCO - 1 - lx, ay = v > 0 ? ly : BLOCO - 1 - ly;
            const int diagonal = ax + ay - (BLOCO - 1);
            const int anel = static_cast<int>(std::fabs(u) + std::fabs(v)) - 1 + (diagonal > 0 ? 1 : 0);
            const int quadrante = (u > 0 ? 1 : 0) + (v > 0 ? 2 : 0);
            Cor c = tecido(std::min(anel, ANEIS - 1), quadrante);
            c = estampa(anel % 2 == 0 ? quadrante : (quadrante + 2) % 4, x, y, c);
            c = c * (0.96 + 0.08 * ruido(x / 1.5, y / 1.5, 131));
            // Seams, then a running stitch two pixels in from each seam.
            const int borda = std::min(std::min(lx, ly), std::min(BLOCO - 1 - lx, BLOCO - 1 - ly));
            if (borda == 0 || diagonal == 0)
                c = c * 0.86;
            else if ((borda == 2 || std::abs(diagonal) == 3) && (x + y) % 5 < 3)
                c = mistura(c, rgb(255, 252, 240), 0.45);
            img.em(x, y) = c;
        }
    }
    for (int y = 0; y < L; ++y) {
        for (int x = 0; x < L; ++x) {
            const int d = std::min(std::min(x, y), std::min(L - 1 - x, L - 1 - y));
            if (d >= VIES)
                continue;
            Cor c = (x / 3 + y / 3) % 2 ? rgb(40, 50, 96) : rgb(52, 64, 116);
            if (d == VIES - 1)
                c = c * 0.7;
            img.em(x, y) = c;
        }
    }
    return img;
}

// ---- Watercolour ----------------------------------------------------------------------

namespace {

constexpr int GRADE_MANCHAS = 7;

Cor papel(int x, int y)
{
    const double grao = fbm(x / 2.0, y / 2.0, 2, 141);
    return rgb(246, 240, 226) * (0.96 + 0.06 * grao);
}

}  // namespace

Imagem desenhaAquarela()
{
    Imagem img(L, L, Cor{});
    for (int y = 0; y < L; ++y)
        for (int x = 0; x < L; ++x)
            img.em(x, y) = papel(x, y);
    // Washes laid on a jittered grid so they cover the whole sheet. Their hue follows the
    // direction from the centre and their strength the distance, like a colour wheel, so
    // each part of the sheet has its own colour; overlaps mix like glazes.
    Sorteio s(0xA0A1E1A);
    const double passo = double(L) / GRADE_MANCHAS;
    for (int camada = 0; camada < 2; ++camada) {
        for (int j = 0; j < GRADE_MANCHAS; ++j) {
            for (int i = 0; i < GRADE_MANCHAS; ++i) {
                const double cx = (i + s.entre(0.1, 0.9)) * passo + camada * passo / 2;
                const double cy = (j + s.entre(0.1, 0.9)) * passo + camada * passo / 2;
                const double raio = s.entre(14, 30) * (camada ? 0.8 : 1.2);
                const double dx = cx - L / 2.0, dy = cy - L / 2.0;
                const double h = std::atan2(dy, dx) / (2 * 3.14159265) + s.entre(-0.04, 0.04);
                const double sat = 0.2 + 0.6 * limita(std::hypot(dx, dy) / (L / 2.0), 0, 1);
                const Cor pigmento = hsv(h, sat + s.entre(0, 0.15), s.entre(0.8, 0.97));
                const double forca = s.entre(0.35, 0.6);
                const std::uint32_t semente = 150 + camada * 100 + j * GRADE_MANCHAS + i;
                for (int y = int(cy - raio * 1.5); y <= int(cy + raio * 1.5); ++y) {
                    for (int x = int(cx - raio * 1.5); x <= int(cx + raio * 1.5); ++x) {
                        if (!img.dentro(x, y))
                            continue;
                        const double ang = std::atan2(y - cy, x - cx);
                        const double borda = raio * (0.75 + 0.5 * ruido(std::cos(ang) * 2 + 5,
                                                                       std::sin(ang) * 2 + 5, semente));
                        const double d = std::hypot(x - cx, y - cy) - borda;
                        if (d > 0.5)
                            continue;
                        // Pigment gathers at the rim as a wash dries, and granulates inside.
                        const double anel = 0.5 * std::exp(d / 2.5);
                        const double grao = 0.8 + 0.4 * ruido(x / 1.7, y / 1.7, semente + 7);
                        const double a = limita(0.5 - d, 0, 1) * limita(forca * grao + anel, 0, 1);
                        Cor& p = img.em(x, y);
                        const Cor tinta{p.r * pigmento.r / 255, p.g * pigmento.g / 255, p.b * pigmento.b / 255};
                        p = mistura(p, tinta, a);
                    }
                }
            }
        }
    }
    // A few flicked drops, a darker shade of the wash they land on.
    for (int i = 0; i < 30; ++i) {
        const double x = s.entre(8, L - 8), y = s.entre(8, L - 8);
        disco(img, x, y, s.entre(0.7, 1.8), img.em(int(x), int(y)) * 0.7, 0.8);
    }
    return img;
}

// ---- Fractal --------------------------------------------------------------------------

namespace {

constexpr double FRACTAL_CX = -0.743517833;
constexpr double FRACTAL_CY = 0.127094578;
constexpr double FRACTAL_LARGURA = 0.0070;
constexpr int FRACTAL_ITERACOES = 700;
constexpr int FRACTAL_AMOSTRAS = 2;  // per pixel side

Cor paleta(double t)
{
    const Cor paradas[] = {rgb(12, 16, 60),   rgb(30, 90, 170),  rgb(90, 200, 220),
                           rgb(250, 245, 210), rgb(250, 170, 50), rgb(190, 40, 60),
                           rgb(80, 20, 90),   rgb(12, 16, 60)};
    const int n = sizeof(paradas) / sizeof(paradas[0]) - 1;
    t = (t - std::floor(t)) * n;
    const int i = static_cast<int>(t);
    return mistura(paradas[i], paradas[i + 1], t - i);
}

Cor ponto(double re, double im)
{
    double zr = 0, zi = 0, perto = 1e9;
    for (int n = 0; n < FRACTAL_ITERACOES; ++n) {
        const double zr2 = zr * zr, zi2 = zi * zi;
        if (zr2 + zi2 > 256) {
            const double mu = n + 1 - std::log2(std::log2(zr2 + zi2) / 2);
            return paleta(std::log(mu) * 1.3 + 0.1);
        }
        zi = 2 * zr * zi + im;
        zr = zr2 - zi2 + re;
        perto = std::min(perto, zr * zr + zi * zi);
    }
    // Inside the set: deep violet rings by how near the orbit came to zero, so the lakes
    // are never flat.
    const double anel = 0.5 + 0.5 * std::sin(std::log(perto + 1e-12) * 1.5);
    return mistura(rgb(8, 10, 40), rgb(70, 50, 130), anel);
}

}  // namespace

Imagem desenhaFractal()
{
    Imagem img(L, L, Cor{});
    const double escala = FRACTAL_LARGURA / L;
    for (int y = 0; y < L; ++y) {
        for (int x = 0; x < L; ++x) {
            Cor soma;
            for (int sy = 0; sy < FRACTAL_AMOSTRAS; ++sy) {
                for (int sx = 0; sx < FRACTAL_AMOSTRAS; ++sx) {
                    const double px = x + (sx + 0.5) / FRACTAL_AMOSTRAS - L / 2.0;
                    const double py = y + (sy + 0.5) / FRACTAL_AMOSTRAS - L / 2.0;
                    soma = soma + ponto(FRACTAL_CX + px * escala, FRACTAL_CY - py * escala);
                }
            }
            img.em(x, y) = soma * (1.0 / (FRACTAL_AMOSTRAS * FRACTAL_AMOSTRAS));
        }
    }
    return img;
}
