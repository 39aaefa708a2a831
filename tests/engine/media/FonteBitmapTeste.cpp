// Tests of CFonteBitmap, the engine's own .fon drawing used by the browser build: for every
// byte and for mixed strings it must give what SDL_ttf gives natively; damaged files are
// refused without reading outside them.
#include <SDL_ttf.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/media/CFonteBitmap.h"
#include "tests/apoio/MidiaTeste.h"

static const SDL_Color COR = {200, 30, 90, 0};

// Pixels where the drawings disagree: where SDL_ttf's keyed 8-bit surface has ink ours must
// be opaque COR, elsewhere fully transparent; -1 when the sizes differ or only one drew.
static int diferenca(SDL_Surface* ttf, SDL_Surface* nossa)
{
    if (ttf == nullptr || nossa == nullptr || ttf->w != nossa->w || ttf->h != nossa->h)
        return ttf == nossa ? 0 : -1;
    int total = 0;
    for (int y = 0; y < ttf->h; ++y)
        for (int x = 0; x < ttf->w; ++x) {
            Uint8 r, g, b, a;
            SDL_GetRGBA(pixela(nossa, x, y), nossa->format, &r, &g, &b, &a);
            const bool tinta = a == SDL_ALPHA_OPAQUE && r == COR.r && g == COR.g && b == COR.b;
            total += pixela(ttf, x, y) != 0 ? !tinta : a != SDL_ALPHA_TRANSPARENT;
        }
    return total;
}

using FonteBitmap = MidiaTeste;

// Every single byte, then strings mixing letters, spaces, control and high bytes, in the
// game's font at each size it is used in.
TEST_F(FonteBitmap, DesenhaComoOSdlTtfERecusaArquivosDanificadosSemLerForaDeles)
{
    std::vector<std::string> textos = {"", "Ag ", " Moves: 12 ", "a\tb\x01z", "\x80\xe9\xff~"};
    for (int c = 1; c < 256; ++c)
        textos.push_back(std::string(1, char(c)));
    ASSERT_EQ(TTF_Init(), 0);
    CFonteBitmap nossa;
    ASSERT_TRUE(nossa.carrega(std::string(FONTE_CELULA)));
    for (const int tamanho : {8, 18, 24}) {
        TTF_Font* ttf = TTF_OpenFont(FONTE_CELULA, tamanho);
        ASSERT_NE(ttf, nullptr);
        for (const std::string& t : textos) {
            Superficie a(TTF_RenderText_Solid(ttf, t.c_str(), COR), SDL_FreeSurface),
                b(nossa.desenha(t, COR), SDL_FreeSurface);
            EXPECT_EQ(diferenca(a.get(), b.get()), 0) << tamanho << " \"" << t << "\"";
        }
        TTF_CloseFont(ttf);
    }
    TTF_Quit();
    // Every cut of the file and a stray byte at every header position are refused or read
    // whole; a loaded font still draws within its own widths.
    const std::string original = DiretorioTemporario::le(FONTE_CELULA);
    const std::vector<unsigned char> inteiro(original.begin(), original.end());
    CFonteBitmap fonte;
    for (size_t n = 0; n < inteiro.size(); ++n)  // only the padding after the font may go
        ASSERT_TRUE(!fonte.carrega(std::vector<Uint8>(inteiro.begin(), inteiro.begin() + n)) ||
                    Superficie(fonte.desenha("A", COR), SDL_FreeSurface) != nullptr) << n;
    for (size_t i = 0; i < 0x400 && i < inteiro.size(); ++i)
        for (unsigned char v : {0x00, 0x7F, 0xFF}) {
            std::vector<unsigned char> danificado = inteiro;
            danificado[i] = v;
            const bool carregou = fonte.carrega(danificado);
            // Of the DOS stub only the MZ signature is read.
            EXPECT_TRUE(i >= 0x3C || carregou == (i >= 2 || v == inteiro[i])) << i;
            Superficie s(carregou ? fonte.desenha("A\x01\xff", COR) : nullptr, SDL_FreeSurface);
            EXPECT_TRUE(s == nullptr || s->w == fonte.larguraDe('A') + fonte.larguraDe(1) +
                                                     fonte.larguraDe(0xFF)) << i;
        }
    EXPECT_FALSE(fonte.carrega(std::string("data/fonts/Sans Bold.ttf")) || fonte.carregada() ||
                 fonte.desenha("A", COR) != nullptr);
}
