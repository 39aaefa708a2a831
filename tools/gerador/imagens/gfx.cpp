// Asset generator: the small interface pictures: the side panel, the board cursor, the hole
// and the message box. Depends on base.h.
#include <algorithm>
#include <cmath>

#include "tools/gerador/imagens/gfx.h"

namespace {

constexpr int PAINEL_LARGURA = 80;
constexpr int PAINEL_ALTURA = 240;
// Grooves fall in the gaps between the panel's text rows (at y 5, 40, 60, 90, 180, 210).
constexpr int SULCOS[] = {29, 80, 170};
constexpr int PAINEL_MARGEM = 4;

constexpr int CELULA = 60;
constexpr int SELECAO_ESPESSURA = 4;
constexpr int CANTO_ESPESSURA = 4;     // the corner brackets, one pixel inside the ring
constexpr int CANTO_COMPRIMENTO = 16;

constexpr int MENSAGEM_LARGURA = 220;
constexpr int MENSAGEM_ALTURA = 110;
constexpr int SOMBRA = 4;
constexpr double MENSAGEM_RAIO = 12;
constexpr int BORDA = 2;
constexpr int FILETE = 5;  // inset of the thin inner line; text starts at 10

// Two bevel rings: lit from the top left.
void bisel(Imagem& img, int x0, int y0, int x1, int y1, Cor claro, Cor escuro)
{
    for (int x = x0; x <= x1; ++x) {
        img.em(x, y0) = claro;
        img.em(x, y1) = escuro;
    }
    for (int y = y0; y <= y1; ++y) {
        img.em(x0, y) = claro;
        img.em(x1, y) = escuro;
    }
}

void parafuso(Imagem& img, double cx, double cy)
{
    disco(img, cx + 0.5, cy + 0.5, 2.6, rgb(6, 8, 12));
    disco(img, cx, cy, 2.4, rgb(78, 86, 106));
    disco(img, cx - 0.5, cy - 0.5, 1.2, rgb(120, 128, 150));
    traco(img, cx - 1.6, cy + 1.6, cx + 1.6, cy - 1.6, 0.8, rgb(30, 34, 46));
}

}  // namespace

Imagem desenhaPainel()
{
    Imagem img(PAINEL_LARGURA, PAINEL_ALTURA, Cor{});
    for (int y = 0; y < PAINEL_ALTURA; ++y) {
        for (int x = 0; x < PAINEL_LARGURA; ++x) {
            const double t = double(y) / PAINEL_ALTURA;
            Cor c = mistura(rgb(34, 40, 58), rgb(18, 21, 32), t);
            // Brushed metal: fine horizontal streaks, a few levels either way.
            const double fio = fbm(x / 30.0, y / 1.3, 3, 41) - 0.5;
            c = c + rgb(1, 1, 1) * (fio * 14);
            img.em(x, y) = c;
        }
    }
    for (int y : SULCOS) {
        for (int x = PAINEL_MARGEM; x < PAINEL_LARGURA - PAINEL_MARGEM; ++x) {
            const double fim = std::min(x - PAINEL_MARGEM, PAINEL_LARGURA - PAINEL_MARGEM - 1 - x);
            const double a = limita(fim / 6.0, 0, 1);
            img.pinta(x, y, rgb(6, 8, 14), a);
            img.pinta(x, y + 1, rgb(70, 78, 102), a * 0.8);
        }
    }
    // A faint tile mark in the empty middle: three tiles and a gap.
    const int mx = 26, my = 116, lado = 13, vao = 2;
    for (int j = 0; j < 2; ++j) {
        for (int i = 0; i < 2; ++i) {
            if (i == 1 && j == 1)
                continue;
            const int x0 = mx + i * (lado + vao), y0 = my + j * (lado + vao);
            retangulo(img, x0, y0, x0 + lado - 1, y0 + lado - 1, rgb(44, 52, 74));
            bisel(img, x0, y0, x0 + lado - 1, y0 + lado - 1, rgb(60, 70, 98), rgb(26, 30, 44));
        }
    }
    bisel(img, 0, 0, PAINEL_LARGURA - 1, PAINEL_ALTURA - 1, rgb(92, 102, 130), rgb(4, 5, 8));
    bisel(img, 1, 1, PAINEL_LARGURA - 2, PAINEL_ALTURA - 2, rgb(56, 64, 86), rgb(10, 12, 18));
    parafuso(img, 7, 232);
    parafuso(img, PAINEL_LARGURA - 8, 232);
    return img;
}

