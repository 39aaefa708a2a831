// Tests of CTexto and DisplayText: where the words of a laid-out text land on a real surface,
// SDL_ttf shared between text objects, texts from files and the log lines.
#include <gtest/gtest.h>
#include <unistd.h>

#include "engine/media/CTexto.h"
#include "engine/media/DisplayText.h"
#include "tests/MidiaTeste.h"

using namespace testing::internal;

namespace {

const int X = 16, Y = 20;  // where the texts are drawn

using Texto = MidiaTeste;

// An 80-pixel-wide text in the cell font, drawn in white on fresh black surfaces.
class TextoComFonte : public MidiaTeste {
protected:
    void SetUp() override
    {
        MidiaTeste::SetUp();
        ASSERT_TRUE(texto.inicializa(80, 240, FONTE_CELULA, 8));
    }
    Superficie desenha(const std::string& t)
    {
        Superficie s = novaSuperficie(16, 320, 240);
        texto.escreveTexto(t);
        texto.exibe(X, Y, s.get(), 255, 255, 255);
        return s;
    }
    // Text lines 0-2 of t drawn, a character per cell: '#' for exactly the glyph of "H" drawn
    // alone, '.' for blank, '?' for anything else; blank line ends are cut off.
    std::vector<std::string> mapa(const std::string& t)
    {
        const int h = texto.retornaAlturaCaractere();
        const Superficie s = desenha(t), so = desenha("H");
        std::vector<std::string> linhas;
        for (int l = 0; l < 3; ++l) {
            std::string linha;
            for (int c = 0; X + (c + 1) * CELULA <= s->w; ++c) {
                bool vazia = true, agah = true;
                for (int j = 0; j < h; ++j) {
                    for (int i = 0; i < CELULA; ++i) {
                        const Uint32 p = pixela(s.get(), X + c * CELULA + i, Y + l * h + j);
                        vazia = vazia && p == 0;
                        agah = agah && p == pixela(so.get(), X + i, Y + j);
                    }
                }
                linha += vazia ? '.' : agah ? '#' : '?';
            }
            linhas.push_back(linha.substr(0, linha.find_last_not_of('.') + 1));
        }
        if (temTinta(s.get(), 0, 0, s->w, Y) || temTinta(s.get(), 0, 0, X, s->h))
            linhas.push_back("ink above or left of the text");
        return linhas;
    }

    CTexto texto;
};

}  // namespace

// One CTexto draws every case in turn: a word list left over from the last draw would show.
TEST_F(TextoComFonte, QuebraNaColunaExataEEspacoSozinhoOcupaColuna)
{
    const std::pair<const char*, std::vector<std::string>> CASOS[] = {
        {"HHHHHH HH", {"######.##", "", ""}},      // 7 + 2 columns: 72 pixels fit in 80
        {"HHHHHH HHH", {"######", "###", ""}},     // would end exactly at 80: next line
        {"H  H", {"#..#", "", ""}},                // "H ", " ", "H": a lone space is a word
        {"HHHHHHHHHHH", {"", "###########", ""}},  // too wide: one line lower, past the edge
    };
    for (const auto& [t, linhas] : CASOS)
        EXPECT_EQ(mapa(t), linhas) << t;
}

TEST_F(Texto, DoisTextosPartilhamOSDLttf)
{
    auto um = std::make_unique<CTexto>();
    {
        CTexto outro;
        ASSERT_TRUE(outro.inicializa(80, 20, FONTE_CELULA, 8));
    }
    ASSERT_NE(TTF_WasInit(), 0) << "one text object is still alive";
    ASSERT_TRUE(um->inicializa(80, 20, FONTE_CELULA, 8));
    um.reset();
    EXPECT_EQ(TTF_WasInit(), 0) << "the last one stops SDL_ttf";
    CTexto novo;
    EXPECT_TRUE(TTF_WasInit() && novo.inicializa(80, 20, FONTE_CELULA, 8)) << "a new one starts it";
}

TEST_F(Texto, AvisaSemFonteOuArquivo)
{
    CTexto t;
    const std::string fonte = temp.caminho("nenhuma.fon");
    CaptureStderr();
    EXPECT_FALSE(t.inicializa(80, 20, fonte, 8));
    EXPECT_EQ(GetCapturedStderr(),
              "Erro ao carregar fonte " + fonte + " \t " + SDL_GetError() + " \n");
    CaptureStderr();
    t.escreveTexto("x");
    t.exibe(0, 0, tela, 255, 255, 255);
    EXPECT_EQ(GetCapturedStderr(), std::string("Erro ao tentar exibir texto, fonte não "
                                               "encontrada.\t ") + SDL_GetError() + " \n");

    EXPECT_TRUE(t.carregaTexto(temp.escreve("t.txt", "duas\n linhas\n")));
    EXPECT_EQ(t.retornaTexto(), "duas linhas") << "line ends are dropped, not made spaces";
    const std::string falta = temp.caminho("nenhum.txt");
    CaptureStderr();
    EXPECT_FALSE(t.carregaTexto(falta));
    EXPECT_EQ(GetCapturedStderr(), "Erro na abertura do arquivo " + falta + "\n");
    EXPECT_EQ(t.retornaTexto(), "");

    // DisplayText's own font is looked for in the working directory.
    EXPECT_EXIT(if (chdir(temp.caminho("").c_str()) == 0)
                    DisplayText(tela, "x", 0, 0, 8, 255, 255, 255),
                testing::ExitedWithCode(255), "^Erro ao carregar fonte:\t");
}

