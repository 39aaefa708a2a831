// Partida: the game's own project run one frame at a time, as the main loop runs it, on a
// scripted clock and driven by real key events: the one driver that the tests, the picture
// tools and the benchmarks share. Depends on the game library and roteiro.h.
#ifndef CORVELA_PARTIDA_H
#define CORVELA_PARTIDA_H

#include <SDL.h>

#include <initializer_list>
#include <string>

#include "game/Corvela.h"
#include "tools/roteiro/roteiro.h"

// The game's project with the loop left to its driver.
class CorvelaRoteirizado : public Corvela {
public:
    // execProj without cicloPrincipal: the intro built and the loop marked running.
    void comeca()
    {
        defProxModulo(APRESENTACAO);
        carregaModuloMem();
        executando = true;
    }
};

// After each frame the video surface still holds what the module drew, unless the frame
// ended in a module switch.
class Partida {
public:
    // Builds the project on SDL's dummy drivers (unless the environment names others), its
    // clock on ticks moving passoMs a read; nome names the caller in the messages it prints.
    explicit Partida(Uint32 passoMs = roteiro::QUADRO_MS, const char* nome = "corvela");

    // The project's init; false when it could not start (the video mode failed).
    bool inicia();
    // The intro, as execProj begins.
    void comeca() { projeto.comeca(); }
    // Switches to module n as the end of a frame would.
    void entra(int modulo);
    void quadros(int n);
    // One frame with the keys going down together; their release reaches the next frame.
    void aperta(std::initializer_list<SDLKey> teclas);
    void aperta(SDLKey tecla) { aperta({tecla}); }
    // The key going down and up again, both seen by one frame.
    void toca(SDLKey tecla);
    // One frame with a click at the window's point (x, y): the pointer moves there, goes
    // down and comes up again.
    void clica(Uint16 x, Uint16 y);
    // Runs frames until the module of that class is active; false, saying so, if it never
    // comes within roteiro::QUADROS_MAXIMOS.
    bool ate(const std::string& modulo);
    // From here on every frame counts 0 ms, so the screen stays on the frame it has reached.
    void congela();
    // Hands the clock back to SDL's own counter, with its sleep and its usual 33 to 50 ms
    // frames, and starts timing from now.
    void relogioReal();

    std::string ativo() const;
    CModulo* modulo() const { return projeto.retornaModulo(); }
    SDL_Surface* tela() { return projeto.retornaVideo()->retornaTela(); }
    CorvelaRoteirizado& jogo() { return projeto; }

    roteiro::Ticks ticks;

private:
    const char* nome;  // before projeto: its initialiser picks the drivers
    CorvelaRoteirizado projeto;
};

#endif
