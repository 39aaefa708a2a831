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
        if (!espera("Menu", QUADRO_LONGO_MS, LIMITE_QUADROS))
            return false;
        partida.aperta(SDLK_UP);  // Normal -> Easy
        partida.toca(SDLK_LCTRL);
        if (!espera("Jogo", QUADRO_MS, 1))
            return false;
        joga();
        partida.aperta(SDLK_ESCAPE);  // the back key's release asks for the menu
        if (!espera("Menu", QUADRO_MS, 2))
            return false;
        partida.aperta(SDLK_DOWN);  // Normal -> Impossible -> Credits
        partida.aperta(SDLK_DOWN);
        partida.toca(SDLK_LCTRL);
        if (!espera("Creditos", QUADRO_MS, 1))
            return false;
        partida.quadros(10);
        partida.aperta(SDLK_ESCAPE);
        return espera("Menu", QUADRO_MS, 1) &&
               espera("Apresentacao", QUADRO_LONGO_MS, LIMITE_QUADROS);
    }

    // From the intro to the menu's Quit row; true once the loop has stopped and finalizacao
    // has run, as cicloPrincipal ends.
    bool sai()
    {
        if (!espera("Menu", QUADRO_LONGO_MS, LIMITE_QUADROS))
            return false;
        partida.aperta(SDLK_UP);  // Normal -> Easy -> Quit, wrapping
        partida.aperta(SDLK_UP);
        partida.toca(SDLK_LCTRL);
        if (partida.jogo().retornaExecutando()) {
            motivo = "Quit did not stop the loop";
            return false;
        }
        partida.jogo().finalizacao();
        return true;
    }

    unsigned vitorias() const { return totalVitorias; }
    const std::string& falha() const { return motivo; }

private:
    static const Uint32 QUADRO_MS = CRelogio::INTERVALO_MIN_PADRAO;
    static const Uint32 QUADRO_LONGO_MS = 1000;  // for the intro's and the menu's timers
    static const unsigned LIMITE_QUADROS = 400;

    // Frames of passoMs ms until the screen named tela is active.
    bool espera(const char* tela, Uint32 passoMs, unsigned limite)
    {
        CRelogio* relogio = partida.jogo().retornaRelogio();
        relogio->ajustaIntervalos(QUADRO_MS, std::max(passoMs, CRelogio::INTERVALO_MAX_PADRAO));
        partida.ticks.passo = passoMs;
        unsigned n = 0;
        while (partida.ativo() != tela && partida.jogo().retornaExecutando() && n++ < limite)
            partida.quadros(1);
        relogio->ajustaIntervalos(QUADRO_MS, CRelogio::INTERVALO_MAX_PADRAO);
        partida.ticks.passo = QUADRO_MS;
        if (partida.ativo() == tela)
            return true;
        motivo = std::string("no ") + tela + " after " + std::to_string(n) + " frames in " +
                 partida.ativo();
        return false;
    }

    // The board put one move from solved, that move played with the keys, then on to the next
    // picture. Whether it is won is the game's own tests' business.
    void joga()
    {
        Jogo& jogo = *static_cast<Jogo*>(partida.modulo());
        Tabuleiro& tab = jogo.retornaTabuleiro();
        if (tab.retornaImagens().empty())
            return;  // nothing to play: only the back key works
        for (unsigned p = 1; p < 16; ++p)
            tab.troca(static_cast<unsigned char>(p), tab.buscaPosicao(p)->numero);
        tab.move(15);
        while (tab.retornaSelecionado() != 0)
            partida.aperta(SDLK_RIGHT);
        partida.aperta(SDLK_LCTRL);
        // The action key that leaves "CLEAR!" also acts on the new board and, within the
        // second that seeds its shuffle, may solve it at once: a cursor key takes that turn.
        for (unsigned n = 0; jogo.retornaLimpo() && n < LIMITE_QUADROS; ++n)
            partida.aperta({SDLK_RIGHT, SDLK_LCTRL});
        totalVitorias += jogo.retornaVitorias();
    }

    Partida& partida;
    unsigned totalVitorias = 0;
    std::string motivo;
};

#endif
