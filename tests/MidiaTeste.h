// MidiaTeste: what the media tests share: the dummy 320x240x16 video mode, a scratch
// directory with small BMP files, surfaces, pixel reads and comparisons, and the game's cell
// font.
#ifndef CORVELA_MIDIATESTE_H
#define CORVELA_MIDIATESTE_H

#include <SDL.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "engine/media/pixela.h"
#include "tests/ArquivosTemporarios.h"

const char* const FONTE_CELULA = "data/fonts/coure.fon";
const int CELULA = 8;  // pixels per character of FONTE_CELULA

using Superficie = std::unique_ptr<SDL_Surface, void (*)(SDL_Surface*)>;
struct Cor { Uint8 r, g, b; };
struct Area { SDL_Rect r; Cor cor; };

// A software surface filled with fundo: 565 at 16 bits, 888 at 24 and 32, and at 8 bits a
// palette of greys, index i = (i, i, i).
inline Superficie novaSuperficie(int bpp, int w, int h, Uint32 fundo = 0)
{
    const bool m565 = bpp == 16;
    Superficie s(SDL_CreateRGBSurface(SDL_SWSURFACE, w, h, bpp, m565 ? 0xF800 : 0,
                                      m565 ? 0x07E0 : 0, m565 ? 0x001F : 0, 0),
                 SDL_FreeSurface);
    SDL_Color cinzas[256];
    for (int i = 0; i < 256; ++i)
        cinzas[i] = {Uint8(i), Uint8(i), Uint8(i), 0};
    if (bpp == 8)
        SDL_SetColors(s.get(), cinzas, 0, 256);
    SDL_FillRect(s.get(), nullptr, fundo);
    return s;
}

// Whether any pixel of the rectangle (clipped to the surface) differs from fundo.
inline bool temTinta(SDL_Surface* s, int x, int y, int w, int h, Uint32 fundo = 0)
{
    for (int j = std::max(y, 0); j < std::min(y + h, s->h); ++j)
        for (int i = std::max(x, 0); i < std::min(x + w, s->w); ++i)
            if (pixela(s, i, j) != fundo)
                return true;
    return false;
}

// Whether two surfaces of one size and format hold the same pixels.
inline bool iguais(SDL_Surface* a, SDL_Surface* b)
{
    for (int y = 0; y < a->h; ++y)
        for (int x = 0; x < a->w; ++x)
            if (pixela(a, x, y) != pixela(b, x, y))
                return false;
    return true;
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

    // Writes a 24-bit w x h BMP in fundo with the areas painted over it; returns its path.
    std::string bmp(const std::string& nome, int w, int h, Cor fundo,
                    const std::vector<Area>& areas = {})
    {
        Superficie s = novaSuperficie(24, w, h);
        SDL_FillRect(s.get(), nullptr, SDL_MapRGB(s->format, fundo.r, fundo.g, fundo.b));
        for (Area a : areas)
            SDL_FillRect(s.get(), &a.r, SDL_MapRGB(s->format, a.cor.r, a.cor.g, a.cor.b));
        EXPECT_EQ(SDL_SaveBMP(s.get(), temp.caminho(nome).c_str()), 0);
        return temp.caminho(nome);
    }

    SDL_Surface* tela = nullptr;
    DiretorioTemporario temp;
};

#endif
