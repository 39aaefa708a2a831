// CSprite: one BMP picture kept in the display's pixel format, drawn whole or in part on
// the video surface or on any other surface. Depends on SDL, CPaiMestre, abreMidia and
// cabecalhos.
#ifndef CZORVO_CSPRITE_H
#define CZORVO_CSPRITE_H

#include <SDL.h>

#include <string>

#include "engine/core/CPaiMestre.h"

// Owns its picture. The video surface is whatever CVideo::telaAtual() returns at the
// call (the surface the game draws on, even when the window is scaled). destino is handed to the blit itself, so after a draw the size getters report the
// size actually drawn (clipped, or the source part's size); after a load, the picture's.
class CSprite : public CPaiMestre {
public:
    CSprite();
    ~CSprite();

    // Replaces the picture with the BMP file; a failed load leaves the sprite empty (the
    // earlier picture is gone) and arquivo empty. Only a regular file that passes confereBmp
    // (engine/media/cabecalhos.h) is decoded, and a picture with a zero side is a failure.
    // Without a video mode, or when the conversion fails, the picture is kept in the file's
    // own format.
    bool carregaImagem(const std::string& arquivo);
    // The decoder behind carregaImagem, printing nothing: the picture in the file's own
    // format (the caller frees it), or null with the reason in SDL_GetError().
    static SDL_Surface* leImagem(const std::string& arquivo);
    // Colour key with RLE; each component is cut to 8 bits. Without a picture, reports it
    // and empties arquivo.
    void corTransparente(const unsigned& r, const unsigned& g, const unsigned& b);
    // Replaces the picture with a display-format copy of origem, which stays the caller's.
    // Leaves arquivo and the stored size alone. Null origem leaves the sprite empty; a copy
    // that cannot be made (no video mode, no memory) leaves the picture as it was.
    bool copiaSuperficie(SDL_Surface* origem);
    void limpaSuperficie();

    // The draws return false, drawing nothing, while not visible or without a target (the
    // video surface, or a null alvo). A sprite without a picture draws nothing and still
    // returns true.
    bool desenha(const int& x, const int& y);
    bool desenha(const int& x, const int& y, SDL_Surface* alvo);
    // Draws the part at (ox, oy) of size largura x altura.
    bool desenha(const int& x, const int& y, const int& ox, const int& oy,
                 const int& largura, const int& altura);
    bool desenha(const int& x, const int& y, const int& ox, const int& oy,
                 const int& largura, const int& altura, SDL_Surface* alvo);

    // True when a whole draw paints every pixel of a largura x altura area from its position:
    // visible, and a picture at least that large with no colour key or alpha to let the
    // target show through.
    bool cobre(int largura, int altura) const;

    SDL_Surface* retornaSuperficie() const { return superficie; }
    Uint16 retornaLargura() const { return destino.w; }
    Uint16 retornaAltura() const { return destino.h; }
    // The position of the last draw, whole; destino keeps it cut to 16 bits.
    int retornaX() const { return x; }
    int retornaY() const { return y; }
    const SDL_Rect& retornaDestino() const { return destino; }
    const std::string& retornaArquivo() const { return arquivo; }
    bool retornaVisivel() const { return visivel; }
    void defVisivel(bool v) { visivel = v; }

protected:
    // The target of a draw on the video surface; reports and returns null when there is
    // no video mode.
    SDL_Surface* telaAtiva() const;
    // Stores the position whole and cut to 16 bits in destino.
    void guardaPosicao(const int& x, const int& y);

    SDL_Surface* superficie;  // owned
    bool visivel;
    std::string arquivo;
    SDL_Rect destino;
    int x;
    int y;

private:
    CSprite(const CSprite&) = delete;
    CSprite& operator=(const CSprite&) = delete;
};

#endif
