// Asset generator: the desktop icon. Every pixel is sampled AMOSTRAS_LADO² times against the
// rounded frame and the tiles, so the edges are smooth at 16 pixels as at 256. Depends on
// gfx.h (the title's valley) and the PNG writer of tools/previa.
#include "tools/gerador/imagens/icone.h"

#include <sys/stat.h>

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "tools/gerador/imagens/gfx.h"
#include "tools/previa/png.h"

const int LADOS_ICONE[7] = {16, 24, 32, 48, 64, 128, 256};

namespace {

constexpr int PECAS = 3;
// The square of the title's valley the board shows: the sun, the hills, the lake.
constexpr double VALE_X = 132, VALE_Y = 40, VALE_LADO = 180;
const Cor MOLDURA = rgb(44, 58, 104);  // the title name's outline
const Cor BURACO = rgb(40, 48, 68);

// Colour at (x, y) in units of the icon's side (0..1); false outside the rounded frame.
bool amostra(double x, double y, double lado, Cor& c)
{
    if (distanciaRetanguloRedondo(x, y, 0, 0, 1, 1, 0.18) > 0)
        return false;
    // A frame of at least one pixel, and gaps between the tiles of at least one pixel.
    const double borda = std::max(0.07, 1.0 / lado), vao = std::max(0.025, 1.0 / lado);
    const double peca = (1 - 2 * borda - (PECAS - 1) * vao) / PECAS;
    const double u = x - borda, v = y - borda;
    const int i = static_cast<int>(std::floor(u / (peca + vao)));
    const int j = static_cast<int>(std::floor(v / (peca + vao)));
    const double pu = u - i * (peca + vao), pv = v - j * (peca + vao);
    c = MOLDURA;
    if (i < 0 || j < 0 || i >= PECAS || j >= PECAS || pu > peca || pv > peca)
        return true;
    if (i == PECAS - 1 && j == PECAS - 1) {
        c = BURACO;
        return true;
    }
    const double escala = VALE_LADO / (1 - 2 * borda);
    c = vale(VALE_X + u * escala, VALE_Y + v * escala);
    // Each tile lit from the top left, as the title's are.
    const double bisel = std::max(1.0 / lado, 0.02);
    if (pu < bisel || pv < bisel)
        c = mistura(c, rgb(255, 255, 255), 0.4);
    else if (pu > peca - bisel || pv > peca - bisel)
        c = mistura(c, rgb(30, 40, 60), 0.4);
    return true;
}

unsigned char byte(double v) { return static_cast<unsigned char>(limita(std::lround(v), 0, 255)); }

}  // namespace

std::vector<unsigned char> desenhaIcone(int lado)
{
    std::vector<unsigned char> rgba;
    rgba.reserve(static_cast<size_t>(lado) * lado * 4);
    const double passo = 1.0 / (AMOSTRAS_LADO * lado);
    for (int y = 0; y < lado; ++y) {
        for (int x = 0; x < lado; ++x) {
            Cor soma;
            int n = 0;
            for (int sy = 0; sy < AMOSTRAS_LADO; ++sy) {
                for (int sx = 0; sx < AMOSTRAS_LADO; ++sx) {
                    Cor c;
                    if (amostra((x * AMOSTRAS_LADO + sx + 0.5) * passo,
                                (y * AMOSTRAS_LADO + sy + 0.5) * passo, lado, c)) {
                        soma = soma + c;
                        ++n;
                    }
                }
            }
            const Cor media = n > 0 ? soma * (1.0 / n) : Cor{};
            rgba.insert(rgba.end(), {byte(media.r), byte(media.g), byte(media.b),
                                     byte(255.0 * n / (AMOSTRAS_LADO * AMOSTRAS_LADO))});
        }
    }
    return rgba;
}

namespace {

// A launcher may cut a maskable icon down to a circle of 0.4 of its side around the centre; the
// rounded frame's corners lie 0.63 of the icon's own side from its centre, so at 0.62 of the
// side they stay inside.
constexpr double FRACAO_MASCARAVEL = 0.62;

std::vector<unsigned char> desenhaMascaravel(int lado)
{
    const int interno = static_cast<int>(std::lround(lado * FRACAO_MASCARAVEL));
    const int margem = (lado - interno) / 2;
    const std::vector<unsigned char> icone = desenhaIcone(interno);
    std::vector<unsigned char> rgba;
    rgba.reserve(static_cast<size_t>(lado) * lado * 4);
    for (int y = 0; y < lado; ++y) {
        for (int x = 0; x < lado; ++x) {
            const int u = x - margem, v = y - margem;
            Cor c = MOLDURA;
            if (u >= 0 && v >= 0 && u < interno && v < interno) {
                const unsigned char* p = &icone[(static_cast<size_t>(v) * interno + u) * 4];
                c = mistura(MOLDURA, rgb(p[0], p[1], p[2]), p[3] / 255.0);
            }
            rgba.insert(rgba.end(), {byte(c.r), byte(c.g), byte(c.b), 255});
        }
    }
    return rgba;
}

}  // namespace

bool geraIconesPagina(const std::string& raiz)
{
    const struct {
        const char* nome;
        int lado;
        bool mascaravel;
    } ICONES[] = {{"icone-192.png", 192, false},
                  {"icone-512.png", 512, false},
                  {"icone-mascaravel.png", 512, true}};
    bool ok = true;
    for (const auto& i : ICONES) {
        const std::string caminho = raiz + "/" + i.nome;
        const auto rgba = i.mascaravel ? desenhaMascaravel(i.lado) : desenhaIcone(i.lado);
        if (!salvaPngRgba(i.lado, i.lado, rgba, caminho)) {
            std::fprintf(stderr, "icones: %s\n", caminho.c_str());
            ok = false;
        }
    }
    return ok;
}

bool geraIcones(const std::string& raiz)
{
    bool ok = true;
    for (int lado : LADOS_ICONE) {
        const std::string pasta = raiz + "/" + std::to_string(lado) + "x" + std::to_string(lado);
        mkdir(pasta.c_str(), 0755);
        mkdir((pasta + "/apps").c_str(), 0755);
        if (!salvaPngRgba(lado, lado, desenhaIcone(lado), pasta + "/apps/corvela.png")) {
            std::fprintf(stderr, "icones: %s/apps/corvela.png\n", pasta.c_str());
            ok = false;
        }
    }
    return ok;
}
