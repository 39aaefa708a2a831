// MidiaTeste: what the media and screen tests share: the dummy 320x240x16 video mode, a
// scratch directory with small BMP files, surfaces, pixel reads, counts and compares, and the
// game's cell font.
#ifndef CORVELA_MIDIATESTE_H
#define CORVELA_MIDIATESTE_H

#include <SDL.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "engine/media/pixela.h"
#include "tests/apoio/ArquivosTemporarios.h"

const char* const FONTE_CELULA = "data/fonts/coure.fon";
const int CELULA = 8;  // pixels per character of FONTE_CELULA

using Superficie = std::unique_ptr<SDL_Surface, void (*)(SDL_Surface*)>;
struct Cor {
    Uint8 r, g, b;
    bool operator==(const Cor& o) const { return r == o.r && g == o.g && b == o.b; }
};
inline std::ostream& operator<<(std::ostream& os, const Cor& c)
{
    return os << "(" << int(c.r) << "," << int(c.g) << "," << int(c.b) << ")";
}
struct Area { SDL_Rect r; Cor cor; };
const Cor BRANCO = {255, 255, 255}, VERDE = {0, 255, 0}, VERMELHO = {255, 0, 0},
          MAGENTA = {255, 0, 255}, AMARELO = {255, 255, 0};

// A software surface filled with fundo: 565 at 16 bits, 888 at 24 and 32, and at 8 bits a
// palette of greys, index i = (i, i, i).
inline Superficie novaSuperficie(int bpp, int w, int h, Uint32 fundo = 0)
{
    const bool m565 = bpp == 16;
    Superficie s(SDL_CreateRGBSurface(SDL_SWSURFACE, w, h, bpp, m565 ? 0xF800 : 0,
                                      m565 ? 0x07E0 : 0, m565 ? 0x001F : 0, 0),
                 SDL_FreeSurface);
    for (int i = 0; bpp == 8 && i < 256; ++i) {
        SDL_Color cinza = {Uint8(i), Uint8(i), Uint8(i), 0};
        SDL_SetColors(s.get(), &cinza, i, 1);
    }
    SDL_FillRect(s.get(), nullptr, fundo);
    return s;
}

inline Cor corEm(SDL_Surface* s, int x, int y)
{
    Cor c;
    SDL_GetRGB(pixela(s, x, y), s->format, &c.r, &c.g, &c.b);
    return c;
}

// Pixels of the rectangle (clipped to the surface) whose value is valor, or with igual
// false, is not.
inline int contaPixels(SDL_Surface* s, int x, int y, int w, int h, Uint32 valor, bool igual = true)
{
    int total = 0;
    for (int j = std::max(y, 0); j < std::min(y + h, s->h); ++j)
        for (int i = std::max(x, 0); i < std::min(x + w, s->w); ++i)
            total += (pixela(s, i, j) == valor) == igual;
    return total;
}
inline int contaCor(SDL_Surface* s, int x, int y, int w, int h, Cor c)
{
    return contaPixels(s, x, y, w, h, SDL_MapRGB(s->format, c.r, c.g, c.b));
}
// Whether any pixel of the rectangle differs from fundo.
inline bool temTinta(SDL_Surface* s, int x, int y, int w, int h, Uint32 fundo = 0)
{
    return contaPixels(s, x, y, w, h, fundo, false) > 0;
}
// Pixels of b that differ from those of a under it, b laid at (x, y) of a (same format).
inline int diferencas(SDL_Surface* a, SDL_Surface* b, int x = 0, int y = 0)
{
    int total = 0;
    for (int j = 0; j < b->h; ++j)
        for (int i = 0; i < b->w; ++i)
            total += pixela(a, x + i, y + j) != pixela(b, i, j);
    return total;
}

// Writes a 24-bit w x h BMP in fundo with the areas painted over it.
inline bool gravaBmp(const std::string& caminho, int w, int h, Cor fundo,
                     const std::vector<Area>& areas = {})
{
    Superficie s = novaSuperficie(24, w, h);
    SDL_FillRect(s.get(), nullptr, SDL_MapRGB(s->format, fundo.r, fundo.g, fundo.b));
    for (Area a : areas)
        SDL_FillRect(s.get(), &a.r, SDL_MapRGB(s->format, a.cor.r, a.cor.g, a.cor.b));
    return SDL_SaveBMP(s.get(), caminho.c_str()) == 0;
}

class MidiaTeste : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_EQ(SDL_Init(SDL_INIT_VIDEO), 0) << SDL_GetError();
        tela = SDL_SetVideoMode(320, 240, 16, 0);
        ASSERT_NE(tela, nullptr) << SDL_GetError();
        SDL_FillRect(tela, nullptr, 0);
    }
    void TearDown() override { SDL_Quit(); }

    // gravaBmp's picture in the scratch directory; returns its path.
    std::string bmp(const std::string& nome, int w, int h, Cor fundo,
                    const std::vector<Area>& areas = {})
    {
        EXPECT_TRUE(gravaBmp(temp.caminho(nome), w, h, fundo, areas));
        return temp.caminho(nome);
    }

    SDL_Surface* tela = nullptr;
    DiretorioTemporario temp;
};

#endif
