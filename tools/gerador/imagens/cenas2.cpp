// Asset generator: two more scene puzzle pictures: a harbour at midday (lighthouse on a
// headland, sailing boats, a wooden pier) and a flower meadow under a summer sky with a path
// winding to the hills. Depends on base.h.
#include <algorithm>
#include <cmath>
#include <vector>

#include "tools/gerador/imagens/fundos.h"

namespace {

constexpr int L = FUNDO_LADO;

// Daytime sky with heaped clouds, shaded grey underneath.
Cor ceuDia(double x, double y, double horizonte, std::uint32_t semente)
{
    const double t = limita(y / horizonte, 0, 1);
    Cor c = mistura(rgb(74, 136, 220), rgb(206, 228, 246), t * t);
    const double n = fbm(x / 46.0, y / 22.0, 5, semente) + 0.12 * (1 - t);
    const double abaixo = fbm(x / 46.0, (y + 5) / 22.0, 5, semente);
    const double nuvem = suave(0.56, 0.66, n);
    const Cor tom = mistura(rgb(255, 255, 255), rgb(170, 184, 210), limita((abaixo - n) * 9 + 0.4, 0, 1));
    return mistura(c, tom, nuvem);
}

// ---- Harbour --------------------------------------------------------------------------

constexpr double PORTO_HORIZONTE = 116;
constexpr double PIER_Y = 188;

double promontorio(double x)
{
    return 84 + 0.006 * (x - 30) * (x - 30) + 6 * fbm(x / 12.0, 0.5, 3, 111);
}

Cor mar(double x, double y)
{
    const double t = (y - PORTO_HORIZONTE) / (L - PORTO_HORIZONTE);
    Cor c = mistura(rgb(90, 150, 200), rgb(20, 72, 136), std::sqrt(limita(t, 0, 1)));
    const double escala = 0.5 + t * 6;
    const double w = ruido(x / (3 * escala), y / (0.45 * escala + 0.3), 112);
    // Glitter from the sun, high on the right, thins out towards the left.
    const double brilhoSol = suave(60, 230, x) * (1 - t * 0.5);
    c = mistura(c, rgb(220, 240, 255), (0.45 + 0.5 * brilhoSol) * suave(0.76 - 0.1 * brilhoSol, 0.9, w));
    return mistura(c, rgb(10, 40, 90), 0.4 * suave(0.3, 0.1, w));
}

void farol(Imagem& img, double x, double base)
{
    const double alto = 64, baseL = 8, topoL = 5.5;
    for (int i = 0; i < int(alto); ++i) {
        const double y = base - i;
        const double meia = baseL + (topoL - baseL) * i / alto;
        const Cor cor = (i / 11) % 2 ? rgb(240, 240, 236) : rgb(206, 48, 44);
        retangulo(img, int(x - meia), int(y), int(x + meia), int(y), cor);
        retangulo(img, int(x + meia * 0.4), int(y), int(x + meia), int(y), cor * 0.8);
    }
    const double topo = base - alto;
    retangulo(img, int(x - 8), int(topo - 2), int(x + 8), int(topo), rgb(40, 40, 50));
    retangulo(img, int(x - 4), int(topo - 10), int(x + 4), int(topo - 3), rgb(255, 236, 150));
    traco(img, x, topo - 10, x, topo - 3, 1, rgb(60, 60, 70));
    poligono(img, {{x - 6, topo - 10}, {x, topo - 17}, {x + 6, topo - 10}}, rgb(40, 40, 50));
    brilho(img, x, topo - 6, 16, rgb(255, 250, 200), 0.5);
    retangulo(img, int(x - 2), int(base - 24), int(x + 1), int(base - 18), rgb(60, 40, 40));
}

void barco(Imagem& img, double x, double y, double escala, Cor casco, Cor vela)
{
    const double l = 20 * escala, a = 5 * escala;
    // Reflection first, then the hull and the sail.
    for (int i = 0; i < int(a * 2); ++i)
        retangulo(img, int(x - l / 2 + i % 3), int(y + a + i), int(x + l / 2 - 2), int(y + a + i),
                  casco * 0.7, 0.35 * (1 - i / (a * 2)));
    poligono(img, {{x - l / 2, y}, {x + l / 2, y}, {x + l / 2 - a, y + a}, {x - l / 2 + a * 0.7, y + a}}, casco);
    retangulo(img, int(x - l / 2), int(y), int(x + l / 2) - 1, int(y + std::max(1.0, escala)), rgb(250, 250, 240));
    traco(img, x, y, x, y - 26 * escala, std::max(1.0, escala), rgb(70, 50, 40));
    poligono(img, {{x + 1, y - 25 * escala}, {x + 1, y - 2 * escala}, {x + 13 * escala, y - 2 * escala}}, vela);
    poligono(img, {{x - 1, y - 22 * escala}, {x - 1, y - 2 * escala}, {x - 9 * escala, y - 2 * escala}},
             vela * 0.85);
}

void pier(Imagem& img, Sorteio& s)
{
    const double x0 = 128;
    for (double px = x0 + 4; px < L; px += 18) {
        retangulo(img, int(px), int(PIER_Y), int(px + 3), L - 1, rgb(70, 48, 34));
        retangulo(img, int(px), int(PIER_Y) + 30, int(px + 3), L - 1, rgb(40, 60, 60), 0.5);
    }
    for (int y = int(PIER_Y - 8); y < int(PIER_Y); ++y) {
        for (int x = int(x0); x < L; ++x) {
            const int tabua = (x - int(x0) + (y % 2) * 7) / 14;
            Cor c = mistura(rgb(150, 108, 70), rgb(120, 84, 54), ruido(x / 6.0, tabua * 3.1, 113));
            if ((x - int(x0)) % 14 == 0 || y == int(PIER_Y) - 1)
                c = c * 0.6;
            img.em(x, y) = c;
        }
    }
    // Crates, a coil of rope, bollards.
    retangulo(img, 196, int(PIER_Y) - 20, 209, int(PIER_Y) - 9, rgb(170, 120, 64));
    retangulo(img, 210, int(PIER_Y) - 16, 221, int(PIER_Y) - 9, rgb(150, 100, 56));
    traco(img, 196, PIER_Y - 20, 209, PIER_Y - 9, 1, rgb(110, 74, 40));
    traco(img, 209, PIER_Y - 20, 196, PIER_Y - 9, 1, rgb(110, 74, 40));
    disco(img, 176, PIER_Y - 11, 4.5, rgb(200, 180, 120));
    disco(img, 176, PIER_Y - 11, 2, rgb(150, 120, 80));
    for (double bx : {140.0, 232.0}) {
        retangulo(img, int(bx), int(PIER_Y) - 14, int(bx + 3), int(PIER_Y) - 8, rgb(40, 40, 46));
        retangulo(img, int(bx - 1), int(PIER_Y) - 15, int(bx + 4), int(PIER_Y) - 14, rgb(60, 60, 66));
    }
    passaro(img, 186, PIER_Y - 26 + s.entre(-1, 1), 6, rgb(250, 250, 250));
}

}  // namespace

