// Asset generator: the drawing kit (canvas, PRNG, noise, shapes, BMP writer).
// Depends on SDL 1.2 for the surface and SDL_SaveBMP.
#include "tools/gerador/imagens/base.h"

#include <SDL.h>

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace {

constexpr int NIVEIS_5 = 31;  // RGB565 red/blue levels
constexpr int NIVEIS_6 = 63;  // RGB565 green levels
constexpr int BAYER_LADO = 4;
constexpr int BAYER[BAYER_LADO][BAYER_LADO] = {
    {0, 8, 2, 10}, {12, 4, 14, 6}, {3, 11, 1, 9}, {15, 7, 13, 5}};
constexpr double IGUAL_CHAVE = 1e-6;

std::uint32_t mistura32(std::uint32_t v)
{
    v ^= v >> 16;
    v *= 0x7feb352dU;
    v ^= v >> 15;
    v *= 0x846ca68bU;
    v ^= v >> 16;
    return v;
}

double valorRede(int x, int y, std::uint32_t semente)
{
    std::uint32_t h = mistura32(static_cast<std::uint32_t>(x) * 0x9E3779B1U ^
                                mistura32(static_cast<std::uint32_t>(y) + semente * 0x85EBCA77U));
    return (h & 0xFFFFFFU) / static_cast<double>(0xFFFFFF);
}

double quintica(double t) { return t * t * t * (t * (t * 6 - 15) + 10); }

// Quantises one channel to `niveis` levels with the threshold t in [0,1) and expands the
// result back to 8 bits exactly as the 565 conversion will read it.
int quantiza(double v, int niveis, double t, int bitsBaixos)
{
    int q = static_cast<int>(std::floor(limita(v, 0, 255) * niveis / 255.0 + t));
    q = std::clamp(q, 0, niveis);
    const int bits = niveis == NIVEIS_6 ? 6 : 5;
    return (q << (8 - bits)) | (q >> bitsBaixos);
}

}  // namespace

Cor rgb(int r, int g, int b) { return Cor{double(r), double(g), double(b)}; }
Cor operator+(Cor a, Cor b) { return Cor{a.r + b.r, a.g + b.g, a.b + b.b}; }
Cor operator*(Cor a, double k) { return Cor{a.r * k, a.g * k, a.b * k}; }
Cor mistura(Cor a, Cor b, double t) { return a * (1 - t) + b * t; }

Cor hsv(double h, double s, double v)
{
    h = (h - std::floor(h)) * 6;
    const int i = static_cast<int>(h) % 6;
    const double f = h - std::floor(h);
    const double p = v * (1 - s), q = v * (1 - s * f), t = v * (1 - s * (1 - f));
    double r = v, g = t, b = p;
    switch (i) {
    case 1: r = q; g = v; b = p; break;
    case 2: r = p; g = v; b = t; break;
    case 3: r = p; g = q; b = v; break;
    case 4: r = t; g = p; b = v; break;
    case 5: r = v; g = p; b = q; break;
    default: break;
    }
    return Cor{r * 255, g * 255, b * 255};
}

double limita(double v, double lo, double hi) { return v < lo ? lo : (v > hi ? hi : v); }

double suave(double a, double b, double v)
{
    const double t = limita((v - a) / (b - a), 0, 1);
    return t * t * (3 - 2 * t);
}

std::uint64_t Sorteio::proximo()
{
    std::uint64_t z = (estado_ += 0x9E3779B97F4A7C15ULL);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    return z ^ (z >> 31);
}

double Sorteio::real() { return (proximo() >> 11) * (1.0 / 9007199254740992.0); }
double Sorteio::entre(double lo, double hi) { return lo + (hi - lo) * real(); }
int Sorteio::inteiro(int lo, int hi)
{
    return lo + static_cast<int>(proximo() % static_cast<std::uint64_t>(hi - lo + 1));
}

double ruido(double x, double y, std::uint32_t semente)
{
    const double fx = std::floor(x), fy = std::floor(y);
    const int ix = static_cast<int>(fx), iy = static_cast<int>(fy);
    const double tx = quintica(x - fx), ty = quintica(y - fy);
    const double a = valorRede(ix, iy, semente), b = valorRede(ix + 1, iy, semente);
    const double c = valorRede(ix, iy + 1, semente), d = valorRede(ix + 1, iy + 1, semente);
    return (a + (b - a) * tx) * (1 - ty) + (c + (d - c) * tx) * ty;
}

