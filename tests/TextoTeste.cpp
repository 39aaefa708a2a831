// Tests of CTexto and DisplayText: where the glyphs of a laid-out text land on a real
// surface, SDL_ttf shared between text objects, texts from files and the log lines.
// Depends on CTexto, DisplayText, MidiaTeste.h and the game's fixed-cell font.
#include <gtest/gtest.h>

#include <cstring>

#include "engine/media/CTexto.h"
#include "engine/media/DisplayText.h"
#include "tests/MidiaTeste.h"

using namespace testing::internal;

namespace {

const int X = 16;  // where the texts are drawn
const int Y = 20;

using Texto = MidiaTeste;

// An 80-pixel-wide text in the fixed-cell font, drawn in white on fresh black surfaces.
class TextoComFonte : public MidiaTeste {
protected:
    void SetUp() override
    {
        MidiaTeste::SetUp();
        if (!temFonteCelula())
            GTEST_SKIP() << FONTE_CELULA << " is missing: the data generator writes it";
        ASSERT_TRUE(texto.inicializa(80, 240, FONTE_CELULA, TAMANHO_FONTE_CELULA));
        ASSERT_EQ(texto.retornaLarguraCaractere(), CELULA);
        h = texto.retornaAlturaCaractere();
    }
    Superficie desenha(const std::string& t)
    {
        Superficie s = novaSuperficie(16, 320, 240);
        texto.escreveTexto(t);
        texto.exibe(X, Y, s.get(), 255, 255, 255);
        return s;
    }
    // Ink in the columns [c0, c1) of text line l.
    bool tinta(const Superficie& s, int l, int c0, int c1) const
    {
        return temTinta(s.get(), X + c0 * CELULA, Y + l * h, (c1 - c0) * CELULA, h);
    }
    // Whether line l of s, from column c, shows exactly what palavra drawn alone shows.
    bool palavraEm(const Superficie& s, int l, int c, const std::string& palavra)
    {
        const Superficie so = desenha(palavra);
        for (int j = 0; j < h; ++j)
            for (int i = 0; i < int(palavra.size()) * CELULA; ++i)
                if (pixela(s.get(), X + c * CELULA + i, Y + l * h + j) !=
                    pixela(so.get(), X + i, Y + j))
                    return false;
        return true;
    }

    CTexto texto;
    int h = 0;
};

}  // namespace

TEST_F(TextoComFonte, QuebraNaColunaExataEEspacoSozinhoOcupaColuna)
{
    Superficie s = desenha("HHHHHH HH");  // 7 + 2 columns: 72 pixels fit in 80
    EXPECT_TRUE(palavraEm(s, 0, 7, "HH"));
    EXPECT_FALSE(tinta(s, 0, 6, 7));
    EXPECT_FALSE(tinta(s, 0, 9, 40));
    EXPECT_FALSE(tinta(s, 1, 0, 40));
    EXPECT_FALSE(temTinta(s.get(), 0, 0, 320, Y));
    EXPECT_FALSE(temTinta(s.get(), 0, 0, X, 240));

    s = desenha("HHHHHH HHH");  // would end exactly at 80 pixels: next line, column 0
    EXPECT_FALSE(tinta(s, 0, 6, 40));
    EXPECT_TRUE(palavraEm(s, 1, 0, "HHH"));
    EXPECT_FALSE(tinta(s, 1, 3, 40));

    s = desenha("H  H");  // "H ", " ", "H": the lone space is a word of one column
    EXPECT_TRUE(tinta(s, 0, 0, 1));
    EXPECT_FALSE(tinta(s, 0, 1, 3));
    EXPECT_TRUE(palavraEm(s, 0, 3, "H"));
    EXPECT_FALSE(tinta(s, 0, 4, 40));

    s = desenha("HHHHHHHHHHH");  // as wide as the area: line 0 stays empty, runs past the edge
    EXPECT_FALSE(tinta(s, 0, 0, 40));
    EXPECT_TRUE(tinta(s, 1, 0, 1));
    EXPECT_TRUE(tinta(s, 1, 10, 11));
    EXPECT_FALSE(tinta(s, 2, 0, 40));
}

TEST_F(TextoComFonte, ExibeDuasVezesDesenhaIgual)
{
    texto.escreveTexto("duas linhas de texto, ou mais");
    Superficie a = novaSuperficie(16, 320, 240);
    Superficie b = novaSuperficie(16, 320, 240);
    texto.exibe(X, Y, a.get(), 255, 255, 0);
    texto.exibe(X, Y, b.get(), 255, 255, 0);
    EXPECT_TRUE(tinta(a, 1, 0, 10)) << "the text wraps";
    EXPECT_EQ(std::memcmp(a->pixels, b->pixels, size_t(a->h) * a->pitch), 0);
}

TEST_F(Texto, DoisTextosPartilhamOSDLttf)
{
    if (!temFonteCelula())
        GTEST_SKIP() << FONTE_CELULA << " is missing";
    auto um = std::make_unique<CTexto>();
    auto outro = std::make_unique<CTexto>();
    ASSERT_TRUE(um->inicializa(80, 20, FONTE_CELULA, TAMANHO_FONTE_CELULA));
    ASSERT_TRUE(outro->inicializa(80, 20, FONTE_CELULA, TAMANHO_FONTE_CELULA));
    outro.reset();
    EXPECT_NE(TTF_WasInit(), 0) << "one text object is still alive";
    Superficie s = novaSuperficie(16, 40, 40);
    um->escreveTexto("H");
    um->exibe(0, 0, s.get(), 255, 255, 255);
    EXPECT_TRUE(temTinta(s.get(), 0, 0, CELULA, 40)) << "the other one still draws";

    um.reset();
    EXPECT_EQ(TTF_WasInit(), 0) << "the last one stops SDL_ttf";
    CTexto novo;
    EXPECT_NE(TTF_WasInit(), 0);
    EXPECT_TRUE(novo.inicializa(80, 20, FONTE_CELULA, TAMANHO_FONTE_CELULA));
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
