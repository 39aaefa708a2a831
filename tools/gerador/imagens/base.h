// Asset generator: the drawing kit shared by every picture: a floating-point RGB canvas,
// a seeded PRNG, value noise, anti-aliased shapes and the BMP writer (through SDL surfaces,
// quantised and dithered to the handheld's 16-bit RGB565). Depends on SDL 1.2 only.
#ifndef CORVELA_GERADOR_IMAGENS_BASE_H
#define CORVELA_GERADOR_IMAGENS_BASE_H

#include <cstdint>
#include <string>
#include <vector>

// A colour with channels in 0..255 (values outside are clamped when saved).
struct Cor {
    double r = 0;
    double g = 0;
    double b = 0;
};

Cor rgb(int r, int g, int b);
Cor operator+(Cor a, Cor b);
Cor operator*(Cor a, double k);
// Linear blend: t = 0 gives a, t = 1 gives b.
Cor mistura(Cor a, Cor b, double t);
// Hue in turns (0..1, wraps), saturation and value in 0..1.
Cor hsv(double h, double s, double v);

double limita(double v, double lo, double hi);
// Hermite 0..1 step between a and b.
double suave(double a, double b, double v);

// Tiny deterministic generator (splitmix64): the same seed always draws the same picture.
class Sorteio {
public:
    explicit Sorteio(std::uint64_t semente) : estado_(semente) {}
    std::uint64_t proximo();
    double real();                       // [0, 1)
    double entre(double lo, double hi);  // [lo, hi)
    int inteiro(int lo, int hi);         // [lo, hi] inclusive
private:
    std::uint64_t estado_;
};

// Smooth value noise in [0, 1], period-free, one lattice cell per unit.
double ruido(double x, double y, std::uint32_t semente);
// Sum of octaves of ruido, normalised to [0, 1].
double fbm(double x, double y, int oitavas, std::uint32_t semente);

class Imagem {
public:
    Imagem(int largura, int altura, Cor fundo);
    int largura() const { return largura_; }
    int altura() const { return altura_; }
    bool dentro(int x, int y) const { return x >= 0 && y >= 0 && x < largura_ && y < altura_; }
    Cor& em(int x, int y) { return px_[static_cast<std::size_t>(y) * largura_ + x]; }
    const Cor& em(int x, int y) const { return px_[static_cast<std::size_t>(y) * largura_ + x]; }
    // Blends c over the pixel with the given opacity; outside the canvas does nothing.
    void pinta(int x, int y, Cor c, double alfa = 1.0);
private:
    int largura_;
    int altura_;
    std::vector<Cor> px_;
};

// Samples per pixel side for shapes given by an inside test.
constexpr int AMOSTRAS_LADO = 4;

// Fills every pixel of the box [x0,x1]x[y0,y1] by its covered fraction of the shape.
// dentroDe(x, y) takes continuous coordinates (pixel centres at +0.5).
template <class F>
void formaSuave(Imagem& img, int x0, int y0, int x1, int y1, F dentroDe, Cor c, double alfa = 1.0)
{
    const double passo = 1.0 / AMOSTRAS_LADO;
    for (int y = y0; y <= y1; ++y) {
        for (int x = x0; x <= x1; ++x) {
            if (!img.dentro(x, y))
                continue;
            int n = 0;
            for (int sy = 0; sy < AMOSTRAS_LADO; ++sy)
                for (int sx = 0; sx < AMOSTRAS_LADO; ++sx)
                    n += dentroDe(x + (sx + 0.5) * passo, y + (sy + 0.5) * passo) ? 1 : 0;
            if (n > 0)
                img.pinta(x, y, c, alfa * n / (AMOSTRAS_LADO * AMOSTRAS_LADO));
        }
    }
}

void retangulo(Imagem& img, int x0, int y0, int x1, int y1, Cor c, double alfa = 1.0);
void disco(Imagem& img, double cx, double cy, double raio, Cor c, double alfa = 1.0);
void elipse(Imagem& img, double cx, double cy, double rx, double ry, Cor c, double alfa = 1.0);
// A round-capped stroke from (x0,y0) to (x1,y1).
void traco(Imagem& img, double x0, double y0, double x1, double y1, double espessura, Cor c,
           double alfa = 1.0);
struct Ponto {
    double x;
    double y;
};
void poligono(Imagem& img, const std::vector<Ponto>& pts, Cor c, double alfa = 1.0);
// Signed distance from (px, py) to a rounded rectangle's edge: negative inside.
double distanciaRetanguloRedondo(double px, double py, double x0, double y0, double x1, double y1,
                                 double raio);
// Rectangle with rounded corners, anti-aliased.
void retanguloRedondo(Imagem& img, double x0, double y0, double x1, double y1, double raio, Cor c,
                      double alfa = 1.0);
// A soft glow: opacity falls from alfa at the centre to 0 at raio.
void brilho(Imagem& img, double cx, double cy, double raio, Cor c, double alfa);
// A small flying bird: two curved wings.
void passaro(Imagem& img, double cx, double cy, double envergadura, Cor c);

// RGB565 value the game sees for an 8-bit colour (it converts every picture to 16 bits).
std::uint16_t rgb565(int r, int g, int b);

// Writes a 24-bit BMP, quantised to RGB565 with ordered dithering so gradients do not band.
// With a key colour, pixels exactly equal to it stay exactly the key; every other pixel is
// nudged off the key's RGB565 value so it cannot vanish.
bool salvaBmp(const Imagem& img, const std::string& caminho, const Cor* chave = nullptr);

#endif
