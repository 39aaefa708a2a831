// Tests of CFonteBitmap, the engine's own .fon drawing used by the browser build: for every
// byte and for mixed strings it must give the surface SDL_ttf gives natively (size, and
// which pixels carry the colour), for the game's font and for a font of another cell size
// and code range; damaged files are refused without reading outside them.
#include <SDL_ttf.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/media/CFonteBitmap.h"
#include "tools/gerador/fontes/fon.h"
#include "tests/apoio/MidiaTeste.h"

namespace {

const SDL_Color COR = {200, 30, 90, 0};

// Where the two drawings of one text differ, in words; empty when they are the same. SDL_ttf
// gives an 8-bit surface whose index 0 is the transparent background.
std::string diferenca(SDL_Surface* ttf, SDL_Surface* nossa)
{
    if (ttf == nullptr || nossa == nullptr)
        return ttf == nossa ? "" : "one of them drew nothing";
    if (ttf->w != nossa->w || ttf->h != nossa->h)
        return "size " + std::to_string(nossa->w) + "x" + std::to_string(nossa->h) + ", SDL_ttf " +
               std::to_string(ttf->w) + "x" + std::to_string(ttf->h);
    for (int y = 0; y < ttf->h; ++y) {
        for (int x = 0; x < ttf->w; ++x) {
            const bool tinta = pixela(ttf, x, y) != 0;
            Uint8 r, g, b, a;
            SDL_GetRGBA(pixela(nossa, x, y), nossa->format, &r, &g, &b, &a);
            const bool nossaTinta = a == SDL_ALPHA_OPAQUE && r == COR.r && g == COR.g && b == COR.b;
            if (tinta != nossaTinta || (!tinta && a != SDL_ALPHA_TRANSPARENT))
                return "pixel " + std::to_string(x) + "," + std::to_string(y);
        }
    }
    return "";
}

class FonteBitmap : public MidiaTeste {
protected:
    void SetUp() override
    {
        MidiaTeste::SetUp();
        ASSERT_EQ(TTF_Init(), 0);
    }
    void TearDown() override
    {
        TTF_Quit();
        MidiaTeste::TearDown();
    }

    // Every single byte, then strings mixing letters, spaces, control and high bytes.
    void comparaTudo(const std::string& arquivo, int tamanho)
    {
        TTF_Font* ttf = TTF_OpenFont(arquivo.c_str(), tamanho);
        ASSERT_NE(ttf, nullptr) << SDL_GetError();
        CFonteBitmap nossa;
        ASSERT_TRUE(nossa.carrega(arquivo));
        std::vector<std::string> textos = {"", "A", "Ag ", " Moves: 12 ", "a\tb\x01z",
                                           "PAUSED", "\x80\x9f\xa0\xe9\xff~", "X Y  Z   "};
        for (int c = 1; c < 256; ++c)
            textos.push_back(std::string(1, static_cast<char>(c)));
        for (const std::string& t : textos) {
            SDL_Surface* a = TTF_RenderText_Solid(ttf, t.c_str(), COR);
            SDL_Surface* b = nossa.desenha(t, COR);
            EXPECT_EQ(diferenca(a, b), "") << arquivo << " text \"" << t << "\"";
            SDL_FreeSurface(a);
            SDL_FreeSurface(b);
        }
        TTF_CloseFont(ttf);
    }
};

TEST_F(FonteBitmap, DesenhaAFonteDoJogoComoOSdlTtfEmCadaTamanhoUsado)
{
    for (int tamanho : {8, 18, 24})
        comparaTudo(FONTE_CELULA, tamanho);
}

// A 5x7 cell from 'A' to 'Z' with '?' as default: nothing of the game font's shape is assumed.
TEST_F(FonteBitmap, DesenhaOutraCelulaEOutraFaixaDeCodigosComoOSdlTtf)
{
    FonteCelulas f;
    f.nome = "Teste";
    f.descricao = "FONTRES 100,72,72 : Teste 5";
    f.largura = 5;
    f.altura = 7;
    f.ascendente = 6;
    f.primeiro = ' ';
    f.padrao = '?';
    for (int c = ' '; c <= 'Z'; ++c) {
        std::vector<unsigned char> linhas;
        for (int y = 0; y < f.altura; ++y)
            linhas.push_back(static_cast<unsigned char>(((c * 37 + y * 11) & 0xF8) | (y == 0 ? 0x88 : 0)));
        f.glifos.push_back(linhas);
    }
    const std::vector<unsigned char> fon = montaFon(f);
    ASSERT_FALSE(fon.empty());
    const std::string arquivo =
        temp.escreve("teste.fon", std::string(fon.begin(), fon.end()));
    comparaTudo(arquivo, 5);
}

// Every cut of the file and a stray byte at every header position are refused or read whole;
// a loaded font still draws "A" within its own size.
TEST_F(FonteBitmap, ArquivosDanificadosSaoRecusadosSemLerForaDeles)
{
    const std::string original = DiretorioTemporario::le(FONTE_CELULA);
    ASSERT_GT(original.size(), 1000u);
    const std::vector<unsigned char> inteiro(original.begin(), original.end());
    CFonteBitmap fonte;
    for (size_t n = 0; n < inteiro.size(); ++n) {
        const std::vector<unsigned char> cortado(inteiro.begin(), inteiro.begin() + n);
        if (fonte.carrega(cortado)) {
            // Only the padding after the font may go.
            SDL_Surface* s = fonte.desenha("A", COR);
            ASSERT_NE(s, nullptr) << n;
            SDL_FreeSurface(s);
        }
    }
    EXPECT_TRUE(fonte.carrega(inteiro));
    for (size_t i = 0; i < 0x400 && i < inteiro.size(); ++i) {
        for (unsigned char v : {0x00, 0x7F, 0xFF}) {
            std::vector<unsigned char> danificado = inteiro;
            danificado[i] = v;
            if (fonte.carrega(danificado)) {
                SDL_Surface* s = fonte.desenha("A\x01\xff", COR);
                if (s != nullptr) {
                    EXPECT_EQ(s->w, fonte.larguraDe('A') + fonte.larguraDe(1) + fonte.larguraDe(0xFF));
                }
                SDL_FreeSurface(s);
            }
        }
    }
    EXPECT_FALSE(fonte.carrega(std::string("data/fonts/Sans Bold.ttf")));
    EXPECT_FALSE(fonte.carregada());
    EXPECT_EQ(fonte.desenha("A", COR), nullptr);
}

}  // namespace
