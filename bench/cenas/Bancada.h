// Bancada: the game's project set up for measuring frames. Its clock reads a counter that
// moves 33 ms on every read, so frames never wait and game time runs as in a real game,
// the same on every run. Depends on Corvela and SDL (the dummy drivers unless others are set).
#ifndef CORVELA_BENCH_BANCADA_H
#define CORVELA_BENCH_BANCADA_H

#include <SDL.h>

#include <memory>

#include "game/Corvela.h"

class Bancada {
public:
    // Builds the project on the dummy drivers (unless the environment names others) and
    // runs its init; pronta() tells whether the video mode opened.
    Bancada();

    bool pronta() const { return iniciada; }
    Corvela& jogo() { return *projeto; }

    // Switches to module n as the end of a frame would.
    void entra(int modulo);
    void quadros(unsigned n);
    // Presses the key in one frame and releases it in the next.
    void toca(SDLKey tecla);
    // From here on every frame counts 0 ms, so the screen stays on the frame it has reached.
    void congela();
    // Hands the clock back to SDL's own counter, with its sleep and its usual 33 to 50 ms
    // frames, and starts timing from now.
    void relogioReal();

private:
    static Uint32 leTicks(void* contexto);

    Uint32 agora;
    std::unique_ptr<Corvela> projeto;
    bool iniciada;
};

#endif
