// Asset generator: two landscape puzzle pictures: a mountain valley at sunrise with a lake
// and pines, and a hill town at dusk above a river. Both keep detail in every 60x60 cell
// (clouds, birds, stars, ripples) so each tile can be placed by eye. Depends on base.h.
#include <algorithm>
#include <cmath>

#include "tools/gerador/imagens/fundos.h"

namespace {

constexpr int L = FUNDO_LADO;

// ---- Valley ---------------------------------------------------------------------------

constexpr double VALE_HORIZONTE = 112;
constexpr double VALE_LAGO = 150;     // shore line: the lake mirrors what is above it
constexpr double VALE_MARGEM = 186;   // near shore: meadow from here down
constexpr double SOL_X = 176, SOL_Y = 70;

double colina(double x) { return 122 + 16 * fbm(x / 40.0, 7.7, 4, 72) - 8 * std::sin(x / 37.0); }

Cor ceuVale(double x, double y)
{
    const double t = limita(y / VALE_HORIZONTE, 0, 1);
    Cor c = t < 0.6 ? mistura(rgb(58, 92, 170), rgb(150, 140, 190), t / 0.6)
                    : mistura(rgb(150, 140, 190), rgb(255, 196, 150), (t - 0.6) / 0.4);
    const double sol = std::hypot(x - SOL_X, y - SOL_Y);
    c = mistura(c, rgb(255, 232, 180), 0.75 * std::exp(-sol / 40.0));
    // Streaky clouds, lit from below by the low sun.
    const double n = fbm(x / 55.0, y / 14.0, 5, 73);
    const double nuvem = suave(0.5, 0.72, n) * (1 - 0.5 * t);
    const Cor tom = mistura(rgb(255, 226, 214), rgb(250, 160, 120), suave(0.55, 0.8, n) * 0.6);
    c = mistura(c, tom, 0.85 * nuvem);
    return mistura(c, rgb(255, 250, 230), limita(12.5 - sol, 0, 1));
}

struct Pico {
    double x, y, declive, nevoa;
};
// Back range first; the front range is drawn over it.
const Pico PICOS[] = {{30, 50, 0.95, 0.45}, {112, 36, 0.85, 0.45}, {214, 46, 0.9, 0.45},
                      {-6, 80, 0.7, 0.2},   {78, 70, 0.8, 0.2},   {158, 86, 0.85, 0.2},
                      {246, 74, 0.75, 0.2}};

double cumePico(const Pico& p, double x)
{
    return p.y + std::fabs(x - p.x) * p.declive + 7 * fbm(x / 16.0, p.x, 3, 71) - 3.5;
}

// Colour of the peak at (x, y), or false when the point lies above its outline.
bool montanha(double x, double y, Cor& c)
{
    bool achou = false;
    for (const Pico& p : PICOS) {
        const double topo = cumePico(p, x);
        if (y < topo)
            continue;
        achou = true;
        // The sun is to the right: the right face is lit, the crest line wavers down.
        const double crista = p.x + 6 * (fbm(y / 12.0, p.x, 3, 74) - 0.5) + (y - p.y) * 0.15;
        const double luz = suave(-1.5, 1.5, x - crista);
        const double veio = fbm((x - crista) / 3.0 + y / 9.0, y / 30.0, 3, 75);
        Cor cor = mistura(rgb(86, 84, 142), rgb(214, 150, 160), luz) * (0.85 + 0.3 * veio);
        const double linhaNeve = p.y + 16 + 10 * fbm(x / 5.0, p.y, 3, 76);
        if (y < linhaNeve)
            cor = mistura(rgb(170, 176, 226), rgb(255, 240, 228), luz) * (0.95 + 0.1 * veio);
        cor = mistura(cor, rgb(196, 170, 200), p.nevoa + suave(70, 130, y) * 0.4);
        c = cor;
    }
    return achou;
}

Cor bosque(double x, double y)
{
    const double t = (y - colina(x)) / 30.0;
    Cor c = mistura(rgb(62, 110, 96), rgb(36, 74, 62), limita(t, 0, 1));
    // Tree crowns as a scalloped texture.
    const double copa = ruido(x / 3.2, y / 2.6, 76);
    c = c * (0.8 + 0.35 * copa);
    return mistura(c, rgb(240, 170, 110), 0.25 * (1 - limita(t * 2, 0, 1)));
}

void pinheiro(Imagem& img, double x, double base, double altura, double escuro)
{
    traco(img, x, base, x, base - altura * 0.2, std::max(1.5, altura * 0.07), rgb(70, 50, 40));
    const int camadas = 4;
    for (int i = 0; i < camadas; ++i) {
        const double topo = base - altura * (0.15 + 0.85 * (i + 1) / camadas) - altura * 0.12;
        const double baixo = base - altura * (0.15 + 0.8 * i / camadas);
        const double meia = altura * 0.3 * (1 - 0.18 * i);
        const Cor cor = mistura(rgb(40, 92, 60), rgb(18, 48, 38), escuro);
        poligono(img, {{x, topo}, {x + meia, baixo}, {x - meia, baixo}}, cor);
        poligono(img, {{x, topo}, {x + meia, baixo}, {x + meia * 0.3, baixo}}, rgb(120, 150, 80), 0.35);
    }
}

}  // namespace

