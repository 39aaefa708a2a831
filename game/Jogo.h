// Jogo: the game screen (module 2): a 4x4 board shuffled for the menu's difficulty, the
// panel of wins, records, moves and time, pause, help numbers, the "CLEAR!" screen and the
// next picture. Depends on CModulo, CAcumulador, Tabuleiro, CTexto, CSprite, CMensagem,
// CSom and the Corvela project (for the difficulty and the module requests).
#ifndef CORVELA_JOGO_H
#define CORVELA_JOGO_H

#include <SDL.h>

#include <string>

#include "engine/core/CAcumulador.h"
#include "engine/core/CModulo.h"
#include "engine/media/CMensagem.h"
#include "engine/media/CSprite.h"
#include "engine/media/CTexto.h"
#include "game/Tabuleiro.h"

// Each frame is in exactly one state, tested in this order:
// - cleared ("CLEAR!"): the whole picture and the game's moves and time; the action key (4)
//   or a pointer press starts the next game on the next picture and the same frame is then
//   played (without the press);
// - paused: only "PAUSED", the board hidden and the time stopped; the pause key (7) resumes
//   with one blank frame;
// - playing: one key acts per frame, first in this order: back (5) released asks for the
//   menu; right, left, down, up move the cursor with wrap-around; action moves the selected
//   tile into the hole; help (6) toggles the tile numbers; pause (7) pauses; last, a pointer
//   press on a cell selects it and moves its tile into the hole if they touch.
// Without any usable picture only the back key works, and the board area says what is missing.
// Wins and records live for one visit: every visit builds a new Jogo.
class Jogo : public CModulo {
public:
    // Values of Corvela::dificuldade that shuffle the board; any other leaves it solved.
    static constexpr Uint8 FACIL = 0;
    static constexpr Uint8 NORMAL = 1;
    static constexpr Uint8 IMPOSSIVEL = 2;

    Jogo();

    // Music, win sound, panel, text, timer, board, message box, shuffle, counters, flags.
    bool init() override;
    void ciclo() override;
    // Playing and "CLEAR!" paint the panel and the board, which together fill the screen;
    // paused (the board hidden), or without pictures, they do not.
    bool cobreTela() const override;

    // Shuffles the board for the project's difficulty.
    void ordenaPorDificuldade();
    // Called once per win, after wins has grown: the first win of the visit sets both
    // records, even to 0; later wins only lower them.
    void atualizaRecordes();
    // ms as "hh:mm:ss"; hours are not wrapped.
    static std::string retornaTempoF(unsigned long ms);

    Uint32 retornaVitorias() const { return vitorias; }
    Uint32 retornaMovimentos() const { return movimentos; }
    Uint32 retornaRecordeTempo() const { return recordeTempo; }
    Uint32 retornaRecordeMovimentos() const { return recordeMovimentos; }
    bool retornaLimpo() const { return limpo; }
    bool retornaPausado() const { return pausado; }
    const CAcumulador& retornaTemporizador() const { return temporizador; }
    // The board itself, so that tests can arrange it through its own operations.
    Tabuleiro& retornaTabuleiro() { return tabuleiro; }

private:
    // The frame's key or pointer action in the playing state; at most one acts. toque: the
    // pointer went down this frame.
    void trataTeclas(bool toque);
    // The pointer's press on the cell at position p (-1: off the board).
    void tocaCelula(int p);
    // The back key released asks for the menu; true when it did.
    bool pedeMenu();
    void desenhaJogo();
    void desenhaLimpo();
    // The panel and, over the board area, the lines that say which pictures are missing.
    void desenhaSemImagens();
    bool semImagens() const { return tabuleiro.retornaImagens().empty(); }

    CAcumulador temporizador;
    Tabuleiro tabuleiro;
    CTexto texto;
    Uint32 vitorias;
    Uint32 movimentos;
    Uint32 recordeTempo;       // ms; 0 before the first win
    Uint32 recordeMovimentos;  // 0 before the first win
    CSprite painel;
    CMensagem mensagem;  // set up, never drawn
    bool limpo;
    bool pausado;
};

#endif
