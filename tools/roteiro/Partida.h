// Partida: the game's own project run one frame at a time, as the main loop runs it, on a
// scripted clock of 33 ms frames and driven by real key events: what the tools that take
// pictures of the real screens share. Depends on the game library and roteiro.h.
#ifndef CORVELA_PARTIDA_H
#define CORVELA_PARTIDA_H

#include <SDL.h>

#include <string>

#include "game/Corvela.h"

// After each frame the video surface still holds what the module drew, unless the frame
// ended in a module switch.
class Partida {
public:
    // Sets SDL's dummy video and audio drivers for the process, then builds the project;
    // ferramenta names the tool in the messages it prints.
    explicit Partida(const char* ferramenta);

    // The project's init, then the intro; false when the project could not start.
    bool inicia();
    void quadros(int n);
    // One frame with the key going down; its release reaches the next frame.
    void aperta(SDLKey tecla);
    // The key going down and up again, both seen by one frame.
    void toca(SDLKey tecla);
    // Runs frames until the module of that class is active; false, saying so, if it never
    // comes within roteiro::QUADROS_MAXIMOS.
    bool ate(const std::string& modulo);

    std::string ativo() const;
    CModulo* modulo() const { return jogo.retornaModulo(); }

private:
    const char* ferramenta;  // before jogo: its initialiser picks the drivers
    Uint32 agora;
    Corvela jogo;
};

#endif
