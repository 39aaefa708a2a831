// TelasTeste: what the screens' tests share: the real Corvela project driven by Partida on
// the dummy 320x240x16 mode with 50 ms frames, and Espia, a screen that keeps a copy of its
// last frame when it is left. Depends on gtest, Partida and MidiaTeste.h.
#ifndef CORVELA_TELASTESTE_H
#define CORVELA_TELASTESTE_H

#include <SDL.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>

#include "tests/apoio/Apoio.h"
#include "tests/apoio/MidiaTeste.h"
#include "tools/roteiro/Partida.h"

// The screen as it was when the last Espia was deleted; null until then.
inline Superficie& ultimaTela()
{
    static Superficie copia(nullptr, SDL_FreeSurface);
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

// The rightmost x of colour c in the rectangle, -1 when there is none.
inline int direitaDaCor(SDL_Surface* s, int x, int y, int w, int h, Cor c)
{
    for (int i = std::min(x + w, s->w) - 1; i >= std::max(x, 0); --i)
        if (contaCor(s, i, y, 1, h, c) > 0)
            return i;
    return -1;
}

// Press and release within one frame's events: the key went up (subiu) but not down.
inline void toca(SDLKey tecla)
{
    roteiro::empurraTecla(tecla, true);
    roteiro::empurraTecla(tecla, false);
}

// Frame n of the project's first module starts with 50 * (n - 2) ms counted (n >= 2); of a
// module built later, with 50 * (n - 1).
class TelasTeste : public ::testing::Test {
protected:
    static constexpr Uint32 QUADRO_MS = 50;

    void SetUp() override
    {
        ultimaTela().reset();
        ASSERT_TRUE(partida.inicia());
    }
    void TearDown() override { ultimaTela().reset(); }

    void abre(int modulo) { partida.entra(modulo); }
    void quadros(int n) { partida.quadros(n); }
    void aperta(SDLKey tecla) { partida.aperta(tecla); }
    std::string ativo() const { return partida.ativo(); }
    SDL_Surface* tela() { return partida.tela(); }

    Partida partida{QUADRO_MS};
    Corvela& jogo = partida.jogo();
    roteiro::Ticks& ticks = partida.ticks;
};

#endif
