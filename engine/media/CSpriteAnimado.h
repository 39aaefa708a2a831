// CSpriteAnimado: a sprite whose picture is a sheet of equal frames in a grid, played back
// and forth on the frame clock or drawn one frame at a time. Depends on CSprite,
// CAcumulador and CRelogio.
#ifndef CZORVO_CSPRITEANIMADO_H
#define CZORVO_CSPRITEANIMADO_H

#include <SDL.h>

#include <memory>

#include "engine/core/CAcumulador.h"
#include "engine/media/CSprite.h"

class CRelogio;

// Frames are numbered from 0, left to right, then top to bottom; the column count is the
// sheet's width divided by the frame width. Owns its interval timer. A sheet narrower than
// one frame, or a frame size that is not positive, is never drawn.
class CSpriteAnimado : public CSprite {
public:
    CSpriteAnimado();

    // Sets the frame size and range, and replaces the interval timer with one that follows
    // relogio (null for a sprite that is never animated), intervalo ms per frame.
    void inicializa(int larguraQuadro, int alturaQuadro, int quadroInicial, int quadroFinal,
                    CRelogio* relogio, unsigned intervalo);
    // A range of one frame (or a reversed one) shows quadroInicial steadily.
    void ajustaQuadros(int quadroInicial, int quadroFinal);
    // Does nothing before inicializa.
    void ajustaIntervalo(unsigned intervalo);

    // One animation step: draws the current frame, then moves on once the interval has
    // passed, so a change decided now shows on the next call. The first call shows
    // quadroInicial. Leaves the size getters alone. Reports a missing picture or video mode.
    bool anima(int x, int y);
    // The same on alvo, silently doing nothing without a picture or a target.
    void anima(int x, int y, SDL_Surface* alvo);

    // Draws one frame and makes it the current one; false, changing nothing, without a
    // target or a picture.
    bool desenha(int x, int y, unsigned short quadro);
    bool desenha(int x, int y, unsigned short quadro, SDL_Surface* alvo);
    using CSprite::desenha;

    int retornaQuadroAtual() const { return quadroAtual; }

private:
    // Columns of the sheet; 0 when no frame can be cut from it.
    int colunas() const;
    // The source rectangle of a frame; false when it cannot be drawn.
    bool retanguloQuadro(int quadro, SDL_Rect& origem) const;
    // Brings quadroAtual back into the range, turning the direction at either end.
    void rebate();
    void passoAnimacao(int x, int y, SDL_Surface* alvo);

    int quadroAtual;
    int passo;  // +1 or -1
    bool iniciado;
    int larguraQuadro;
    int alturaQuadro;
    int quadroInicial;
    int quadroFinal;
    std::unique_ptr<CAcumulador> acumulador;  // follows the clock given to inicializa
};

#endif