Imagem desenhaVale()
{
    Imagem img(L, L, Cor{});
    for (int y = 0; y < VALE_LAGO; ++y) {
        for (int x = 0; x < L; ++x) {
            const double px = x + 0.5, py = y + 0.5;
            Cor c;
            if (!montanha(px, py, c))
                c = ceuVale(px, py);
            if (py > colina(px))
                c = bosque(px, py);
            img.em(x, y) = c;
        }
    }
    Sorteio s(0x7A1E);
    for (int i = 0; i < 5; ++i)
        passaro(img, s.entre(20, 120), s.entre(14, 56), s.entre(5, 8), rgb(60, 50, 80));
    // The lake: a rippled, darker mirror of the valley.
    for (int y = static_cast<int>(VALE_LAGO); y < L; ++y) {
        for (int x = 0; x < L; ++x) {
            const double fundo = y - VALE_LAGO;
            const double onda = 2.2 * std::sin(y * 0.9 + 4 * ruido(x / 18.0, y / 3.0, 77));
            const int sy = std::clamp(static_cast<int>(VALE_LAGO - 1 - fundo * 1.6), 0, L - 1);
            const int sx = std::clamp(static_cast<int>(x + onda), 0, L - 1);
            Cor c = mistura(img.em(sx, sy), rgb(40, 70, 120), 0.3 + fundo / 200.0);
            const double brilho = ruido(x / 3.0, y * 1.3, 78);
            if (std::fabs(x - SOL_X) < 10 + fundo * 0.3 && brilho > 0.75)
                c = mistura(c, rgb(255, 230, 190), 0.45);
            img.em(x, y) = c;
        }
    }
    // Near shore and meadow, with a path down to the water.
    for (int y = 0; y < L; ++y) {
        for (int x = 0; x < L; ++x) {
            const double px = x + 0.5, py = y + 0.5;
            const double margem = VALE_MARGEM + 8 * std::sin(px / 30.0) + 6 * fbm(px / 20.0, 3, 3, 79);
            if (py < margem)
                continue;
            const double n = fbm(px / 9.0, py / 4.0, 4, 80);
            Cor c = mistura(rgb(70, 120, 56), rgb(136, 170, 72), n);
            c = mistura(c, rgb(255, 200, 130), 0.2 * suave(margem + 20, margem, py));
            const double trilha = std::fabs(px - (130 + (py - 200) * 1.4 + 6 * std::sin(py / 9.0)));
            if (trilha < (py - margem) * 0.35 + 2)
                c = mistura(rgb(200, 168, 120), rgb(160, 126, 90), ruido(px / 2.0, py / 2.0, 81));
            if (py - margem < 1.5)
                c = mistura(c, rgb(230, 210, 170), 0.7);
            img.em(x, y) = c;
        }
    }
    for (int i = 0; i < 70; ++i) {
        const double y = s.entre(200, 240);
        const Cor cor = i % 3 == 0 ? rgb(250, 240, 120) : (i % 3 == 1 ? rgb(240, 120, 150) : rgb(250, 250, 250));
        disco(img, s.entre(0, L), y, 0.7 + (y - 200) / 40.0, cor, 0.9);
    }
    const double pinheiros[][3] = {{14, 214, 66}, {34, 226, 84}, {4, 236, 58},  {58, 200, 40},
                                   {206, 210, 60}, {226, 228, 86}, {190, 196, 34}, {236, 202, 50}};
    for (const auto& p : pinheiros)
        pinheiro(img, p[0], p[1], p[2], (p[1] - 190) / 50.0);
    return img;
}

