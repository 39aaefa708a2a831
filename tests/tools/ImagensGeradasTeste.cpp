// Tests of the picture generator: its BMP writer keeps near colours off the colour key, and
// the shipped pictures (data/ is the generator's output: DadosTeste checks it) keep their
// keys only where they belong, the menu and panel text readable and the puzzle tiles distinct.
#include <SDL.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <string>
#include <vector>

#include "engine/media/pixela.h"
#include "tests/apoio/ArquivosTemporarios.h"
#include "tools/gerador/imagens/base.h"

namespace {

const int CELULA = 60;       // a puzzle tile; the backgrounds are 4 x 4 tiles
const int LOGO_QUADRO = 67;  // the logo's width is three such frames

struct Rgb {
    int r, g, b;
    bool operator==(const Rgb& o) const { return r == o.r && g == o.g && b == o.b; }
    int em565() const { return ((r >> 3) << 11) | ((g >> 2) << 5) | (b >> 3); }
    double luz() const { return 0.299 * r + 0.587 * g + 0.114 * b; }
};
const Rgb MAGENTA = {255, 0, 255}, CINZA = {102, 102, 102};

// A BMP as plain Cor, whatever depth it was saved in.
struct Figura {
    int largura = 0, altura = 0;
    std::vector<Rgb> px;
    Rgb em(int x, int y) const { return px[size_t(y) * largura + x]; }
    // Pixels that are not the key but that the game's 565 conversion turns into it.
    int sumiriam(Rgb chave) const
    {
        int n = 0;
        for (const Rgb& p : px)
            n += !(p == chave) && p.em565() == chave.em565();
        return n;
    }
    // Mean and spread of the luminance over a rectangle.
    void luz(int x0, int y0, int w, int h, double& media, double& desvio) const
    {
        double soma = 0, soma2 = 0;
        for (int y = y0; y < y0 + h; ++y) {
            for (int x = x0; x < x0 + w; ++x) {
                soma += em(x, y).luz();
                soma2 += em(x, y).luz() * em(x, y).luz();
            }
        }
        media = soma / (w * h);
        desvio = std::sqrt(soma2 / (w * h) - media * media);
    }
};

Figura carrega(const std::string& caminho)
{
    Figura f;
    SDL_Surface* s = SDL_LoadBMP(caminho.c_str());
    EXPECT_NE(s, nullptr) << caminho;
    for (int y = 0; s != nullptr && y < s->h; ++y) {
        for (int x = 0; x < s->w; ++x) {
            Uint8 r, g, b;
            SDL_GetRGB(pixela(s, x, y), s->format, &r, &g, &b);
            f.px.push_back({r, g, b});
        }
    }
    f.largura = s != nullptr ? s->w : 0;
    f.altura = s != nullptr ? s->h : 0;
    SDL_FreeSurface(s);
    return f;
}

// A colour a shade off the key would turn into the key at 16 bits and vanish in the game.
TEST(KitDeDesenho, BmpGuardaAChaveEAfastaDelaAsCoresVizinhas)
{
    DiretorioTemporario dir;
    for (const Rgb& chave : {MAGENTA, CINZA}) {
        const Cor c = rgb(chave.r, chave.g, chave.b);
        Imagem img(3, 1, c);
        img.em(1, 0) = rgb(chave.r - 2, chave.g + 1, chave.b - 4);
        img.em(2, 0) = Cor{300, -20, 0};  // out of range: clamped, not wrapped
        ASSERT_TRUE(salvaBmp(img, dir.caminho("k.bmp"), &c));
        const Figura f = carrega(dir.caminho("k.bmp"));
        ASSERT_EQ(f.largura, 3);
        EXPECT_TRUE(f.em(0, 0) == chave);
        EXPECT_NE(f.em(1, 0).em565(), chave.em565()) << chave.r;
        EXPECT_TRUE(f.em(2, 0).r == 255 && f.em(2, 0).g == 0);
    }
}

TEST(ImagensGeradas, ChavesSoOndeDevemEstar)
{
    const Figura sel = carrega("data/gfx/selecao.bmp");
    ASSERT_EQ(sel.largura, CELULA);
    EXPECT_EQ(sel.sumiriam(MAGENTA), 0);
    // A 3-px frame that never vanishes, and the tile's picture showing through the middle.
    for (int i = 0; i < CELULA; ++i) {
        for (int d = 0; d < CELULA; ++d) {
            const int margem = std::min({i, d, CELULA - 1 - i, CELULA - 1 - d});
            EXPECT_TRUE(margem < 3 ? sel.em(i, d).em565() != MAGENTA.em565()
                                   : margem < CELULA / 5 || sel.em(i, d) == MAGENTA)
                << i << "," << d;
        }
    }

    const Figura logo = carrega("data/gfx/Orvalek.bmp");
    ASSERT_EQ(logo.largura, 3 * LOGO_QUADRO);
    EXPECT_EQ(logo.sumiriam(CINZA), 0);
    for (int x0 = 0; x0 < logo.largura; x0 += LOGO_QUADRO) {
        for (int x : {x0, x0 + LOGO_QUADRO - 1})
            for (int y : {0, logo.altura - 1})
                EXPECT_TRUE(logo.em(x, y) == CINZA) << "frame at " << x0;
        int visiveis = 0;
        for (int y = 0; y < logo.altura; ++y)
            for (int x = x0; x < x0 + LOGO_QUADRO; ++x)
                visiveis += !(logo.em(x, y) == CINZA);
        EXPECT_GT(visiveis, LOGO_QUADRO * logo.altura / 3) << "frame at " << x0;
    }

    const Figura msg = carrega("data/gfx/mensagem.bmp");
    ASSERT_GT(msg.largura, 20);
    EXPECT_EQ(msg.sumiriam(MAGENTA), 0);
    EXPECT_TRUE(msg.em(0, 0) == MAGENTA && msg.em(msg.largura - 1, 0) == MAGENTA);
    // Black text goes from (10, 10): the inside there must be light.
    EXPECT_GT(std::min(msg.em(14, 14).luz(), msg.em(msg.largura / 2, msg.altura / 2).luz()), 180);
}

TEST(ImagensGeradas, TextoDoMenuEDoPainelLegivel)
{
    // The menu rows sit at x 80..230, y 70..212 over the title: light and calm there.
    double media, desvio;
    carrega("data/gfx/title.bmp").luz(80, 70, 150, 142, media, desvio);
    EXPECT_GT(media, 200);
    EXPECT_LT(desvio, 10);
    // Panel text rows (13 px tall from x = 4) need a dark ground for green, cyan and white.
    const Figura painel = carrega("data/gfx/painel.bmp");
    ASSERT_EQ(painel.largura, 80);
    for (int linha : {5, 40, 60, 90, 180, 210})
        for (int y = linha; y < linha + 13; ++y)
            for (int x = 4; x < 76; ++x)
                ASSERT_LT(painel.em(x, y).luz(), 70) << x << "," << y;
}

TEST(ImagensGeradas, CadaPecaDosFundosTemLugarProprio)
{
    for (const auto& arquivo : std::filesystem::directory_iterator("data/bg")) {
        const std::string nome = arquivo.path().string();
        const Figura f = carrega(nome);
        ASSERT_EQ(f.largura, 4 * CELULA) << nome;
        for (int c = 0; c < 16; ++c) {
            double media, desvio;
            f.luz(c % 4 * CELULA, c / 4 * CELULA, CELULA, CELULA, media, desvio);
            EXPECT_GT(desvio, 8) << nome << ": tile " << c << " is flat";
            for (int d = c + 1; d < 16; ++d) {
                double diferenca = 0;  // mean per-channel difference
                for (int y = 0; y < CELULA; ++y) {
                    for (int x = 0; x < CELULA; ++x) {
                        const Rgb p = f.em(c % 4 * CELULA + x, c / 4 * CELULA + y);
                        const Rgb q = f.em(d % 4 * CELULA + x, d / 4 * CELULA + y);
                        diferenca +=
                            std::abs(p.r - q.r) + std::abs(p.g - q.g) + std::abs(p.b - q.b);
                    }
                }
                EXPECT_GT(diferenca / (CELULA * CELULA * 3), 8) << nome << ": tiles " << c
                                                                << " and " << d << " alike";
            }
        }
    }
}

}  // namespace