double fbm(double x, double y, int oitavas, std::uint32_t semente)
{
    double soma = 0, peso = 1, total = 0, escala = 1;
    for (int i = 0; i < oitavas; ++i) {
        soma += peso * ruido(x * escala, y * escala, semente + 101U * i);
        total += peso;
        peso *= 0.5;
        escala *= 2.03;
    }
    return soma / total;
}

Imagem::Imagem(int largura, int altura, Cor fundo)
    : largura_(largura), altura_(altura), px_(static_cast<std::size_t>(largura) * altura, fundo)
{
}

void Imagem::pinta(int x, int y, Cor c, double alfa)
{
    if (!dentro(x, y) || alfa <= 0)
        return;
    Cor& p = em(x, y);
    p = alfa >= 1 ? c : mistura(p, c, alfa);
}

void retangulo(Imagem& img, int x0, int y0, int x1, int y1, Cor c, double alfa)
{
    for (int y = y0; y <= y1; ++y)
        for (int x = x0; x <= x1; ++x)
            img.pinta(x, y, c, alfa);
}

void elipse(Imagem& img, double cx, double cy, double rx, double ry, Cor c, double alfa)
{
    const int x0 = static_cast<int>(std::floor(cx - rx - 1)), x1 = static_cast<int>(cx + rx + 1);
    const int y0 = static_cast<int>(std::floor(cy - ry - 1)), y1 = static_cast<int>(cy + ry + 1);
    const double rMedio = std::sqrt(rx * ry);
    for (int y = y0; y <= y1; ++y) {
        for (int x = x0; x <= x1; ++x) {
            const double dx = (x + 0.5 - cx) / rx, dy = (y + 0.5 - cy) / ry;
            const double d = (std::sqrt(dx * dx + dy * dy) - 1) * rMedio;
            img.pinta(x, y, c, alfa * limita(0.5 - d, 0, 1));
        }
    }
}

void disco(Imagem& img, double cx, double cy, double raio, Cor c, double alfa)
{
    elipse(img, cx, cy, raio, raio, c, alfa);
}

void traco(Imagem& img, double x0, double y0, double x1, double y1, double espessura, Cor c,
           double alfa)
{
    const double r = espessura / 2;
    const int bx0 = static_cast<int>(std::floor(std::min(x0, x1) - r - 1));
    const int bx1 = static_cast<int>(std::max(x0, x1) + r + 1);
    const int by0 = static_cast<int>(std::floor(std::min(y0, y1) - r - 1));
    const int by1 = static_cast<int>(std::max(y0, y1) + r + 1);
    const double vx = x1 - x0, vy = y1 - y0;
    const double comp2 = std::max(vx * vx + vy * vy, 1e-9);
    for (int y = by0; y <= by1; ++y) {
        for (int x = bx0; x <= bx1; ++x) {
            const double px = x + 0.5 - x0, py = y + 0.5 - y0;
            const double t = limita((px * vx + py * vy) / comp2, 0, 1);
            const double dx = px - t * vx, dy = py - t * vy;
            const double d = std::sqrt(dx * dx + dy * dy) - r;
            img.pinta(x, y, c, alfa * limita(0.5 - d, 0, 1));
        }
    }
}

void poligono(Imagem& img, const std::vector<Ponto>& pts, Cor c, double alfa)
{
    if (pts.size() < 3)
        return;
    double x0 = pts[0].x, x1 = x0, y0 = pts[0].y, y1 = y0;
    for (const Ponto& p : pts) {
        x0 = std::min(x0, p.x); x1 = std::max(x1, p.x);
        y0 = std::min(y0, p.y); y1 = std::max(y1, p.y);
    }
    auto dentroDe = [&pts](double x, double y) {
        bool in = false;
        for (std::size_t i = 0, j = pts.size() - 1; i < pts.size(); j = i++) {
            const Ponto& a = pts[i];
            const Ponto& b = pts[j];
            if ((a.y > y) != (b.y > y) && x < (b.x - a.x) * (y - a.y) / (b.y - a.y) + a.x)
                in = !in;
        }
        return in;
    };
    formaSuave(img, static_cast<int>(std::floor(x0)), static_cast<int>(std::floor(y0)),
               static_cast<int>(x1), static_cast<int>(y1), dentroDe, c, alfa);
}

double distanciaRetanguloRedondo(double px, double py, double x0, double y0, double x1, double y1,
                                 double raio)
{
    const double cx = (x0 + x1) / 2, cy = (y0 + y1) / 2;
    const double hx = (x1 - x0) / 2 - raio, hy = (y1 - y0) / 2 - raio;
    const double qx = std::fabs(px - cx) - hx, qy = std::fabs(py - cy) - hy;
    const double fora = std::hypot(std::max(qx, 0.0), std::max(qy, 0.0));
    return fora + std::min(std::max(qx, qy), 0.0) - raio;
}

