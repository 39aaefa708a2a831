// Roteiro: a player's round trip through every screen of a started Corvela project, with real
// SDL key events on a scripted clock that runs as fast as frames draw: intro, menu, an Easy
// game won (when data/ gives it pictures) and the next picture begun, credits, the menu's idle
// return to the intro; and at the end the menu's Quit row. Whatever data/ lacks, every screen
// still takes its keys. Depends on Partida and the game's screens.
#ifndef CORVELA_TESTES_ROTEIRO_H
#define CORVELA_TESTES_ROTEIRO_H

#include <algorithm>
#include <string>

#include "game/Jogo.h"
#include "tools/roteiro/Partida.h"

class Roteiro {
public:
    // The project must have passed init and have begun (Partida::comeca).
    explicit Roteiro(Partida& partida) : partida(partida) {}

    // Intro -> menu -> game -> menu -> credits -> menu -> intro. False, with the reason in
    // falha(), when a screen did not come within its frames or the loop stopped.
    bool volta()
    {
        if (!espera("Menu", true))
            return false;
        partida.aperta(SDLK_UP);  // Normal -> Easy
        partida.toca(SDLK_LCTRL);
        if (!espera("Jogo"))
            return false;
        joga();
        partida.aperta(SDLK_ESCAPE);  // the back key's release asks for the menu
        if (!espera("Menu"))
            return false;
        partida.aperta(SDLK_DOWN);  // Normal -> Impossible -> Credits
        partida.aperta(SDLK_DOWN);
        partida.toca(SDLK_LCTRL);
        if (!espera("Creditos"))
            return false;
        partida.quadros(10);
        partida.aperta(SDLK_ESCAPE);
        return espera("Menu") && espera("Apresentacao", true);
    }

    // From the intro to the menu's Quit row; true once the loop has stopped and finalizacao
    // has run, as cicloPrincipal ends.
    bool sai()
    {
        if (!espera("Menu", true))
            return false;
        partida.aperta(SDLK_UP);  // Normal -> Easy -> Quit, wrapping
        partida.aperta(SDLK_UP);
        partida.toca(SDLK_LCTRL);
        motivo = partida.jogo().retornaExecutando() ? "Quit did not stop the loop" : "";
        if (motivo.empty())
            partida.jogo().finalizacao();
        return motivo.empty();
    }

    unsigned vitorias() const { return totalVitorias; }
    const std::string& falha() const { return motivo; }

private:
    // Frames until the screen named tela is active: two short ones, or long ones for the
    // intro's and the menu's timers.
    bool espera(const char* tela, bool longo = false)
    {
        const Uint32 passo = longo ? 1000 : CRelogio::INTERVALO_MIN_PADRAO;
        CRelogio* relogio = partida.jogo().retornaRelogio();
        relogio->ajustaIntervalos(CRelogio::INTERVALO_MIN_PADRAO,
                                  std::max(passo, CRelogio::INTERVALO_MAX_PADRAO));
        partida.ticks.passo = passo;
        for (unsigned n = 0; partida.ativo() != tela && partida.jogo().retornaExecutando() &&
                             n < (longo ? 400u : 2u); ++n)
            partida.quadros(1);
        relogio->ajustaIntervalos(CRelogio::INTERVALO_MIN_PADRAO, CRelogio::INTERVALO_MAX_PADRAO);
        partida.ticks.passo = CRelogio::INTERVALO_MIN_PADRAO;
        motivo = partida.ativo() == tela ? "" : std::string("no ") + tela + ", " + partida.ativo();
        return motivo.empty();
    }

    // The board put one move from solved and that move played with the keys, then on to the
    // next picture. Whether it is won is for the game's own tests to check.
    void joga()
    {
        Jogo& jogo = *static_cast<Jogo*>(partida.modulo());
        Tabuleiro& tab = jogo.retornaTabuleiro();
        if (tab.retornaImagens().empty())
            return;  // nothing to play: only the back key works
        for (unsigned p = 1; p < 16; ++p)
            tab.troca(static_cast<unsigned char>(p), tab.buscaPosicao(p)->numero);
        tab.move(15);
        for (unsigned n = 0; tab.retornaSelecionado() != 0 && n < 16; ++n)
            partida.aperta(SDLK_RIGHT);
        partida.aperta(SDLK_LCTRL);
        // The action key that leaves "CLEAR!" also acts on the new board and, within the
        // second that seeds its shuffle, may solve it at once: a cursor key takes that turn.
        for (unsigned n = 0; jogo.retornaLimpo() && n < 400; ++n)
            partida.aperta({SDLK_RIGHT, SDLK_LCTRL});
        totalVitorias += jogo.retornaVitorias();
    }

    Partida& partida;
    unsigned totalVitorias = 0;
    std::string motivo;
};

#endif