Imagem desenhaPorto()
{
    Imagem img(L, L, Cor{});
    for (int y = 0; y < L; ++y) {
        for (int x = 0; x < L; ++x) {
            const double px = x + 0.5, py = y + 0.5;
            img.em(x, y) = py < PORTO_HORIZONTE ? ceuDia(px, py, PORTO_HORIZONTE, 110) : mar(px, py);
        }
    }
    // A far island on the horizon.
    for (int x = 150; x < L; ++x) {
        const double topo = PORTO_HORIZONTE - 10 * std::sin((x - 150) / 90.0 * 3.14159) -
                            3 * fbm(x / 8.0, 1, 3, 114);
        for (int y = int(topo); y < int(PORTO_HORIZONTE); ++y)
            img.em(x, y) = mistura(rgb(110, 150, 170), rgb(140, 176, 190), (y - topo) / 12.0);
    }
    // The headland: grass on top, rock faces below.
    for (int y = 0; y < L; ++y) {
        for (int x = 0; x < 130; ++x) {
            const double px = x + 0.5, py = y + 0.5;
            const double topo = promontorio(px);
            const double pe = 132 + 10 * fbm(px / 15.0, 4, 3, 115);
            const double flanco = 98 + (py - 108) * 0.7 + 8 * fbm(py / 8.0, 2, 3, 116);
            if (py < topo || py > pe || px > flanco)
                continue;
            const double n = fbm(px / 7.0, py / 5.0, 4, 117);
            Cor c = mistura(rgb(120, 106, 96), rgb(176, 160, 140), n);
            c = c * (1.05 - 0.35 * suave(topo, pe, py) - 0.2 * suave(50, 100, px));
            // Strata and cracks in the rock.
            const double estrato = std::sin(py * 0.55 + px * 0.12 + 6 * n);
            c = c * (1 - 0.22 * suave(0.75, 0.95, estrato));
            if (ruido(px / 4.0, py / 1.2, 118) > 0.8)
                c = c * 0.8;
            if (py < topo + 5 + 3 * n)
                c = mistura(rgb(80, 140, 60), rgb(130, 180, 80), n);
            img.em(x, y) = c;
            if (py > pe - 2)
                img.em(x, y) = rgb(236, 244, 250);
        }
    }
    farol(img, 36, promontorio(36) + 4);
    retangulo(img, 54, int(promontorio(60)) - 8, 70, int(promontorio(60)) + 2, rgb(236, 226, 200));
    poligono(img, {{52, promontorio(60) - 8}, {62, promontorio(60) - 16}, {72, promontorio(60) - 8}},
             rgb(170, 70, 50));
    retangulo(img, 60, int(promontorio(60)) - 4, 63, int(promontorio(60)) + 2, rgb(80, 60, 50));
    barco(img, 128, 128, 0.55, rgb(200, 60, 50), rgb(250, 246, 236));
    barco(img, 196, 138, 0.8, rgb(40, 80, 160), rgb(250, 226, 120));
    barco(img, 92, 166, 1.15, rgb(230, 180, 50), rgb(250, 250, 244));
    Sorteio s(0x9071);
    pier(img, s);
    barco(img, 158, 214, 1.3, rgb(60, 130, 110), rgb(240, 120, 90));
    for (int i = 0; i < 6; ++i)
        passaro(img, s.entre(80, 230), s.entre(12, 80), s.entre(5, 9), rgb(250, 250, 255));
    // A line of mooring buoys and a rowing boat in the near water.
    for (int i = 0; i < 6; ++i) {
        const double bx = 8 + i * 22, by = 200 + i * 5 + s.entre(-2, 2);
        disco(img, bx, by + 2, 3, rgb(10, 40, 80), 0.4);
        disco(img, bx, by, 2.4, i % 2 ? rgb(240, 240, 230) : rgb(230, 60, 40));
    }
    poligono(img, {{40, 222}, {82, 222}, {76, 230}, {46, 230}}, rgb(140, 80, 50));
    retangulo(img, 40, 221, 81, 222, rgb(230, 210, 170));
    traco(img, 52, 224, 34, 236, 1.5, rgb(200, 170, 120));
    traco(img, 70, 224, 90, 237, 1.5, rgb(200, 170, 120));
    for (int i = 0; i < 10; ++i)
        retangulo(img, 42 + i, 231 + i / 4, 80 - i, 231 + i / 4, rgb(70, 40, 30), 0.3);
    return img;
}