// ---- Town at dusk ---------------------------------------------------------------------

namespace {

constexpr double VILA_RIO = 196;

Cor ceuVila(double x, double y, Sorteio& estrelas)
{
    const double t = limita(y / 170.0, 0, 1);
    Cor c = t < 0.5 ? mistura(rgb(22, 24, 74), rgb(110, 60, 130), t / 0.5)
                    : mistura(rgb(110, 60, 130), rgb(250, 150, 90), (t - 0.5) / 0.5);
    // The sun has just set behind the hills on the left: the glow leans that way.
    const double brasa = std::exp(-std::hypot((x + 20) * 0.7, y - 150) / 70.0);
    c = mistura(c, rgb(255, 170, 90), 0.8 * brasa);
    const double n = fbm(x / 70.0, y / 10.0, 5, 91);
    c = mistura(c, mistura(rgb(240, 120, 130), rgb(255, 200, 140), brasa),
                0.7 * suave(0.5, 0.72, n) * (0.3 + t));
    if (estrelas.real() < 0.012 * (1 - t))
        c = mistura(c, rgb(255, 250, 220), estrelas.entre(0.4, 1.0));
    return c;
}

struct Casa {
    double x, base, largura, altura;
    Cor parede;
    bool empena;  // pitched roof, otherwise flat with a parapet
};

void janela(Imagem& img, double x, double y, double l, double a, bool acesa)
{
    if (acesa) {
        brilho(img, x + l / 2, y + a / 2, l * 1.6, rgb(255, 190, 90), 0.35);
        retangulo(img, int(x), int(y), int(x + l) - 1, int(y + a) - 1, rgb(255, 214, 120));
        retangulo(img, int(x), int(y + a / 2), int(x + l) - 1, int(y + a / 2), rgb(150, 90, 50));
    } else {
        retangulo(img, int(x), int(y), int(x + l) - 1, int(y + a) - 1, rgb(30, 28, 50));
    }
}

void casa(Imagem& img, const Casa& c, Sorteio& s, double nevoa)
{
    const Cor ar = rgb(120, 70, 120);
    const Cor parede = mistura(c.parede, ar, nevoa);
    const double topo = c.base - c.altura;
    retangulo(img, int(c.x), int(topo), int(c.x + c.largura) - 1, int(c.base), parede);
    retangulo(img, int(c.x + c.largura) - 3, int(topo), int(c.x + c.largura) - 1, int(c.base),
              parede * 0.7);
    const Cor telhado = mistura(rgb(120, 50, 44), ar, nevoa);
    if (c.empena) {
        poligono(img, {{c.x - 2, topo + 1}, {c.x + c.largura / 2, topo - c.largura * 0.45},
                       {c.x + c.largura + 2, topo + 1}}, telhado);
        traco(img, c.x + c.largura * 0.72, topo - c.largura * 0.3, c.x + c.largura * 0.72,
              topo - c.largura * 0.5, 3, telhado * 0.8);
    } else {
        retangulo(img, int(c.x - 1), int(topo - 2), int(c.x + c.largura), int(topo), telhado * 0.9);
    }
    const double tam = std::max(3.0, c.largura / 7);
    for (double wy = topo + 4; wy < c.base - tam - 2; wy += tam * 2.2)
        for (double wx = c.x + 4; wx < c.x + c.largura - tam - 3; wx += tam * 2)
            janela(img, wx, wy, tam, tam * 1.3, s.real() < 0.55);
}

void torre(Imagem& img, double x, double base)
{
    const Cor pedra = rgb(150, 110, 130);
    retangulo(img, int(x), int(base - 78), int(x + 16), int(base), pedra);
    retangulo(img, int(x + 12), int(base - 78), int(x + 16), int(base), pedra * 0.7);
    poligono(img, {{x - 2, base - 77}, {x + 8.5, base - 108}, {x + 19, base - 77}}, rgb(70, 80, 110));
    disco(img, x + 8.5, base - 62, 5, rgb(250, 236, 190));
    traco(img, x + 8.5, base - 62, x + 8.5, base - 65.5, 1, rgb(60, 40, 40));
    traco(img, x + 8.5, base - 62, x + 11, base - 62, 1, rgb(60, 40, 40));
    janela(img, x + 5, base - 45, 7, 12, true);
    traco(img, x + 8.5, base - 108, x + 8.5, base - 116, 1.2, rgb(60, 50, 60));
    traco(img, x + 5.5, base - 113, x + 11.5, base - 113, 1.2, rgb(60, 50, 60));
}

}  // namespace

