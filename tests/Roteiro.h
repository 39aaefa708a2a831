// Roteiro: a player script for the whole game. Drives a started Corvela project through
// every screen with real SDL key events and a scripted clock that runs as fast as the frames
// can be drawn: the intro, the menu (a highlight move and a choice), a game played to a win
// by the test solver and a few moves into the next one, the credits, the menu's idle return
// to the intro, and at the end the Quit row. Works whatever files data/ lacks: a screen
// that cannot show something still takes its keys. Depends on Apoio.h, Resolvedor and the
// game's screens.
#ifndef CORVELA_TESTES_ROTEIRO_H
#define CORVELA_TESTES_ROTEIRO_H

#include <string>

#include "Apoio.h"
#include "game/Corvela.h"

// The game's project, started as execProj starts it but with the loop left to the script.
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

class Roteiro {
public:
    // The project must have passed init, have its clock on ticks, and have begun (comeca).
    Roteiro(CorvelaRoteirizado& jogo, apoio::TicksPasso& ticks) : jogo(jogo), ticks(ticks) {}

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
    std::string ativo() const;
    void quadro() { jogo.executaQuadro(); }
    // One frame with the key going down; its release reaches the next frame.
    void aperta(SDLKey tecla);
    // Down and up within one frame: the key went up (subiu) but did not go down.
    void toca(SDLKey tecla);
    // Runs frames of `passoMs` ms until the screen named `tela` is active.
    bool espera(const char* tela, Uint32 passoMs, unsigned limite);
    bool joga();

    CorvelaRoteirizado& jogo;
    apoio::TicksPasso& ticks;
    unsigned totalVitorias = 0;
    unsigned totalMovimentos = 0;
    std::string motivo;
};

#endif
