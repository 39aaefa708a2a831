// Tests of the generated fonts: geraFontes writes the same bytes on every run, and the game's
// font path (SDL_ttf over FreeType) opens coure.fon at the game's three sizes as a fixed
// 8-pixel cell whose drawn pixels are the source face's, and opens Sans Bold.ttf. Depends on
// gtest, SDL_ttf, FreeType, the generator's font sources and the scratch directory helper.
#include <ft2build.h>
#include FT_FREETYPE_H

#include <SDL_ttf.h>

#include <cstddef>
#include <filesystem>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "tests/ArquivosTemporarios.h"
#include "tools/gerador/fontes.h"

namespace {

const char FACE_ORIGEM[] = "/usr/share/fonts/X11/misc/8x13B.pcf.gz";
const char SANS_ORIGEM[] = "/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf";
const int TAMANHOS_DO_JOGO[] = {8, 18, 24};
const int LARGURA_CELULA = 8;
const int ALTURA_CELULA = 13;
const char* const ARQUIVOS[] = {"coure.fon", "Sans Bold.ttf", "LICENSE-DejaVu.txt", "README.txt"};

using Pixels = std::vector<std::vector<bool>>;  // [linha][coluna]

bool gera(const DiretorioTemporario& dir)
{
    std::filesystem::create_directory(dir.caminho("fonts"));
    return geraFontes(dir.caminho(""));
}

Pixels desenha(TTF_Font* fonte, const std::string& texto)
{
    const SDL_Color branco = {255, 255, 255, 0};
    SDL_Surface* s = TTF_RenderText_Solid(fonte, texto.c_str(), branco);
    Pixels pixels;
    if (s == nullptr)
        return pixels;
    SDL_LockSurface(s);
    for (int y = 0; y < s->h; ++y) {
        const Uint8* linha = static_cast<const Uint8*>(s->pixels) + y * s->pitch;
        pixels.emplace_back(linha, linha + s->w);  // 8-bit surface: index 0 is the background
    }
    SDL_UnlockSurface(s);
    SDL_FreeSurface(s);
    return pixels;
}

// The source face's glyph for a Latin-1 code, placed in the cell by its own baseline.
Pixels celulaDaOrigem(FT_Face face, unsigned long codigo)
{
    Pixels celula(ALTURA_CELULA, std::vector<bool>(LARGURA_CELULA, false));
    if (FT_Load_Char(face, codigo, FT_LOAD_RENDER | FT_LOAD_TARGET_MONO) != 0)
        return {};
    const FT_GlyphSlot g = face->glyph;
    const int topo = static_cast<int>(face->size->metrics.ascender >> 6) - g->bitmap_top;
    for (unsigned y = 0; y < g->bitmap.rows; ++y) {
        for (unsigned x = 0; x < g->bitmap.width; ++x) {
            if (g->bitmap.buffer[y * g->bitmap.pitch + x / 8] & (0x80 >> (x % 8)))
                celula.at(topo + y).at(g->bitmap_left + x) = true;
        }
    }
    return celula;
}

Pixels recorte(const Pixels& pixels, int coluna)
{
    Pixels celula;
    for (const auto& linha : pixels)
        celula.emplace_back(linha.begin() + coluna, linha.begin() + coluna + LARGURA_CELULA);
    return celula;
}

class FontesGeradas : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(gera(dir));
        ASSERT_EQ(TTF_Init(), 0);
    }
    void TearDown() override { TTF_Quit(); }

    std::string fonte(const std::string& nome) const { return dir.caminho("fonts/" + nome); }

    DiretorioTemporario dir;
};

TEST_F(FontesGeradas, SaemIguaisEmCadaExecucaoEOTtfEhACopiaDoDebian)
{
    DiretorioTemporario outra;
    ASSERT_TRUE(gera(outra));
    for (const char* nome : ARQUIVOS) {
        const std::string bytes = DiretorioTemporario::le(fonte(nome));
        EXPECT_FALSE(bytes.empty()) << nome;
        EXPECT_EQ(bytes, DiretorioTemporario::le(outra.caminho(std::string("fonts/") + nome)))
            << nome;
    }
    EXPECT_EQ(DiretorioTemporario::le(fonte("Sans Bold.ttf")),
              DiretorioTemporario::le(SANS_ORIGEM));
}

