// CFonteBitmap: a Windows bitmap font (.fon: an NE library holding FNT 2.0 or 3.0 raster
// fonts) read from its file and drawn from its glyph bitmaps. The browser build draws the
// game's cell font with it, because the browser's SDL_ttf cannot open .fon files. Depends on
// SDL and the C++ standard library.
#ifndef CZORVO_CFONTEBITMAP_H
#define CZORVO_CFONTEBITMAP_H

#include <SDL.h>

#include <string>
#include <vector>

#include "engine/core/CPaiMestre.h"

// Owns the glyph bitmaps of the file's first font, the one FreeType (and so SDL_ttf) opens
// whatever point size is asked for. Draws text as TTF_RenderText_Solid draws that font:
// one glyph per byte, left to right, each advancing by its own width, rows from the top
// of a surface as tall as the font; a byte outside the font shows its default glyph.
class CFonteBitmap : public CPaiMestre {
public:
    CFonteBitmap();

    // Reads the file; false, keeping nothing, when it is not a .fon or a table or bitmap
    // lies outside it.
    bool carrega(const std::string& arquivo);
    // The same from the file's bytes.
    bool carrega(const std::vector<unsigned char>& dados);
    bool carregada() const { return !glifos.empty(); }

    // A new 32-bit RGBA surface with the text in cor, fully opaque, on fully transparent
    // pixels, per-pixel alpha on; the caller frees it. Null for empty text or no font.
    SDL_Surface* desenha(const std::string& texto, SDL_Color cor) const;

    int retornaAltura() const { return altura; }
    // Advance of the byte c, its glyph's width.
    int larguraDe(unsigned char c) const;

private:
    // One glyph as the file keeps it: 8-pixel columns, each a byte per row from the top,
    // the leftmost pixel in the top bit.
    struct Glifo {
        int largura = 0;
        std::vector<unsigned char> colunas;
    };
    bool aceso(const Glifo& g, int x, int y) const
    {
        return (g.colunas[(x / 8) * altura + y] >> (7 - x % 8)) & 1;
    }

    const Glifo& glifo(unsigned char c) const;
    bool leFnt(const unsigned char* fnt, size_t tamanho);

    int altura;
    unsigned char primeiro;
    unsigned char padrao;  // index of the default glyph, from primeiro
    std::vector<Glifo> glifos;
};

#endif
