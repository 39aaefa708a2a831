// TelasTeste: the screens' tests run the real Corvela project through Partida, one frame at a
// time on the dummy 320x240x16 mode, 50 counted ms a frame, with real key events.
#ifndef CORVELA_TELASTESTE_H
#define CORVELA_TELASTESTE_H

#include <SDL.h>
#include <gtest/gtest.h>

#include <initializer_list>
#include <string>

#include "tests/apoio/MidiaTeste.h"
#include "tools/roteiro/Partida.h"

// Frame n of the project's first module starts with 50 * (n - 2) ms counted (n >= 2); of a
// module built later, with 50 * (n - 1).
class TelasTeste : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(partida.inicia()); }

    void quadros(int n = 1) { partida.quadros(n); }
    // The keys go down together in one frame and up in the next.
    void aperta(std::initializer_list<SDLKey> teclas) { partida.aperta(teclas); }
    void aperta(SDLKey tecla) { partida.aperta(tecla); }
    void desce(SDLKey tecla, bool desce = true) { roteiro::empurraTecla(tecla, desce); }
    std::string ativo() const { return partida.ativo(); }
    SDL_Surface* tela() { return partida.tela(); }

    Partida partida{50};
    Corvela& projeto = partida.jogo();
};

#endif
