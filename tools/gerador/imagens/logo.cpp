// Asset generator: gfx/Orvalek.bmp, the studio emblem for the intro: a dewdrop in a gold rim
// holding the reflection of a sunrise over the sea. Three frames: a shine sweeps across the
// glass and the sun lifts a little; on the last frame a sparkle flashes at the rim.
// Outside the drop is the grey key. Depends on base.h.
#include <algorithm>
#include <cmath>

#include "tools/gerador/imagens/gfx.h"

namespace {

constexpr int QUADROS = 3;
constexpr int QUADRO_LARGURA = 67;
constexpr int QUADRO_ALTURA = 81;
// Drop geometry in frame coordinates: the point on top, a round belly below.
constexpr double CX = 33.5;
constexpr double PONTA_Y = 2.0;
constexpr double BOJO_Y = 52.0;
constexpr double BOJO_RAIO = 25.5;
constexpr double CONTORNO = 2.0;  // dark outline outside the rim
constexpr double ARO = 3.0;       // gold rim
// The intro draws the logo over this blue, so the outer edge is smoothed against it.
const Cor AZUL_INTRO = rgb(10, 10, 200);

// Approximate signed distance to the drop's edge (negative inside): the belly circle joined
// to the cone tangent to it from the point.
double gota(double x, double y)
{
    const double seno = BOJO_RAIO / (BOJO_Y - PONTA_Y);
    const double cosseno = std::sqrt(1 - seno * seno);
    const double yTangente = BOJO_Y - BOJO_RAIO * seno;
    const double circulo = std::hypot(x - CX, y - BOJO_Y) - BOJO_RAIO;
    const double lado = std::fabs(x - CX) * cosseno - (y - PONTA_Y) * seno;
    const double cone = std::max(lado, y - yTangente);
    return std::min(circulo, cone);
}

double horizonte(double x)
{
    const double u = (x - CX) / BOJO_RAIO;
    return 49.0 - 6.0 * u * u;
}

// The reflection inside the glass.
Cor cena(double x, double y, int quadro)
{
    const double h = horizonte(x);
    const double solY = horizonte(CX) + 2.5 - 2.0 * quadro;
    const double solRaio = 9.0;
    if (y < h) {
        const double t = limita((y - PONTA_Y) / (h - PONTA_Y), 0, 1);
        Cor c = t < 0.55 ? mistura(rgb(52, 58, 150), rgb(206, 110, 150), t / 0.55)
                         : mistura(rgb(206, 110, 150), rgb(255, 196, 116), (t - 0.55) / 0.45);
        const double dSol = std::hypot(x - CX, y - solY);
        c = mistura(c, rgb(255, 236, 170), 0.6 * std::exp(-std::max(dSol - solRaio, 0.0) / 6.0));
        return mistura(c, rgb(255, 248, 206), limita(solRaio + 0.5 - dSol, 0, 1));
    }
    const double t = limita((y - h) / (BOJO_Y + BOJO_RAIO - h), 0, 1);
    Cor c = mistura(rgb(38, 128, 160), rgb(14, 46, 96), t);
    // The sun's path on the water: broken horizontal glints that narrow with distance.
    // Each row's glint has its own length, and the lengths shimmer from frame to frame.
    const double linha = std::floor(y / 2.0);
    const double largura = (9.0 - 4.0 * t) * (0.35 + 0.9 * ruido(linha * 0.9, quadro * 0.8, 61));
    const double centro = CX + 3.0 * (ruido(linha * 0.7, 5.0, 62) - 0.5);
    if (std::fabs(x - centro) < largura && std::fmod(y, 2.0) < 1.0)
        c = mistura(c, rgb(255, 222, 146), 0.8 * (1 - 0.7 * t));
    return c;
}

Cor ouro(double x, double y)
{
    // Lit from the top left: the normal's direction stands in for the rim's slope.
    const double nx = x - CX, ny = y - BOJO_Y + 10;
    const double luz = limita(0.5 - (nx + ny) / (2.2 * BOJO_RAIO), 0, 1);
    return mistura(rgb(176, 112, 20), rgb(255, 234, 150), luz);
}

// A four-pointed sparkle of the given arm length (0: none).
double estrela(double x, double y, double sx, double sy, double raio)
{
    const double dx = std::fabs(x - sx), dy = std::fabs(y - sy);
    const double braco = std::max(limita(1.2 - dy, 0, 1) * limita(1 - dx / raio, 0, 1),
                                  limita(1.2 - dx, 0, 1) * limita(1 - dy / raio, 0, 1));
    const double nucleo = limita(raio / 5.0 - std::hypot(dx, dy), 0, 1);
    return std::max(braco, nucleo);
}

void quadro(Imagem& img, int q)
{
    const int x0 = q * QUADRO_LARGURA;
    // The shine is a diagonal band that sweeps from the upper left to the right.
    const double brilhoPos = -18.0 + 18.0 * q;
    // The sparkle starts to show on the middle frame and flashes on the last.
    const double sparkX = CX + 17.5, sparkY = BOJO_Y - 25.0;
    const double sparkRaio = q == 0 ? 0.0 : (q == 1 ? 6.0 : 13.0);
    for (int y = 0; y < QUADRO_ALTURA; ++y) {
        for (int x = 0; x < QUADRO_LARGURA; ++x) {
            const double px = x + 0.5, py = y + 0.5;
            const double d = gota(px, py);
            const double faisca = q > 0 ? estrela(px, py, sparkX, sparkY, sparkRaio) : 0;
            const double fora = d - CONTORNO;
            if (fora > 0.5) {
                if (faisca > 0.3)
                    img.em(x0 + x, y) = mistura(AZUL_INTRO, rgb(255, 255, 240), faisca);
                continue;
            }
            Cor c = cena(px, py, q);
            // Volume: the glass darkens towards its rim and glows at the bottom.
            c = c * (1 - 0.35 * suave(-12, -ARO, d));
            const double fundo = suave(BOJO_Y + 8, BOJO_Y + BOJO_RAIO, py) * suave(-9, -ARO, d);
            c = mistura(c, rgb(150, 232, 255), 0.55 * fundo);
            const double faixa = (px - CX) * 0.8 + (py - BOJO_Y) * 0.6 - brilhoPos;
            const double luz = std::exp(-faixa * faixa / 18.0) * 0.5;
            c = mistura(c, ouro(px, py), limita(d + ARO + 0.5, 0, 1));
            c = mistura(c, rgb(255, 255, 255), luz * limita(0.5 - d, 0, 1));
            c = mistura(c, rgb(14, 18, 44), limita(d + 0.5, 0, 1));
            c = mistura(c, AZUL_INTRO, limita(fora + 0.5, 0, 1));
            img.em(x0 + x, y) = c;
        }
    }
    // A fixed highlight on the glass, where the light source reflects.
    elipse(img, x0 + CX - 11, BOJO_Y - 12, 3.2, 5.0, rgb(255, 255, 255), 0.8);
    disco(img, x0 + CX - 13, BOJO_Y - 3, 1.3, rgb(255, 255, 255), 0.7);
    if (q > 0) {
        for (int y = 0; y < QUADRO_ALTURA; ++y) {
            for (int x = 0; x < QUADRO_LARGURA; ++x) {
                const double px = x + 0.5, py = y + 0.5;
                if (gota(px, py) - CONTORNO > 0.5)
                    continue;
                img.pinta(x0 + x, y, rgb(255, 255, 240), estrela(px, py, sparkX, sparkY, sparkRaio));
            }
        }
    }
}

}  // namespace

Imagem desenhaLogo()
{
    Imagem img(QUADROS * QUADRO_LARGURA, QUADRO_ALTURA, CHAVE_CINZA);
    for (int q = 0; q < QUADROS; ++q)
        quadro(img, q);
    return img;
}