Imagem desenhaSelecao()
{
    Imagem img(CELULA, CELULA, CHAVE_MAGENTA);
    // A ring along the edge plus an inner bracket in each corner, both outlined in dark so
    // the cursor shows on light and dark tiles alike.
    auto moldura = [](int x, int y) {
        if (x < 0 || y < 0 || x >= CELULA || y >= CELULA)
            return false;
        const int cx = std::min(x, CELULA - 1 - x), cy = std::min(y, CELULA - 1 - y);
        const int d = std::min(cx, cy);
        const bool canto = cx < CANTO_COMPRIMENTO && cy < CANTO_COMPRIMENTO;
        return d < SELECAO_ESPESSURA ||
               (canto && d > SELECAO_ESPESSURA && d <= SELECAO_ESPESSURA + CANTO_ESPESSURA);
    };
    for (int y = 0; y < CELULA; ++y) {
        for (int x = 0; x < CELULA; ++x) {
            if (!moldura(x, y))
                continue;
            const bool borda = x == 0 || y == 0 || x == CELULA - 1 || y == CELULA - 1 ||
                               !moldura(x - 1, y) || !moldura(x + 1, y) || !moldura(x, y - 1) ||
                               !moldura(x, y + 1);
            if (borda) {
                img.em(x, y) = rgb(24, 20, 12);
                continue;
            }
            // Gold, brighter towards the top left like the rest of the interface.
            const double luz = 1 - (x + y) / (2.0 * CELULA);
            img.em(x, y) = mistura(rgb(240, 160, 10), rgb(255, 246, 160), luz);
        }
    }
    return img;
}

Imagem desenhaBuraco()
{
    Imagem img(CELULA, CELULA, Cor{});
    for (int y = 0; y < CELULA; ++y) {
        for (int x = 0; x < CELULA; ++x) {
            const double n = fbm(x / 7.0, y / 7.0, 4, 51);
            Cor c = mistura(rgb(22, 24, 34), rgb(34, 38, 52), n);
            // The rim casts a shadow from the top left; the far walls catch a little light.
            const double sombra = std::max(suave(10, 0, x), suave(12, 0, y));
            c = mistura(c, rgb(4, 5, 8), 0.85 * sombra);
            const double vinheta = std::hypot(x - 34.0, y - 34.0) / 40.0;
            c = c * (1.05 - 0.25 * vinheta * vinheta);
            img.em(x, y) = c;
        }
    }
    for (int i = 2; i < CELULA; ++i) {
        img.pinta(CELULA - 1, i, rgb(74, 82, 108), 0.9);
        img.pinta(i, CELULA - 1, rgb(74, 82, 108), 0.9);
        img.pinta(CELULA - 2, i, rgb(52, 58, 78), 0.6);
        img.pinta(i, CELULA - 2, rgb(52, 58, 78), 0.6);
    }
    for (int i = 0; i < CELULA; ++i) {
        img.em(0, i) = rgb(2, 2, 4);
        img.em(i, 0) = rgb(2, 2, 4);
    }
    return img;
}

Imagem desenhaMensagem()
{
    Imagem img(MENSAGEM_LARGURA, MENSAGEM_ALTURA, CHAVE_MAGENTA);
    const double x1 = MENSAGEM_LARGURA - SOMBRA, y1 = MENSAGEM_ALTURA - SOMBRA;
    // The outline against the key is hard-edged: a blended edge would show a pink fringe.
    for (int y = 0; y < MENSAGEM_ALTURA; ++y) {
        for (int x = 0; x < MENSAGEM_LARGURA; ++x) {
            const double px = x + 0.5, py = y + 0.5;
            const double corpo = distanciaRetanguloRedondo(px, py, 0, 0, x1, y1, MENSAGEM_RAIO);
            const double sombra = distanciaRetanguloRedondo(px, py, SOMBRA, SOMBRA, x1 + SOMBRA,
                                                            y1 + SOMBRA, MENSAGEM_RAIO);
            if (corpo <= 0) {
                const double t = py / y1;
                Cor c = mistura(rgb(252, 250, 240), rgb(236, 230, 212), t);
                const double filete = distanciaRetanguloRedondo(
                    px, py, FILETE, FILETE, x1 - FILETE, y1 - FILETE, MENSAGEM_RAIO - FILETE);
                c = mistura(c, rgb(200, 186, 150), limita(1 - std::fabs(filete) * 1.4, 0, 1));
                if (corpo > -BORDA)
                    c = mistura(rgb(40, 54, 90), c, limita(-corpo - BORDA + 1, 0, 1));
                else if (corpo > -BORDA - 1)
                    c = mistura(c, rgb(255, 255, 255), 0.6);
                img.em(x, y) = c;
            } else if (sombra <= 0) {
                img.em(x, y) = rgb(34, 34, 48);
            }
        }
    }
    return img;
}
