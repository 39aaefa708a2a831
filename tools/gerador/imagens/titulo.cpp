// Asset generator: gfx/title.bmp, the picture behind the main menu: a pastel dawn valley cut
// into slightly shifted square tiles (one of them sliding into the hole), a framed light
// plaque where the menu rows go, and the name in the top band. Depends on base.h and
// SDL_ttf (the name is set in DejaVu Sans Bold, which Debian ships).
#include <SDL.h>
#include <SDL_ttf.h>

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "tools/gerador/imagens/gfx.h"

namespace {

constexpr int LARGURA = 320;
constexpr int ALTURA = 240;
constexpr int LADO_PECA = 40;
constexpr int DESVIO_MAX = 2;          // how far a tile's picture may be shifted
constexpr int COLUNA_BURACO = 7;       // the empty tile, right of the plaque
constexpr int LINHA_BURACO = 4;
constexpr int DESLIZE = 13;            // the tile above the hole is caught mid-slide
constexpr int MOLDURA = 4;
constexpr int PLACA_X0 = 62, PLACA_Y0 = 63, PLACA_X1 = 255, PLACA_Y1 = 219;
constexpr double PLACA_RAIO = 9;
constexpr double PLACA_OPACIDADE = 0.95;
constexpr int TAMANHO_NOME = 46;
constexpr int NOME_Y = 6;
constexpr int CONTORNO_NOME = 2;
const char* const FONTE = "/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf";
const char* const NOME = "Corvela";

double cumeDistante(double x) { return 132 - 22 * fbm(x / 70.0, 0.5, 4, 11) - 10 * std::sin(x / 45.0); }
double cumeProximo(double x) { return 162 - 16 * fbm(x / 50.0, 3.5, 4, 12) + 6 * std::sin(x / 31.0 + 1); }
constexpr double LAGO_TOPO = 178;
constexpr double LAGO_BASE = 200;

Cor ceu(double x, double y)
{
    const double t = limita(y / 150.0, 0, 1);
    Cor c = mistura(rgb(118, 164, 222), rgb(250, 222, 196), t * t);
    const double sol = std::hypot(x - 252, y - 112);
    c = mistura(c, rgb(255, 246, 214), 0.85 * std::exp(-sol / 34.0));
    const double nuvem = suave(0.52, 0.78, fbm(x / 60.0, y / 18.0, 5, 21));
    return mistura(c, rgb(255, 252, 248), 0.8 * nuvem * (1 - t * 0.6));
}

// The valley before it is cut: sky, two ranges of hills, a lake and a meadow.
Cor paisagem(double x, double y)
{
    if (y < cumeDistante(x)) {
        return ceu(x, y);
    }
    if (y < cumeProximo(x)) {
        const double n = fbm(x / 25.0, y / 25.0, 3, 31);
        return mistura(rgb(150, 150, 196), rgb(176, 170, 210), n + (y - 120) / 90.0);
    }
    if (y < LAGO_TOPO) {
        const double n = fbm(x / 14.0, y / 9.0, 4, 32);
        return mistura(rgb(112, 168, 112), rgb(160, 200, 130), n);
    }
    if (y < LAGO_BASE) {
        // The lake mirrors the sky, broken by ripples.
        const double espelho = LAGO_TOPO - (y - LAGO_TOPO) * 4;
        Cor c = mistura(ceu(x, espelho), rgb(84, 136, 200), 0.5);
        const double onda = std::sin(x / 5.0 + y * 1.7 + 3 * ruido(x / 30.0, y / 4.0, 33));
        return mistura(c, rgb(255, 255, 255), 0.18 * suave(0.6, 1.0, onda));
    }
    const double n = fbm(x / 10.0, y / 6.0, 4, 34);
    Cor c = mistura(rgb(96, 150, 84), rgb(140, 186, 96), n);
    const double flor = ruido(x / 2.5, y / 2.5, 35);
    if (flor > 0.9)
        c = mistura(c, (int(x) / 9) % 2 ? rgb(250, 240, 140) : rgb(250, 180, 200), 0.6);
    return c;
}

void arvore(Imagem& img, double x, double base, double altura)
{
    traco(img, x, base, x, base - altura * 0.35, 2.2, rgb(96, 72, 56));
    disco(img, x, base - altura * 0.62, altura * 0.3, rgb(74, 128, 82));
    disco(img, x - altura * 0.1, base - altura * 0.72, altura * 0.18, rgb(104, 158, 98));
}

// Cuts the valley into tiles: each tile shows the picture shifted a pixel or two and gets a
// bevel, so the screen reads as a puzzle board; one tile is empty and the one above it is
// caught sliding down into it.
void peca(Imagem& img, const Imagem& fonte, int tx, int ty, int dx, int dy, int desliza)
{
    for (int y = 0; y < LADO_PECA; ++y) {
        for (int x = 0; x < LADO_PECA; ++x) {
            const int px = tx * LADO_PECA + x, py = ty * LADO_PECA + y;
            Cor c = fonte.em(std::clamp(px + dx, 0, LARGURA - 1), std::clamp(py + dy, 0, ALTURA - 1));
            if (x == 0 || y == 0)
                c = mistura(c, rgb(255, 255, 255), 0.45);
            else if (x == LADO_PECA - 1 || y == LADO_PECA - 1)
                c = mistura(c, rgb(30, 40, 60), 0.4);
            if (img.dentro(px, py + desliza))
                img.em(px, py + desliza) = c;
        }
    }
}

void cortaEmPecas(Imagem& img, const Imagem& fonte)
{
    Sorteio s(0xC0471A);
    int deslizaDx = 0, deslizaDy = 0;
    for (int ty = 0; ty < ALTURA / LADO_PECA; ++ty) {
        for (int tx = 0; tx < LARGURA / LADO_PECA; ++tx) {
            const int dx = s.inteiro(-DESVIO_MAX, DESVIO_MAX), dy = s.inteiro(-DESVIO_MAX, DESVIO_MAX);
            if (tx == COLUNA_BURACO && ty == LINHA_BURACO - 1) {
                deslizaDx = dx;
                deslizaDy = dy;
            } else if (tx != COLUNA_BURACO || ty != LINHA_BURACO) {
                peca(img, fonte, tx, ty, dx, dy, 0);
            }
        }
    }
    // The hole spans the empty tile and the strip the sliding tile has left behind.
    const int x0 = COLUNA_BURACO * LADO_PECA, y0 = (LINHA_BURACO - 1) * LADO_PECA;
    for (int y = y0; y < y0 + 2 * LADO_PECA; ++y) {
        for (int x = x0; x < x0 + LADO_PECA; ++x) {
            const double fundo = 0.75 + 0.25 * double(y - y0) / (2 * LADO_PECA);
            img.em(x, y) = rgb(40, 48, 68) * (x - x0 < 3 ? 0.6 : fundo);
        }
    }
    retangulo(img, x0, y0 + DESLIZE + LADO_PECA, x0 + LADO_PECA - 1, y0 + DESLIZE + LADO_PECA + 3,
              rgb(10, 14, 24), 0.5);
    peca(img, fonte, COLUNA_BURACO, LINHA_BURACO - 1, deslizaDx, deslizaDy, DESLIZE);
}

void moldura(Imagem& img)
{
    for (int y = 0; y < ALTURA; ++y) {
        for (int x = 0; x < LARGURA; ++x) {
            const int borda = std::min(std::min(x, y), std::min(LARGURA - 1 - x, ALTURA - 1 - y));
            if (borda >= MOLDURA)
                continue;
            Cor c = rgb(58, 74, 104);
            if (borda == 0)
                c = rgb(28, 34, 52);
            else if (borda == MOLDURA - 1)
                c = rgb(230, 236, 246);
            else if (x < y && x < LARGURA - 1 - x)
                c = rgb(78, 96, 132);
            img.em(x, y) = c;
        }
    }
}

void placa(Imagem& img)
{
    retanguloRedondo(img, PLACA_X0 + 3, PLACA_Y0 + 4, PLACA_X1 + 3, PLACA_Y1 + 4, PLACA_RAIO,
                     rgb(20, 30, 50), 0.35);
    retanguloRedondo(img, PLACA_X0, PLACA_Y0, PLACA_X1, PLACA_Y1, PLACA_RAIO, rgb(70, 88, 124));
    retanguloRedondo(img, PLACA_X0 + 2, PLACA_Y0 + 2, PLACA_X1 - 2, PLACA_Y1 - 2, PLACA_RAIO - 2,
                     rgb(252, 250, 244));
    // Faint warm-to-cool wash so the plaque is not a flat slab; kept within a few levels.
    for (int y = PLACA_Y0 + 3; y <= PLACA_Y1 - 3; ++y) {
        for (int x = PLACA_X0 + 3; x <= PLACA_X1 - 3; ++x) {
            const double t = double(y - PLACA_Y0) / (PLACA_Y1 - PLACA_Y0);
            const Cor alvo = mistura(rgb(248, 244, 232), rgb(236, 240, 246), t);
            img.pinta(x, y, alvo, PLACA_OPACIDADE);
        }
    }
}

// Composites an 8-bit alpha mask of the rendered name at (x, y), in one colour.
void carimba(Imagem& img, SDL_Surface* texto, int x, int y, Cor c, bool degrade)
{
    SDL_LockSurface(texto);
    for (int j = 0; j < texto->h; ++j) {
        const Uint32* linha = reinterpret_cast<const Uint32*>(static_cast<Uint8*>(texto->pixels) +
                                                              j * texto->pitch);
        for (int i = 0; i < texto->w; ++i) {
            Uint8 r, g, b, a;
            SDL_GetRGBA(linha[i], texto->format, &r, &g, &b, &a);
            Cor cor = c;
            if (degrade)
                cor = mistura(rgb(255, 255, 255), rgb(255, 214, 150), double(j) / texto->h);
            img.pinta(x + i, y + j, cor, a / 255.0);
        }
    }
    SDL_UnlockSurface(texto);
}

bool nome(Imagem& img)
{
    // Leave SDL_ttf as we found it: the tests run this next to code that uses fonts.
    const bool jaIniciado = TTF_WasInit() != 0;
    if (!jaIniciado && TTF_Init() != 0) {
        std::fprintf(stderr, "imagens: TTF_Init: %s\n", TTF_GetError());
        return false;
    }
    TTF_Font* fonte = TTF_OpenFont(FONTE, TAMANHO_NOME);
    SDL_Surface* texto = nullptr;
    if (fonte != nullptr) {
        const SDL_Color branco = {255, 255, 255, 0};
        texto = TTF_RenderText_Blended(fonte, NOME, branco);
    }
    if (texto == nullptr) {
        std::fprintf(stderr, "imagens: nome do titulo: %s\n", TTF_GetError());
        if (fonte != nullptr)
            TTF_CloseFont(fonte);
        if (!jaIniciado)
            TTF_Quit();
        return false;
    }
    const int x = (LARGURA - texto->w) / 2;
    carimba(img, texto, x + 3, NOME_Y + 3, rgb(20, 30, 60), false);
    for (int oy = -CONTORNO_NOME; oy <= CONTORNO_NOME; ++oy)
        for (int ox = -CONTORNO_NOME; ox <= CONTORNO_NOME; ++ox)
            if (ox * ox + oy * oy <= CONTORNO_NOME * CONTORNO_NOME + 1)
                carimba(img, texto, x + ox, NOME_Y + oy, rgb(44, 58, 104), false);
    carimba(img, texto, x, NOME_Y, Cor{}, true);
    SDL_FreeSurface(texto);
    TTF_CloseFont(fonte);
    if (!jaIniciado)
        TTF_Quit();
    return true;
}

}  // namespace

Cor vale(double x, double y) { return paisagem(x, y); }

bool desenhaTitulo(Imagem& img)
{
    img = Imagem(LARGURA, ALTURA, Cor{});
    Imagem fonte(LARGURA, ALTURA, Cor{});
    for (int y = 0; y < ALTURA; ++y)
        for (int x = 0; x < LARGURA; ++x)
            fonte.em(x, y) = paisagem(x + 0.5, y + 0.5);
    const double arvores[][3] = {{24, 182, 34}, {40, 186, 24}, {284, 180, 30}, {300, 186, 40},
                                 {12, 226, 44}, {306, 230, 46}};
    for (const auto& a : arvores)
        arvore(fonte, a[0], a[1], a[2]);
    passaro(fonte, 276, 84, 9, rgb(70, 80, 110));
    passaro(fonte, 292, 94, 7, rgb(70, 80, 110));
    passaro(fonte, 36, 96, 8, rgb(70, 80, 110));
    cortaEmPecas(img, fonte);
    placa(img);
    moldura(img);
    return nome(img);
}
