// Menu: the main menu. The title picture, five rows (three difficulties, the credits, quit),
// a highlight moved by up and down (or by the pointer over a row) with a sound, the choice
// made when the action key is released or a row is pressed, and the way back to the intro
// after thirty seconds without a highlight move.
// Depends on CModulo, CSprite, CTexto, CAcumulador, the sound service and Corvela.
#ifndef CORVELA_MENU_H
#define CORVELA_MENU_H

#include <SDL.h>

#include "engine/core/CAcumulador.h"
#include "engine/core/CModulo.h"
#include "engine/media/CSprite.h"
#include "engine/media/CTexto.h"

// Owns the title picture, the idle timer and the text of the rows; the menu music and the
// two sounds are loaded into the project's sound service, which keeps them.
class Menu : public CModulo {
public:
    enum Linha { FACIL, NORMAL, IMPOSSIVEL, CREDITOS, SAIR, TOTAL_LINHAS };

    // Milliseconds of game time without an up or down press before the intro comes back.
    static constexpr Uint32 LIMITE_OCIOSO = 30000;

    Menu();

    // Loads the title, starts the menu music, highlights Normal and starts the idle timer.
    bool init() override;
    // One frame: at most one of up, down (both restart the idle timer), a choice on the
    // action key's release, or the pointer's move or press on a row; the drawing; the idle test, whose request comes last and so
    // wins over a choice made in the same frame; then the idle timer takes in the frame.
    void ciclo() override;
    // The title picture fills the screen under the rows.
    bool cobreTela() const override;

    int retornaSelecao() const { return selecao; }
    Uint32 retornaTempoOcioso() const { return tempoOcioso.retornaTempo(); }

private:
    void trataTeclas();
    void moveDestaque(int novaSelecao);
    // The pointer over (x, y): a row under it is highlighted, or chosen when toque.
    void apontaLinha(int x, int y, bool toque);
    void escolhe();
    void desenha();

    CSprite titulo;
    int selecao;
    CAcumulador tempoOcioso;
    CTexto texto;
};

#endif
