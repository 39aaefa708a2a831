// Roteiro: a player script for the whole game. Drives a started Corvela project through
// every screen with real SDL key events and a scripted clock that runs as fast as the frames
// can be drawn: the intro, the menu (a highlight move and a choice), a game played to a win
// by the test solver and a few moves into the next one, the credits, the menu's idle return
// to the intro, and at the end the Quit row. Works whatever files data/ lacks: a screen
// that cannot show something still takes its keys. Depends on Partida, Resolvedor and the
// game's screens.
#ifndef CORVELA_TESTES_ROTEIRO_H
#define CORVELA_TESTES_ROTEIRO_H

#include <string>

#include "tools/roteiro/Partida.h"

class Roteiro {
public:
    // The project must have passed init and have begun (Partida::comeca).
    explicit Roteiro(Partida& partida) : partida(partida), jogo(partida.jogo()) {}

    // One round trip from the intro back to it: intro -> menu -> game (a win and moves when
    // there is a picture to play) -> menu -> credits -> menu -> intro. False, with the reason
    // in falha(), when a screen did not come within its frames or the loop stopped.
    bool volta();
    // From the intro to the menu's Quit row; true once the loop has stopped, after
    // finalizacao, as cicloPrincipal ends.
    bool sai();

    unsigned vitorias() const { return totalVitorias; }
    unsigned movimentos() const { return totalMovimentos; }
    const std::string& falha() const { return motivo; }

private:
    std::string ativo() const { return partida.ativo(); }
    void quadro() { partida.quadros(1); }
    void aperta(SDLKey tecla) { partida.aperta(tecla); }
    void toca(SDLKey tecla) { partida.toca(tecla); }
    // Runs frames of `passoMs` ms until the screen named `tela` is active.
    bool espera(const char* tela, Uint32 passoMs, unsigned limite);
    bool joga();

    Partida& partida;
    CorvelaRoteirizado& jogo;
    unsigned totalVitorias = 0;
    unsigned totalMovimentos = 0;
    std::string motivo;
};

#endif
