// Tests of the generated cell font, data/fonts/coure.fon (the generator's output: DadosTeste
// checks it) as the game's font path, SDL_ttf over FreeType, sees it: the size request
// succeeds, and at each of the game's sizes every glyph advances one 8-pixel cell and draws
// the pixels of the source face. Depends on gtest, SDL_ttf and FreeType.
#include <ft2build.h>
#include FT_FREETYPE_H

#include <SDL_ttf.h>

#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace {

const char COURE[] = "data/fonts/coure.fon";
const char FACE_ORIGEM[] = "/usr/share/fonts/X11/misc/8x13B.pcf.gz";
const int LARGURA = 8;
const int ALTURA = 13;

using Pixels = std::vector<std::vector<bool>>;  // [linha][coluna]

class FontesGeradas : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_EQ(TTF_Init(), 0);
        ASSERT_EQ(FT_Init_FreeType(&biblioteca), 0);
    }
    void TearDown() override
    {
        FT_Done_FreeType(biblioteca);
        TTF_Quit();
    }
    FT_Library biblioteca = nullptr;
};

// SDL_ttf 2.0.11 asks FreeType for the strike with its height and width swapped and goes on
// when the request fails, but newer versions refuse the font then: the request must succeed.
TEST_F(FontesGeradas, CoureAceitaOPedidoDeTamanhoDoSdlTtf)
{
    FT_Face face;
    ASSERT_EQ(FT_New_Face(biblioteca, COURE, 0, &face), 0);
    ASSERT_EQ(face->num_fixed_sizes, 1);
    EXPECT_EQ(face->available_sizes[0].width, LARGURA);
    EXPECT_EQ(face->available_sizes[0].height, ALTURA);
    EXPECT_EQ(FT_Set_Pixel_Sizes(face, ALTURA, LARGURA), 0);
    FT_Done_Face(face);
}

// Drawn in one string, every character must come out cell by cell as the source face draws
// it: this catches bit order, row placement, advances and any slip between codes and glyphs.
TEST_F(FontesGeradas, CoureDesenhaOsGlifosDaOrigemEmCelulasDeOitoPixels)
{
    std::string texto;
    for (char c = ' '; c <= '~'; ++c)
        texto += c;
    texto += "\xE9\xE7\xE3\xC9\xFF";  // Latin-1, as TTF_RenderText takes it
    FT_Face origem;
    ASSERT_EQ(FT_New_Face(biblioteca, FACE_ORIGEM, 0, &origem), 0);
    ASSERT_EQ(FT_Select_Size(origem, 0), 0);
    const int topo = static_cast<int>(origem->size->metrics.ascender >> 6);
    for (int pontos : {8, 18, 24}) {
        SCOPED_TRACE(pontos);
        TTF_Font* f = TTF_OpenFont(COURE, pontos);
        ASSERT_NE(f, nullptr) << TTF_GetError();
        EXPECT_EQ(TTF_FontHeight(f), ALTURA);
        SDL_Surface* s = TTF_RenderText_Solid(f, texto.c_str(), {255, 255, 255, 0});
        ASSERT_NE(s, nullptr);
        ASSERT_EQ(s->w, int(texto.size()) * LARGURA);
        ASSERT_EQ(s->h, ALTURA);
        for (size_t i = 0; i < texto.size(); ++i) {
            const unsigned char c = texto[i];
            int avanco = 0;
            TTF_GlyphMetrics(f, c, nullptr, nullptr, nullptr, nullptr, &avanco);
            EXPECT_EQ(avanco, LARGURA) << c;
            // 8-bit surface, index 0 is the background.
            Pixels desenho(ALTURA, std::vector<bool>(LARGURA)), esperado = desenho;
            for (int y = 0; y < ALTURA; ++y)
                for (int x = 0; x < LARGURA; ++x)
                    desenho[y][x] = static_cast<Uint8*>(s->pixels)[y * s->pitch + i * LARGURA + x];
            ASSERT_EQ(FT_Load_Char(origem, c, FT_LOAD_RENDER | FT_LOAD_TARGET_MONO), 0);
            const FT_GlyphSlot g = origem->glyph;
            for (unsigned y = 0; y < g->bitmap.rows; ++y)
                for (unsigned x = 0; x < g->bitmap.width; ++x)
                    if (g->bitmap.buffer[y * g->bitmap.pitch + x / 8] & (0x80 >> (x % 8)))
                        esperado.at(topo - g->bitmap_top + y).at(g->bitmap_left + x) = true;
            EXPECT_EQ(desenho, esperado) << "'" << texto[i] << "'";
        }
        SDL_FreeSurface(s);
        TTF_CloseFont(f);
    }
    FT_Done_Face(origem);
}

}  // namespace
