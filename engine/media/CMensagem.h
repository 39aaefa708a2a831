// CMensagem: a framed message: a keyed, slightly translucent frame picture with a message
// text inside it and a caption below, drawn together on one surface. Depends on CSprite and
// CTexto.
#ifndef CZORVO_CMENSAGEM_H
#define CZORVO_CMENSAGEM_H

#include <SDL.h>

#include <memory>
#include <string>

#include "engine/core/CPaiMestre.h"
#include "engine/media/CSprite.h"
#include "engine/media/CTexto.h"

// Owns the frame and both texts; the target surface is the caller's. Until inicializa has
// succeeded the box neither takes text nor draws.
class CMensagem : public CPaiMestre {
public:
    CMensagem();

    // Builds the parts anew (releasing earlier ones), loads the frame with magenta as its
    // colour key, translucent on targets of 16 bits or more, and opens the font for both
    // texts. False when the picture, the target or the font is missing.
    bool inicializa(const std::string& imagem, const std::string& fonte, SDL_Surface* alvo);
    void escreveTexto(const std::string& texto);
    // Frame at (x, y), the caption under it, the message inside it. The message breaks at
    // the frame's width from a 10-pixel inset, so it may run past the right edge.
    void exibe(int x, int y);

    const CSprite* retornaMoldura() const { return moldura.get(); }

private:
    std::unique_ptr<CSprite> moldura;
    std::unique_ptr<CTexto> texto;
    std::unique_ptr<CTexto> legenda;  // nothing sets its text: it draws nothing
    bool visivel;
    bool pronto;        // inicializa succeeded
    SDL_Surface* alvo;  // not owned

    CMensagem(const CMensagem&) = delete;
    CMensagem& operator=(const CMensagem&) = delete;
};

#endif