// ---- Flower meadow --------------------------------------------------------------------

namespace {

constexpr double PRADO_TOPO = 92;

double trilha(double y)
{
    const double t = (y - PRADO_TOPO) / (L - PRADO_TOPO);
    return 96 + 40 * t * t + 14 * std::sin(t * 5);
}

struct Flor {
    double x, y, tamanho;
    Cor petala, miolo;
};

void desenhaFlor(Imagem& img, const Flor& f)
{
    if (f.tamanho < 1.4) {
        disco(img, f.x, f.y, f.tamanho, f.petala);
        return;
    }
    const double r = f.tamanho * 0.55;
    traco(img, f.x, f.y, f.x, f.y + f.tamanho * 2.2, std::max(1.0, f.tamanho * 0.22), rgb(50, 110, 40));
    for (int i = 0; i < 5; ++i) {
        const double a = i * 2 * 3.14159 / 5 + f.x;
        disco(img, f.x + std::cos(a) * r, f.y + std::sin(a) * r, r * 0.85, f.petala);
    }
    disco(img, f.x, f.y, r * 0.6, f.miolo);
}

void girassol(Imagem& img, double x, double y, double r)
{
    traco(img, x + 2, y, x - 4, L + 4, r * 0.22, rgb(60, 120, 40));
    poligono(img, {{x - 2, y + r * 2.5}, {x - r * 1.6, y + r * 2.0}, {x - r * 1.2, y + r * 2.9}},
             rgb(70, 140, 50));
    for (int i = 0; i < 14; ++i) {
        const double a = i * 2 * 3.14159 / 14;
        traco(img, x, y, x + std::cos(a) * r, y + std::sin(a) * r, r * 0.38, rgb(250, 196, 30));
    }
    disco(img, x, y, r * 0.5, rgb(110, 64, 30));
    disco(img, x - r * 0.1, y - r * 0.1, r * 0.3, rgb(140, 90, 40));
}

void borboleta(Imagem& img, double x, double y)
{
    elipse(img, x - 3, y - 2, 3, 2.4, rgb(250, 140, 40));
    elipse(img, x + 3, y - 2, 3, 2.4, rgb(250, 140, 40));
    elipse(img, x - 2.4, y + 1.5, 2, 1.6, rgb(230, 110, 30));
    elipse(img, x + 2.4, y + 1.5, 2, 1.6, rgb(230, 110, 30));
    traco(img, x, y - 3, x, y + 3, 1, rgb(40, 30, 30));
}

}  // namespace