Imagem desenhaVila()
{
    Imagem img(L, L, Cor{});
    Sorteio estrelas(0x5EA5);
    for (int y = 0; y < L; ++y)
        for (int x = 0; x < L; ++x)
            img.em(x, y) = ceuVila(x + 0.5, y + 0.5, estrelas);
    // Crescent moon: a disc with a sky-coloured bite.
    disco(img, 190, 38, 11, rgb(255, 246, 214));
    disco(img, 195, 34, 10, ceuVila(196, 34, estrelas));
    brilho(img, 190, 38, 28, rgb(255, 240, 200), 0.22);
    // Far hills.
    for (int x = 0; x < L; ++x) {
        const double topo = 120 + 18 * fbm(x / 50.0, 2.2, 4, 92);
        for (int y = int(topo); y < L; ++y)
            img.em(x, y) = mistura(rgb(92, 56, 104), rgb(60, 40, 80), (y - topo) / 60.0);
    }
    // The town climbs a hill: rows of houses from the back (small, hazy) to the front.
    Sorteio s(0xCA5A);
    const Cor paredes[] = {rgb(230, 200, 160), rgb(210, 150, 120), rgb(180, 190, 210),
                           rgb(230, 220, 200), rgb(200, 170, 190), rgb(190, 210, 170)};
    const double fileiras[][3] = {{140, 0.6, 0.55}, {160, 0.8, 0.35}, {180, 1.0, 0.15}, {198, 1.2, 0.0}};
    bool temTorre = false;
    for (int f = 0; f < 4; ++f) {
        const double baseLinha = fileiras[f][0], escala = fileiras[f][1], nevoa = fileiras[f][2];
        double x = -s.entre(0, 12);
        while (x < L) {
            Casa c;
            c.largura = s.entre(16, 30) * escala;
            c.x = x;
            const double colinaY = std::fabs(x + c.largura / 2 - 110) * 0.22;
            c.base = baseLinha + colinaY + s.entre(-2, 2);
            c.altura = s.entre(14, 30) * escala;
            c.parede = paredes[s.inteiro(0, 5)] * 0.75;
            c.empena = s.real() < 0.7;
            casa(img, c, s, nevoa);
            if (f == 1 && !temTorre && x > 96) {
                torre(img, x + c.largura + 1, baseLinha + 6);
                temTorre = true;
            }
            x += c.largura + s.entre(1, 5);
        }
    }
    // River with the lights reflected in long wavering streaks.
    for (int y = int(VILA_RIO); y < L; ++y) {
        for (int x = 0; x < L; ++x) {
            const double fundo = y - VILA_RIO;
            const double onda = 1.5 * std::sin(y * 0.8 + 4 * ruido(x / 20.0, y / 3.0, 93));
            const int sy = std::clamp(int(VILA_RIO - 1 - fundo * 1.6), 0, L - 1);
            const int sx = std::clamp(int(x + onda), 0, L - 1);
            Cor c = mistura(img.em(sx, sy), rgb(30, 30, 70), 0.4 + fundo / 180.0);
            const double marola = std::sin(y * 2.1 + 6 * ruido(x / 12.0, y / 2.0, 94));
            c = mistura(c, rgb(190, 140, 170), 0.2 * suave(0.8, 1.0, marola));
            img.em(x, y) = c;
        }
    }
    for (int x = 0; x < L; ++x) {
        img.em(x, int(VILA_RIO)) = rgb(70, 50, 70);
        img.em(x, int(VILA_RIO) + 1) = rgb(110, 80, 90);
    }
    // A lamp-lit quay along the water.
    for (int i = 0; i < 5; ++i) {
        const double lx = 18 + i * 50;
        traco(img, lx, VILA_RIO - 1, lx, VILA_RIO - 14, 1.2, rgb(30, 24, 40));
        brilho(img, lx, VILA_RIO - 15, 9, rgb(255, 210, 120), 0.6);
        disco(img, lx, VILA_RIO - 15, 1.8, rgb(255, 240, 190));
    }
    return img;
}
