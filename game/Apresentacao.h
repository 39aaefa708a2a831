// Apresentacao: the intro. The animated logo fades in on a dark blue screen, two lines of
// text join it after two seconds, and the main menu follows after five. Reads no keys and
// plays no sound. Depends on CModulo, CSpriteAnimado, CTexto, CAcumulador and Corvela.
#ifndef CORVELA_APRESENTACAO_H
#define CORVELA_APRESENTACAO_H

#include <SDL.h>

#include "engine/core/CAcumulador.h"
#include "engine/core/CModulo.h"
#include "engine/media/CSpriteAnimado.h"
#include "engine/media/CTexto.h"

// Owns its timers, its text and the logo. Every visit starts the fade, the animation and
// both timers from zero.
class Apresentacao : public CModulo {
public:
    static constexpr Uint32 DURACAO = 5000;       // ms until the menu is requested
    static constexpr Uint32 ATRASO_TEXTO = 2000;  // ms until the two lines show
    static constexpr Uint8 ALFA_FINAL = 250;      // the fade stops below this
    static constexpr Uint8 PASSO_ALFA = 5;
    // The logo sheet: three frames side by side.
    static constexpr int LARGURA_QUADRO = 67;
    static constexpr int ALTURA_QUADRO = 81;
    static constexpr int QUADROS = 3;

    Apresentacao();

    bool init() override;
    // One frame: blue background, one fade step, the logo centred, the text once its delay
    // has passed, the menu request once the duration has; then both timers take in the
    // frame. Without a logo picture nothing of the logo is drawn, and the text keeps the
    // place it has beside the real logo. Once the fade is over, the logo's sheet is replaced
    // by an opaque copy of it blended over the blue (where the platform makes one), which
    // draws the same pixels for less.
    void ciclo() override;
    // The blue fills the screen every frame.
    bool cobreTela() const override { return true; }

    Uint8 retornaAlfa() const { return alfa; }
    const CSpriteAnimado& retornaLogo() const { return logo; }

private:
    CAcumulador duracao;
    CAcumulador atrasoTexto;
    CTexto texto;
    CSpriteAnimado logo;
    Uint8 alfa;
    bool composto;  // the logo's sheet was replaced by its copy blended over the blue
};

#endif