void retanguloRedondo(Imagem& img, double x0, double y0, double x1, double y1, double raio, Cor c,
                      double alfa)
{
    for (int y = static_cast<int>(std::floor(y0)); y <= static_cast<int>(y1); ++y) {
        for (int x = static_cast<int>(std::floor(x0)); x <= static_cast<int>(x1); ++x) {
            const double d = distanciaRetanguloRedondo(x + 0.5, y + 0.5, x0, y0, x1, y1, raio);
            img.pinta(x, y, c, alfa * limita(0.5 - d, 0, 1));
        }
    }
}

void brilho(Imagem& img, double cx, double cy, double raio, Cor c, double alfa)
{
    for (int y = static_cast<int>(cy - raio); y <= static_cast<int>(cy + raio); ++y) {
        for (int x = static_cast<int>(cx - raio); x <= static_cast<int>(cx + raio); ++x) {
            const double d = std::hypot(x + 0.5 - cx, y + 0.5 - cy) / raio;
            if (d < 1)
                img.pinta(x, y, c, alfa * (1 - d) * (1 - d));
        }
    }
}

void passaro(Imagem& img, double cx, double cy, double envergadura, Cor c)
{
    const double m = envergadura / 2;
    const double esp = std::max(1.0, envergadura / 7);
    traco(img, cx - m, cy - m * 0.35, cx - m * 0.45, cy - m * 0.5, esp, c);
    traco(img, cx - m * 0.45, cy - m * 0.5, cx, cy, esp, c);
    traco(img, cx, cy, cx + m * 0.45, cy - m * 0.5, esp, c);
    traco(img, cx + m * 0.45, cy - m * 0.5, cx + m, cy - m * 0.35, esp, c);
}

std::uint16_t rgb565(int r, int g, int b)
{
    return static_cast<std::uint16_t>(((r >> 3) << 11) | ((g >> 2) << 5) | (b >> 3));
}

bool salvaBmp(const Imagem& img, const std::string& caminho, const Cor* chave)
{
    SDL_Surface* s = SDL_CreateRGBSurface(SDL_SWSURFACE, img.largura(), img.altura(), 24,
                                          0xFF0000, 0x00FF00, 0x0000FF, 0);
    if (s == nullptr) {
        std::fprintf(stderr, "imagens: superficie para %s: %s\n", caminho.c_str(), SDL_GetError());
        return false;
    }
    std::uint16_t chave565 = 0;
    if (chave != nullptr)
        chave565 = rgb565(static_cast<int>(chave->r), static_cast<int>(chave->g),
                          static_cast<int>(chave->b));
    for (int y = 0; y < img.altura(); ++y) {
        Uint8* linha = static_cast<Uint8*>(s->pixels) + y * s->pitch;
        for (int x = 0; x < img.largura(); ++x) {
            const Cor& c = img.em(x, y);
            int r, g, b;
            const bool eChave = chave != nullptr && std::fabs(c.r - chave->r) < IGUAL_CHAVE &&
                                std::fabs(c.g - chave->g) < IGUAL_CHAVE &&
                                std::fabs(c.b - chave->b) < IGUAL_CHAVE;
            if (eChave) {
                r = static_cast<int>(chave->r);
                g = static_cast<int>(chave->g);
                b = static_cast<int>(chave->b);
            } else {
                const double t = (BAYER[y % BAYER_LADO][x % BAYER_LADO] + 0.5) / 16.0;
                r = quantiza(c.r, NIVEIS_5, t, 2);
                g = quantiza(c.g, NIVEIS_6, t, 4);
                b = quantiza(c.b, NIVEIS_5, t, 2);
                if (chave != nullptr && rgb565(r, g, b) == chave565) {
                    // Step green one 6-bit level away from the key: invisible to the eye.
                    const int q = (g >> 2) > 0 ? (g >> 2) - 1 : 1;
                    g = (q << 2) | (q >> 4);
                }
            }
            // 24-bit SDL surfaces with these masks store blue, green, red in memory.
            linha[x * 3 + 0] = static_cast<Uint8>(b);
            linha[x * 3 + 1] = static_cast<Uint8>(g);
            linha[x * 3 + 2] = static_cast<Uint8>(r);
        }
    }
    const bool ok = SDL_SaveBMP(s, caminho.c_str()) == 0;
    if (!ok)
        std::fprintf(stderr, "imagens: incapaz de gravar %s: %s\n", caminho.c_str(), SDL_GetError());
    SDL_FreeSurface(s);
    return ok;
}
