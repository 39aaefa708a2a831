// Asset generator: lays a fixed-pitch cell font out as a Windows .fon file (an NE library
// holding one FNT 2.0 raster font). Depends only on the C++ standard library.
#ifndef CORVELA_GERADOR_FONTES_FON_H
#define CORVELA_GERADOR_FONTES_FON_H

#include <string>
#include <vector>

// A raster font whose glyphs all fill one cell of largura x altura pixels.
struct FonteCelulas {
    std::string nome;      // face name stored in the file
    std::string direitos;  // copyright line, cut to fit its 60-byte field
    std::string descricao; // module description (the non-resident name table)
    int largura = 0;       // cell width, 1..8 pixels
    int altura = 0;        // cell height in pixels
    int ascendente = 0;    // rows from the top of the cell down to the baseline
    bool negrito = false;
    unsigned char primeiro = 0;  // first character code
    unsigned char padrao = 0;    // code drawn for characters the font lacks
    // One glyph per code from primeiro on: altura rows, one byte each, leftmost pixel in the
    // top bit.
    std::vector<std::vector<unsigned char>> glifos;
};

// The bytes of the .fon file; empty when the font does not fit the format.
std::vector<unsigned char> montaFon(const FonteCelulas& fonte);

#endif