// From the directory the game runs in, DisplayText finds arialbd.ttf and draws, both forms.
TEST_F(Texto, DisplayTextDesenhaComAFonteDaRaiz)
{
    CTexto vivo;  // DisplayText relies on SDL_ttf started by a live text object
    const Uint32 branco = SDL_MapRGB(tela->format, 255, 255, 255);
    const Uint32 amarelo = SDL_MapRGB(tela->format, 255, 255, 0);
    const Uint32 azul = SDL_MapRGB(tela->format, 0, 0, 255);
    CaptureStderr();
    DisplayText(tela, "Corvela", X, Y, 18, 255, 255, 255);
    DisplayText(tela, "Corvela", X, 100, 18, 255, 255, 0, 0, 0, 255);
    EXPECT_EQ(GetCapturedStderr(), "");

    int brancos = 0, amarelos = 0;
    for (int y = 0; y < 240; ++y)
        for (int x = 0; x < 320; ++x) {
            const Uint32 p = pixela(tela, x, y);
            brancos += p == branco;
            amarelos += p == amarelo;
            if (p == branco) {
                EXPECT_TRUE(x >= X && y >= Y && y < 100) << x << "," << y;
            }
        }
    EXPECT_GT(brancos, 100) << "seven bold letters";
    EXPECT_GT(amarelos, 100);
    EXPECT_EQ(azul, pixela(tela, X, 100)) << "the shaded form draws its background box";
    EXPECT_FALSE(temTinta(tela, 0, 0, X, 240)) << "nothing left of x";
}

namespace {

// What SDL_ttf draws for one word with no layout and nothing kept: the pixels to match.
Superficie referencia(int bpp, const std::string& palavra, SDL_Color cor)
{
    Superficie s = novaSuperficie(bpp, 320, 240);
    TTF_Font* fonte = TTF_OpenFont(FONTE_CELULA, 8);
    SDL_Surface* desenho = TTF_RenderText_Solid(fonte, palavra.c_str(), cor);
    SDL_Rect onde = {X, Y, 0, 0};
    SDL_BlitSurface(desenho, nullptr, s.get(), &onde);
    SDL_FreeSurface(desenho);
    TTF_CloseFont(fonte);
    return s;
}

}  // namespace

// Words are kept rendered between draws; every draw must still show exactly what a fresh
// rendering shows, whatever changed since: the text, the colour, the target's format, the font.
TEST_F(TextoComFonte, PalavrasGuardadasDesenhamComoNovas)
{
    const SDL_Color branco = {255, 255, 255, 0}, ciano = {100, 255, 255, 0};
    auto exibe = [&](int bpp, const std::string& t, SDL_Color c) {
        Superficie s = novaSuperficie(bpp, 320, 240);
        texto.escreveTexto(t);
        texto.exibe(X, Y, s.get(), c.r, c.g, c.b);
        return s;
    };
    for (int vez = 0; vez < 2; ++vez)  // rendered, then from what was kept
        EXPECT_TRUE(iguais(exibe(16, "Moves:41", ciano).get(),
                           referencia(16, "Moves:41", ciano).get())) << vez;
    EXPECT_EQ(1u, texto.totDesenhos());
    EXPECT_TRUE(iguais(exibe(16, "Moves:42", ciano).get(), referencia(16, "Moves:42", ciano).get()));
    EXPECT_TRUE(iguais(exibe(16, "Moves:42", branco).get(),
                       referencia(16, "Moves:42", branco).get()));
    EXPECT_TRUE(iguais(exibe(32, "Moves:42", branco).get(),
                       referencia(32, "Moves:42", branco).get()));
    EXPECT_TRUE(iguais(exibe(16, "Moves:42", branco).get(),
                       referencia(16, "Moves:42", branco).get()));

    // The keeping is bounded, and a word pushed out is rendered again when it returns.
    for (int i = 0; i < 100; ++i)
        exibe(16, std::to_string(i), branco);
    EXPECT_EQ(CTexto::DESENHOS_MAX, texto.totDesenhos());
    EXPECT_TRUE(iguais(exibe(16, "Moves:41", ciano).get(), referencia(16, "Moves:41", ciano).get()));

    // Another font forgets every word drawn in the old one.
    ASSERT_TRUE(texto.inicializa(80, 240, "data/fonts/Sans Bold.ttf", 12));
    EXPECT_EQ(0u, texto.totDesenhos());
    const Superficie grande = exibe(16, "Moves:41", ciano);
    EXPECT_FALSE(iguais(grande.get(), referencia(16, "Moves:41", ciano).get()));
}
