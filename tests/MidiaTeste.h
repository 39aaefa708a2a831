// MidiaTeste: what the media tests share: the dummy 320x240x16 video mode, a scratch
// directory with small BMP files, surfaces and pixel reads, and the game's fixed-cell font.
// Depends on SDL, gtest, pixela and ArquivosTemporarios.h.
#ifndef CORVELA_MIDIATESTE_H
#define CORVELA_MIDIATESTE_H

#include <SDL.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "engine/media/pixela.h"
#include "tests/ArquivosTemporarios.h"

const char* const FONTE_CELULA = "data/fonts/coure.fon";
const unsigned short TAMANHO_FONTE_CELULA = 8;
const int CELULA = 8;  // pixels per character
inline bool temFonteCelula() { return access(FONTE_CELULA, R_OK) == 0; }

using Superficie = std::unique_ptr<SDL_Surface, void (*)(SDL_Surface*)>;
struct Cor {
    Uint8 r, g, b;
};
struct Area {
    SDL_Rect r;
    Cor cor;
};

// A software surface filled with fundo; at 8 bits its palette is greys, index i = (i, i, i).
inline Superficie novaSuperficie(int bpp, int w, int h, Uint32 fundo = 0)
{
    const Uint32 m[3] = {bpp == 16 ? 0xF800u : bpp > 16 ? 0xFF0000u : 0,
                         bpp == 16 ? 0x07E0u : bpp > 16 ? 0xFF00u : 0,
                         bpp == 16 ? 0x001Fu : bpp > 16 ? 0xFFu : 0};
    Superficie s(SDL_CreateRGBSurface(SDL_SWSURFACE, w, h, bpp, m[0], m[1], m[2], 0),
                 SDL_FreeSurface);
    SDL_Color cinzas[256];
    for (int i = 0; i < 256; ++i)
        cinzas[i] = {Uint8(i), Uint8(i), Uint8(i), 0};
    if (bpp == 8)
        SDL_SetColors(s.get(), cinzas, 0, 256);
    SDL_FillRect(s.get(), nullptr, fundo);
    return s;
}

// One pixel as "r,g,b", readable in failure messages.
inline std::string corEm(SDL_Surface* s, int x, int y)
{
    Uint8 r, g, b;
    SDL_GetRGB(pixela(s, x, y), s->format, &r, &g, &b);
    return std::to_string(r) + "," + std::to_string(g) + "," + std::to_string(b);
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

class MidiaTeste : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_EQ(SDL_Init(comVideo ? SDL_INIT_VIDEO : 0), 0) << SDL_GetError();
        tela = comVideo ? SDL_SetVideoMode(320, 240, 16, 0) : nullptr;
        ASSERT_TRUE(tela != nullptr || !comVideo) << SDL_GetError();
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

    bool comVideo = true;
    SDL_Surface* tela = nullptr;
    DiretorioTemporario temp;
};

#endif
