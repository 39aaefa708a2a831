// Tests of CTexto on real surfaces: where the words of a laid-out text land, and kept
// renderings drawing as fresh ones. Missing and unusable fonts are in MidiaHostilTeste.
#include <gtest/gtest.h>

#include <tuple>

#include "engine/media/CTexto.h"
#include "tests/apoio/MidiaTeste.h"

static const int X = 16, Y = 20;  // where the texts are drawn
static const SDL_Color BRANCA = {255, 255, 255, 0}, CIANA = {100, 255, 255, 0};

using Palavras = std::vector<std::tuple<std::string, int, int>>;  // word, column, line

// SDL_ttf's own drawing of each word alone in its cell, with no layout and nothing kept.
static Superficie referencia(int bpp, SDL_Color cor, const Palavras& palavras, int altura = 0)
{
    Superficie s = novaSuperficie(bpp, 320, 240);
    TTF_Font* fonte = TTF_OpenFont(FONTE_CELULA, 8);
    for (const auto& [palavra, coluna, linha] : palavras) {
        Superficie desenho(TTF_RenderText_Solid(fonte, palavra.c_str(), cor), SDL_FreeSurface);
        SDL_Rect onde = {Sint16(X + coluna * CELULA), Sint16(Y + linha * altura), 0, 0};
        SDL_BlitSurface(desenho.get(), nullptr, s.get(), &onde);
    }
    TTF_CloseFont(fonte);
    return s;
}

// An 80-pixel-wide text in the cell font; desenha draws it on a fresh black surface.
class Texto : public MidiaTeste {
protected:
    Superficie desenha(const std::string& t, SDL_Color cor = BRANCA, int bpp = 16)
    {
        Superficie s = novaSuperficie(bpp, 320, 240);
        texto.escreveTexto(t);
        texto.exibe(X, Y, s.get(), cor.r, cor.g, cor.b);
        return s;
    }
    CTexto texto;
};

// One CTexto draws every case in turn: a word list left over from the last draw would show.
TEST_F(Texto, QuebraNaColunaExataEPalavrasGuardadasDesenhamComoNovas)
{
    ASSERT_TRUE(texto.inicializa(80, 240, FONTE_CELULA, 8));
    const std::pair<const char*, Palavras> CASOS[] = {
        {"HHHHHH HH", {{"HHHHHH ", 0, 0}, {"HH", 7, 0}}},    // 7 + 2 columns: 72 pixels fit in 80
        {"HHHHHH HHH", {{"HHHHHH ", 0, 0}, {"HHH", 0, 1}}},  // would end exactly at 80: next line
        {"H  H", {{"H ", 0, 0}, {" ", 2, 0}, {"H", 3, 0}}},  // a lone space is a word
        {"HHHHHHHHHHH", {{"HHHHHHHHHHH", 0, 1}}},  // too wide: one line lower, past the edge
    };
    const int h = texto.retornaAlturaCaractere();
    for (const auto& [t, palavras] : CASOS)
        EXPECT_EQ(0, diferencas(desenha(t).get(), referencia(16, BRANCA, palavras, h).get())) << t;
    // Words are kept rendered between draws; every draw must still show exactly what a fresh
    // rendering shows, whatever changed since: the text, the colour, the target's format,
    // the font.
    auto diferem = [&](const char* t, SDL_Color cor, int bpp) {
        return diferencas(desenha(t, cor, bpp).get(), referencia(bpp, cor, {{t, 0, 0}}).get());
    };
    const unsigned guardados = texto.totDesenhos();
    EXPECT_EQ(0, diferem("Moves:41", CIANA, 16));
    EXPECT_EQ(0, diferem("Moves:41", CIANA, 16)) << "drawn from what was kept";
    EXPECT_EQ(guardados + 1, texto.totDesenhos());
    for (const auto& [cor, bpp] : {std::pair{CIANA, 16}, {BRANCA, 16}, {BRANCA, 32}, {BRANCA, 16}})
        EXPECT_EQ(0, diferem("Moves:42", cor, bpp)) << bpp;
    // The keeping is bounded, and a word pushed out is rendered again when it returns.
    for (int i = 0; i < 100; ++i)
        desenha(std::to_string(i));
    EXPECT_TRUE(texto.totDesenhos() == CTexto::DESENHOS_MAX && diferem("Moves:41", CIANA, 16) == 0);
    // Another font forgets every word drawn in the old one.
    ASSERT_TRUE(texto.inicializa(80, 240, "data/fonts/Sans Bold.ttf", 12));
    EXPECT_TRUE(texto.totDesenhos() == 0u && diferem("Moves:41", CIANA, 16) != 0);
}