// SDL_ttf 2.0.11 asks FreeType for the strike with its height and width swapped and goes on
// when the request fails, but newer versions refuse the font then: the request must succeed.
TEST_F(FontesGeradas, CoureAceitaOPedidoDeTamanhoDoSdlTtf)
{
    FT_Library biblioteca;
    ASSERT_EQ(FT_Init_FreeType(&biblioteca), 0);
    FT_Face face;
    ASSERT_EQ(FT_New_Face(biblioteca, fonte("coure.fon").c_str(), 0, &face), 0);
    ASSERT_EQ(face->num_fixed_sizes, 1);
    EXPECT_STREQ(face->family_name, "Coure");
    EXPECT_TRUE(FT_IS_FIXED_WIDTH(face));
    const FT_Bitmap_Size& tamanho = face->available_sizes[0];
    EXPECT_EQ(tamanho.width, LARGURA_CELULA);
    EXPECT_EQ(tamanho.height, ALTURA_CELULA);
    EXPECT_EQ(FT_Set_Pixel_Sizes(face, tamanho.height, tamanho.width), 0);
    FT_Done_Face(face);
    FT_Done_FreeType(biblioteca);
}

TEST_F(FontesGeradas, CoureTemCelulaFixaDeOitoPixelsNosTresTamanhos)
{
    for (int pontos : TAMANHOS_DO_JOGO) {
        SCOPED_TRACE(pontos);
        TTF_Font* f = TTF_OpenFont(fonte("coure.fon").c_str(), pontos);
        ASSERT_NE(f, nullptr) << TTF_GetError();
        EXPECT_EQ(TTF_FontHeight(f), ALTURA_CELULA);
        int w = 0, h = 0;
        ASSERT_EQ(TTF_SizeText(f, "A", &w, &h), 0);
        EXPECT_EQ(w, LARGURA_CELULA);
        ASSERT_EQ(TTF_SizeText(f, "Moves: 12", &w, &h), 0);
        EXPECT_EQ(w, static_cast<int>(std::string("Moves: 12").size()) * LARGURA_CELULA);
        EXPECT_EQ(h, ALTURA_CELULA);
        for (char c = ' '; c <= '~'; ++c) {
            int minx, maxx, miny, maxy, avanco;
            ASSERT_EQ(TTF_GlyphMetrics(f, static_cast<Uint16>(c), &minx, &maxx, &miny, &maxy,
                                       &avanco), 0);
            EXPECT_EQ(avanco, LARGURA_CELULA) << c;
            ASSERT_EQ(TTF_SizeText(f, std::string(1, c).c_str(), &w, &h), 0);
            EXPECT_EQ(w, LARGURA_CELULA) << c;
        }
        TTF_CloseFont(f);
    }
}

// Every printable ASCII character and some Latin-1 ones, drawn in one string, must come out
// cell by cell as the source face draws them: this catches bit order, row placement and any
// slip between codes and glyphs.
TEST_F(FontesGeradas, CoureDesenhaOsGlifosDaFaceDeOrigem)
{
    std::string texto;
    for (char c = ' '; c <= '~'; ++c)
        texto += c;
    texto += "\xE9\xE7\xE3\xC9\xFF";  // é ç ã É ÿ, in the Latin-1 that TTF_RenderText takes

    FT_Library biblioteca;
    ASSERT_EQ(FT_Init_FreeType(&biblioteca), 0);
    FT_Face origem;
    ASSERT_EQ(FT_New_Face(biblioteca, FACE_ORIGEM, 0, &origem), 0);
    ASSERT_EQ(FT_Select_Size(origem, 0), 0);
    for (int pontos : TAMANHOS_DO_JOGO) {
        SCOPED_TRACE(pontos);
        TTF_Font* f = TTF_OpenFont(fonte("coure.fon").c_str(), pontos);
        ASSERT_NE(f, nullptr) << TTF_GetError();
        const Pixels desenho = desenha(f, texto);
        TTF_CloseFont(f);
        ASSERT_EQ(desenho.size(), static_cast<std::size_t>(ALTURA_CELULA));
        ASSERT_EQ(desenho[0].size(), texto.size() * LARGURA_CELULA);
        int acesos = 0;
        for (std::size_t i = 0; i < texto.size(); ++i) {
            const Pixels celula = recorte(desenho, static_cast<int>(i) * LARGURA_CELULA);
            for (const auto& linha : celula)
                for (bool p : linha)
                    acesos += p;
            EXPECT_EQ(celula, celulaDaOrigem(origem, static_cast<unsigned char>(texto[i])))
                << "'" << texto[i] << "'";
        }
        EXPECT_GT(acesos, 0);
    }
    FT_Done_Face(origem);
    FT_Done_FreeType(biblioteca);
}

TEST_F(FontesGeradas, SansBoldAbreEm18)
{
    TTF_Font* f = TTF_OpenFont(fonte("Sans Bold.ttf").c_str(), 18);
    ASSERT_NE(f, nullptr) << TTF_GetError();
    int w = 0, h = 0;
    ASSERT_EQ(TTF_SizeText(f, "Moves: 12", &w, &h), 0);
    EXPECT_GT(w, 0);
    EXPECT_GE(TTF_FontHeight(f), 18);
    TTF_CloseFont(f);
}

}  // namespace