Imagem desenhaFlores()
{
    Imagem img(L, L, Cor{});
    for (int y = 0; y < L; ++y) {
        for (int x = 0; x < L; ++x) {
            const double px = x + 0.5, py = y + 0.5;
            Cor c = ceuDia(px, py, 80, 120);
            const double colinas = 66 + 10 * fbm(px / 40.0, 0.3, 3, 121);
            const double arvores = 82 - 9 * ruido(px / 5.0, 0.5, 122) - 4 * fbm(px / 30.0, 1, 2, 123);
            if (py > colinas)
                c = mistura(rgb(120, 160, 170), rgb(100, 140, 130), (py - colinas) / 20.0);
            if (py > arvores)
                c = mistura(rgb(40, 90, 50), rgb(70, 120, 60), ruido(px / 3.0, py / 3.0, 124));
            if (py > PRADO_TOPO) {
                const double t = (py - PRADO_TOPO) / (L - PRADO_TOPO);
                const double n = fbm(px / (6 + 20 * t), py / (3 + 8 * t), 4, 125);
                c = mistura(mistura(rgb(150, 190, 90), rgb(60, 130, 50), t), rgb(200, 220, 110), n * 0.4);
                const double meia = 2 + 22 * t * t;
                if (std::fabs(px - trilha(py)) < meia + 2 * (ruido(py / 2, 1, 126) - 0.5))
                    c = mistura(rgb(214, 186, 140), rgb(176, 146, 104), ruido(px / 2.0, py / 2.0, 127));
            }
            img.em(x, y) = c;
        }
    }
    disco(img, 206, 26, 12, rgb(255, 250, 220));
    brilho(img, 206, 26, 34, rgb(255, 250, 220), 0.5);
    // Flowers, far to near; which kind grows where follows a broad noise field.
    Sorteio s(0xF10A);
    std::vector<Flor> flores;
    for (int i = 0; i < 2400; ++i) {
        const double t = s.real();
        const double y = PRADO_TOPO + 2 + t * t * (L - PRADO_TOPO);
        const double x = s.entre(-4, L + 4);
        const double tt = (y - PRADO_TOPO) / (L - PRADO_TOPO);
        if (std::fabs(x - trilha(y)) < 4 + 22 * tt * tt)
            continue;
        const double campo = fbm(x / 48.0, y / 36.0, 3, 128);
        Flor f{x, y, 0.7 + tt * 3.6 * s.entre(0.8, 1.2), rgb(220, 40, 40), rgb(40, 20, 20)};
        if (campo > 0.56 && campo < 0.6) {
            f.petala = rgb(70, 110, 230);
            f.miolo = rgb(40, 60, 140);
        } else if (campo > 0.6) {
            f.petala = rgb(250, 250, 246);
            f.miolo = rgb(250, 200, 40);
        } else if (campo > 0.47) {
            f.petala = hsv(0.75 + s.entre(-0.03, 0.03), 0.5, 0.85);
            f.miolo = f.petala * 0.8;
        } else if (campo > 0.38) {
            f.petala = rgb(250, 210, 50);
            f.miolo = rgb(200, 120, 20);
        }
        flores.push_back(f);
    }
    std::sort(flores.begin(), flores.end(), [](const Flor& a, const Flor& b) { return a.y < b.y; });
    for (const Flor& f : flores)
        desenhaFlor(img, f);
    // A fence running off towards the trees on the left.
    for (int i = 0; i < 7; ++i) {
        const double t = i / 6.0;
        const double x = 6 + 64 * t, y = 176 - 66 * t, a = 22 - 14 * t;
        traco(img, x, y, x, y - a, 3.5 - 2 * t, rgb(100, 70, 44));
    }
    traco(img, 6, 160, 70, 102, 2.2, rgb(150, 116, 76));
    traco(img, 6, 168, 70, 106, 2.0, rgb(150, 116, 76));
    girassol(img, 26, 206, 14);
    girassol(img, 54, 224, 11);
    borboleta(img, 150, 150);
    borboleta(img, 196, 118);
    return img;
}
