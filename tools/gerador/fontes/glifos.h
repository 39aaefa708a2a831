// Asset generator: reads a fixed-width bitmap face (such as a .pcf.gz) through FreeType into
// the cells of a FonteCelulas. Depends on FreeType and fon.h.
#ifndef CORVELA_GERADOR_FONTES_GLIFOS_H
#define CORVELA_GERADOR_FONTES_GLIFOS_H

#include <string>

#include "tools/gerador/fontes/fon.h"

// Fills the cell size, baseline and one glyph per code from fonte.primeiro to 0xFF, codes
// taken in Windows-1252 order (ISO 8859-1 from 0xA0 up). Codes the face lacks, and the
// code fonte.padrao, get the face's own missing-character glyph. On failure says why in erro.
bool leCelulas(const std::string& caminho, FonteCelulas& fonte, std::string& erro);

#endif
