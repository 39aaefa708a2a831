// TelasTeste: what the screens' tests share: the real Corvela project on the dummy 320x240x16
// mode with 50 ms frames, real SDL key events, colour reads on the screen, and Espia, a screen
// that keeps a copy of its last frame when it is left. Depends on gtest, Apoio.h and Corvela.
#ifndef CORVELA_TELASTESTE_H
#define CORVELA_TELASTESTE_H

#include <SDL.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>

#include "Apoio.h"
#include "engine/media/pixela.h"
#include "game/Corvela.h"

using Copia = std::unique_ptr<SDL_Surface, void (*)(SDL_Surface*)>;

// The screen as it was when the last Espia was deleted; null until then.
inline Copia& ultimaTela()
{
    static Copia copia(nullptr, SDL_FreeSurface);
    return copia;
}

template <class Tela>
struct Espia : Tela {
    ~Espia() override
    {
        SDL_Surface* tela = SDL_GetVideoSurface();
        ultimaTela().reset(SDL_ConvertSurface(tela, tela->format, SDL_SWSURFACE));
    }
};

template <class Tela>
CModulo* cria()
{
    return new Tela;
}

struct RGB {
    Uint8 r, g, b;
    bool operator==(const RGB& o) const { return r == o.r && g == o.g && b == o.b; }
};

inline std::ostream& operator<<(std::ostream& os, const RGB& c)
{
    return os << "(" << int(c.r) << "," << int(c.g) << "," << int(c.b) << ")";
}

inline RGB corEm(SDL_Surface* s, int x, int y)
{
    RGB c;
    SDL_GetRGB(pixela(s, x, y), s->format, &c.r, &c.g, &c.b);
    return c;
}

// Pixels of colour c in the rectangle (clipped to the surface).
inline int contaCor(SDL_Surface* s, int x, int y, int w, int h, RGB c)
{
    const Uint32 valor = SDL_MapRGB(s->format, c.r, c.g, c.b);
    int total = 0;
    for (int j = std::max(y, 0); j < std::min(y + h, s->h); ++j)
        for (int i = std::max(x, 0); i < std::min(x + w, s->w); ++i)
            total += pixela(s, i, j) == valor;
    return total;
}

// The rightmost x of colour c in the rectangle, -1 when there is none.
inline int direitaDaCor(SDL_Surface* s, int x, int y, int w, int h, RGB c)
{
    for (int i = std::min(x + w, s->w) - 1; i >= std::max(x, 0); --i)
        if (contaCor(s, i, y, 1, h, c) > 0)
            return i;
    return -1;
}

// Press and release within one frame's events: the key went up (subiu) but not down.
inline void toca(SDLKey tecla)
{
    apoio::empurraTecla(tecla, true);
    apoio::empurraTecla(tecla, false);
}

// Frame n of the project's first module starts with 50 * (n - 2) ms counted (n >= 2); of a
// module built later, with 50 * (n - 1).
class TelasTeste : public ::testing::Test {
protected:
    static constexpr Uint32 QUADRO_MS = 50;

    void SetUp() override
    {
        ultimaTela().reset();
        ticks.passo = QUADRO_MS;
        jogo.retornaRelogio()->defFonteTicks(apoio::TicksPasso::le, &ticks);
        jogo.retornaRelogio()->inicializa();
        ASSERT_TRUE(jogo.init());
    }
    void TearDown() override { ultimaTela().reset(); }

    // Builds module n as the project does at a switch.
    void abre(int modulo)
    {
        jogo.defProxModulo(modulo);
        jogo.carregaModuloMem();
    }
    void quadros(int n)
    {
        for (int i = 0; i < n; ++i)
            jogo.executaQuadro();
    }
    // One frame with the key going down; its release reaches the next frame.
    void aperta(SDLKey tecla)
    {
        apoio::empurraTecla(tecla, true);
        quadros(1);
        apoio::empurraTecla(tecla, false);
    }
    std::string ativo() const { return jogo.retornaModulo()->retornaNomeClasse(); }
    SDL_Surface* tela() { return jogo.retornaVideo()->retornaTela(); }

    apoio::TicksPasso ticks;
    Corvela jogo;
};

#endif
