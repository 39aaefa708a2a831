// Creditos: the credits roll. Three pages of lines (game/paginasCreditos.h), seven seconds
// each, over their own music, which fades out on the last page; then the main menu. The back
// key, or a pointer press, leaves at once. Depends on CModulo, CTexto, CAcumulador, the sound service and Corvela.
#ifndef CORVELA_CREDITOS_H
#define CORVELA_CREDITOS_H

#include <SDL.h>

#include "engine/core/CAcumulador.h"
#include "engine/core/CModulo.h"
#include "engine/media/CTexto.h"

// Owns the page timer and the text; the music stays with the sound service after the visit,
// until the next screen loads its own.
class Creditos : public CModulo {
public:
    static constexpr Uint32 TEMPO_PAGINA = 7000;  // ms each page is shown
    static constexpr int SEGUNDOS_FADE = 7;       // the music's fade on the last page

    Creditos();

    // Starts the credits music, the page timer and the text; the roll starts at page 0.
    bool init() override;
    // One frame: the back key or the pointer going down asks for the menu (the page is still drawn); a
    // page whose time is up gives way to the next, at most one per frame; the page's lines;
    // on the last page the music's fade is asked for again (the mixer keeps the fade under
    // way); past the last page nothing is drawn and the menu is asked for.
    void ciclo() override;

    Uint8 retornaPagina() const { return pagina; }

private:
    void desenhaPagina();

    CAcumulador tempoPagina;
    CTexto texto;
    Uint8 pagina;
};

#endif
