// Asset generator: turns a fixed-width bitmap face into 8-pixel-wide cells, read through
// FreeType (which opens .pcf.gz directly). Depends on FreeType and fon.h.
#include "tools/gerador/fontes/glifos.h"

#include <ft2build.h>
#include FT_FREETYPE_H

#include <cstdint>

namespace {

const int ULTIMO_CODIGO = 0xFF;
const int INICIO_EXTRAS_1252 = 0x80;
const int FIM_EXTRAS_1252 = 0x9F;
const std::uint32_t SEM_CARACTERE = 0;
const FT_UInt GLIFO_AUSENTE = 0;  // FreeType's index for the face's missing-character glyph
const unsigned BIT_ESQUERDO = 0x80;

// Windows-1252 codes 0x80..0x9F as Unicode; the five it leaves unassigned are 0.
const std::uint32_t EXTRAS_1252[] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,
    0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178,
};
const int DEL = 0x7F;

std::uint32_t unicode1252(int codigo)
{
    if (codigo >= INICIO_EXTRAS_1252 && codigo <= FIM_EXTRAS_1252)
        return EXTRAS_1252[codigo - INICIO_EXTRAS_1252];
    if (codigo == DEL)
        return SEM_CARACTERE;
    return static_cast<std::uint32_t>(codigo);
}

// Owns the library and the face so that every way out releases both.
class Face {
public:
    ~Face()
    {
        if (face != nullptr)
            FT_Done_Face(face);
        if (biblioteca != nullptr)
            FT_Done_FreeType(biblioteca);
    }
    bool abre(const std::string& caminho)
    {
        return FT_Init_FreeType(&biblioteca) == 0 &&
               FT_New_Face(biblioteca, caminho.c_str(), 0, &face) == 0;
    }

    FT_Library biblioteca = nullptr;
    FT_Face face = nullptr;
};

// Draws glyph indice into a cell; false when the face's bitmap does not fit it.
bool desenhaCelula(FT_Face face, FT_UInt indice, const FonteCelulas& fonte,
                   std::vector<unsigned char>& celula)
{
    if (FT_Load_Glyph(face, indice, FT_LOAD_RENDER | FT_LOAD_TARGET_MONO) != 0)
        return false;
    const FT_GlyphSlot slot = face->glyph;
    const FT_Bitmap& bitmap = slot->bitmap;
    if (bitmap.pixel_mode != FT_PIXEL_MODE_MONO || (slot->advance.x >> 6) != fonte.largura)
        return false;
    celula.assign(static_cast<std::size_t>(fonte.altura), 0);
    for (unsigned linha = 0; linha < bitmap.rows; ++linha) {
        const unsigned char* origem = bitmap.buffer + static_cast<int>(linha) * bitmap.pitch;
        for (unsigned coluna = 0; coluna < bitmap.width; ++coluna) {
            if ((origem[coluna / 8] & (BIT_ESQUERDO >> (coluna % 8))) == 0)
                continue;
            const int y = fonte.ascendente - slot->bitmap_top + static_cast<int>(linha);
            const int x = slot->bitmap_left + static_cast<int>(coluna);
            if (y < 0 || y >= fonte.altura || x < 0 || x >= fonte.largura)
                return false;
            celula[static_cast<std::size_t>(y)] |= static_cast<unsigned char>(BIT_ESQUERDO >> x);
        }
    }
    return true;
}

}  // namespace

bool leCelulas(const std::string& caminho, FonteCelulas& fonte, std::string& erro)
{
    Face fonteFt;
    if (!fonteFt.abre(caminho)) {
        erro = "FreeType não abre " + caminho;
        return false;
    }
    FT_Face face = fonteFt.face;
    if (FT_IS_SCALABLE(face) || face->num_fixed_sizes < 1 || FT_Select_Size(face, 0) != 0 ||
        FT_Select_Charmap(face, FT_ENCODING_UNICODE) != 0) {
        erro = caminho + " não é uma face bitmap com mapa Unicode";
        return false;
    }
    fonte.largura = face->available_sizes[0].width;
    fonte.altura = face->available_sizes[0].height;
    fonte.ascendente = static_cast<int>(face->size->metrics.ascender >> 6);
    fonte.negrito = (face->style_flags & FT_STYLE_FLAG_BOLD) != 0;
    fonte.glifos.clear();

    std::vector<unsigned char> ausente;
    if (!desenhaCelula(face, GLIFO_AUSENTE, fonte, ausente)) {
        erro = caminho + ": glifos não cabem numa célula de " + std::to_string(fonte.largura) +
               "x" + std::to_string(fonte.altura);
        return false;
    }
    for (int codigo = fonte.primeiro; codigo <= ULTIMO_CODIGO; ++codigo) {
        const std::uint32_t caractere = unicode1252(codigo);
        const FT_UInt indice = caractere == SEM_CARACTERE || codigo == fonte.padrao
                                   ? GLIFO_AUSENTE
                                   : FT_Get_Char_Index(face, caractere);
        std::vector<unsigned char> celula;
        if (indice == GLIFO_AUSENTE) {
            celula = ausente;
        } else if (!desenhaCelula(face, indice, fonte, celula)) {
            erro = caminho + ": o glifo do código " + std::to_string(codigo) +
                   " não cabe na célula";
            return false;
        }
        fonte.glifos.push_back(celula);
    }
    return true;
}
