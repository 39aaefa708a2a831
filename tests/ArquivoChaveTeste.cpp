// Tests of CArquivoChave: the line grammar (a table and every byte in each place), the
// comment and separator characters, key navigation from every line, lookups and edits that
// keep every other byte through a save. Depends on gtest, CArquivoChave and the scratch
// directory helper.
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "engine/files/CArquivoChave.h"
#include "tests/ArquivosTemporarios.h"

namespace {

struct Leitura {
    bool chaveValida;
    std::string chave;
    std::string valor;
    bool operator==(const Leitura& outra) const
    {
        return chaveValida == outra.chaveValida && chave == outra.chave && valor == outra.valor;
    }
};

std::ostream& operator<<(std::ostream& saida, const Leitura& l)
{
    return saida << (l.chaveValida ? "key " : "not ") << ::testing::PrintToString(l.chave)
                 << " " << ::testing::PrintToString(l.valor);
}

const char NAO_ESCRITO[] = "not written";

Leitura le(const CArquivoChave& arquivo, const std::string& linha)
{
    Leitura lida{false, NAO_ESCRITO, NAO_ESCRITO};
    lida.chaveValida = arquivo.validaEstruturaLinha(linha, &lida.chave, &lida.valor);
    if (!lida.chaveValida) {
        // Nothing may be written on a line that is not a key line.
        EXPECT_EQ(lida.chave, NAO_ESCRITO);
        EXPECT_EQ(lida.valor, NAO_ESCRITO);
        lida.chave.clear();
        lida.valor.clear();
    }
    return lida;
}

bool blank(unsigned char c)
{
    return c < 33 || c >= 0x80;
}

// An open file holding linhas, not yet on disk.
void preenche(CArquivoChave& arquivo, const std::string& nome, const std::vector<std::string>& linhas)
{
    ASSERT_TRUE(arquivo.novo(nome));
    for (const std::string& linha : linhas) {
        arquivo.novaLinha(linha);
    }
}

}  // namespace

TEST(ArquivoChaveTeste, GramaticaDasLinhas)
{
    const struct {
        std::string linha;
        Leitura esperada;
    } casos[] = {
        {"video_bpp = 16", {true, "video_bpp", "16"}},
        {"   video_bpp=16  ", {true, "video_bpp", "16"}},
        {"a = b = c", {true, "a", "b = c"}},
        {"a = 1 # note", {true, "a", "1 # note"}},
        {"a=", {true, "a", ""}},
        {"x#=1", {true, "x#", "1"}},
        {"\t\x80\xff" "k\x7f = \x7fv\x80", {true, "k\x7f", "\x7fv"}},
        {"a b = c d", {true, "a b", "c d"}},
        {"# video_bpp = 16", {false, "", ""}},
        {"  # x = 1", {false, "", ""}},
        {"= 16", {false, "", ""}},
        {" \x80 = 16", {false, "", ""}},
        {"a", {false, "", ""}},
        {"  =", {false, "", ""}},
        {"video_bpp 16", {false, "", ""}},
        {"", {false, "", ""}},
        {" \t\r", {false, "", ""}},
    };
    CArquivoChave arquivo;
    preenche(arquivo, "memoria", {});
    for (const auto& caso : casos) {
        SCOPED_TRACE(::testing::PrintToString(caso.linha));
        EXPECT_EQ(le(arquivo, caso.linha), caso.esperada);
        EXPECT_EQ(arquivo.validaEstruturaLinha(caso.linha, nullptr, nullptr),
                  caso.esperada.chaveValida);
        // The cursor operations read the same way.
        arquivo.novaLinha(caso.linha);
        arquivo.ultima();
        EXPECT_EQ(arquivo.chave(), caso.esperada.chave);
        EXPECT_EQ(arquivo.valor(), caso.esperada.valor);
    }
}

TEST(ArquivoChaveTeste, CadaByteEmCadaLugarDaLinha)
{
    CArquivoChave arquivo;
    for (int i = 0; i < 256; ++i) {
        const char c = static_cast<char>(i);
        const std::string b(1, c);
        SCOPED_TRACE("byte " + std::to_string(i));

        std::string aparado = b + "x" + b;
        CArquivoChave::cerne(&aparado);
        EXPECT_EQ(aparado, blank(i) ? "x" : b + "x" + b);

        Leitura antes{true, blank(i) ? "k" : b + "k", "v"};
        if (c == '#' || c == '=') {
            antes = {false, "", ""};  // a comment, or an empty key
        }
        EXPECT_EQ(le(arquivo, b + "k=v"), antes);

        const Leitura depois = c == '=' ? Leitura{true, "k", "=v"}
                                        : Leitura{true, blank(i) ? "k" : "k" + b, "v"};
        EXPECT_EQ(le(arquivo, "k" + b + "=v"), depois);
        EXPECT_EQ(le(arquivo, "k=" + b), (Leitura{true, "k", blank(i) ? "" : b}));
    }
}

TEST(ArquivoChaveTeste, ComentarioESeparador)
{
    CArquivoChave arquivo;
    EXPECT_EQ(arquivo.retornaNomeClasse(), "CArquivoChave");
    EXPECT_EQ(arquivo.retornaComentario(), '#');
    EXPECT_EQ(arquivo.retornaSeparador(), '=');
    for (const char recusado : {'#', ' ', '\0', '\x1f', '\x80', '\xff'}) {
        arquivo.defSeparador(recusado);
        EXPECT_EQ(arquivo.retornaSeparador(), '=');
    }
    for (const char recusado : {'=', ' ', '\n', '\x80'}) {
        arquivo.defComentario(recusado);
        EXPECT_EQ(arquivo.retornaComentario(), '#');
    }

    DiretorioTemporario dir;
    arquivo.defSeparador(':');
    ASSERT_TRUE(arquivo.abrir(dir.escreve("k", "a=1\nb:2")));  // survives abrir
    EXPECT_EQ(arquivo.retornaSeparador(), ':');
    EXPECT_EQ(arquivo.valor("a"), "");
    EXPECT_EQ(arquivo.valor("b"), "2");
    arquivo.novaChave("k", "v");
    ASSERT_TRUE(arquivo.ultima());
    EXPECT_EQ(arquivo.linha(), "k : v");

    arquivo.defComentario('\x7f');  // not blank
    EXPECT_EQ(arquivo.retornaComentario(), '\x7f');
    arquivo.defSeparador('#');  // free again now
    EXPECT_EQ(arquivo.retornaSeparador(), '#');
    EXPECT_EQ(le(arquivo, "#a # 1"), (Leitura{false, "", ""}));
    EXPECT_EQ(le(arquivo, "a # 1"), (Leitura{true, "a", "1"}));
    EXPECT_EQ(le(arquivo, "\x7f" "a # 1"), (Leitura{false, "", ""}));

    const CArquivoChave copia = arquivo;
    arquivo.fechar();
    EXPECT_EQ(arquivo.retornaSeparador(), '#');
    EXPECT_EQ(copia.retornaSeparador(), '#');
    EXPECT_EQ(copia.retornaComentario(), '\x7f');
}

TEST(ArquivoChaveTeste, NavegacaoDeCadaLinha)
{
    const std::vector<std::string> linhas{"# c", "a = 1", "", "b = 2", "x"};
    const struct {
        int de;
        int ateProxima;
        bool fda;
        int ateAnterior;
        bool ida;
    } casos[] = {
        {0, 1, false, 0, true},
        {1, 3, false, 0, true},
        {2, 3, false, 1, false},
        {3, 4, true, 1, false},
        {4, 4, true, 3, false},
    };
    for (const auto& caso : casos) {
        SCOPED_TRACE("from line " + std::to_string(caso.de));
        CArquivoChave arquivo;
        preenche(arquivo, "memoria", linhas);
        arquivo.posAbsoluta(static_cast<unsigned int>(caso.de));
        arquivo.proximaChave();
        EXPECT_EQ(arquivo.posAbsoluta(), caso.ateProxima);
        EXPECT_EQ(arquivo.fda(), caso.fda);
        arquivo.posAbsoluta(static_cast<unsigned int>(caso.de));
        arquivo.anteriorChave();
        EXPECT_EQ(arquivo.posAbsoluta(), caso.ateAnterior);
        EXPECT_EQ(arquivo.ida(), caso.ida);
    }

    CArquivoChave arquivo;
    preenche(arquivo, "memoria", linhas);
    std::vector<std::string> chaves;
    for (arquivo.primeiraChave(); !arquivo.fda(); arquivo.proximaChave()) {
        chaves.push_back(arquivo.chave() + arquivo.valor());
    }
    for (arquivo.ultimaChave(); !arquivo.ida(); arquivo.anteriorChave()) {
        chaves.push_back(arquivo.chave() + arquivo.valor());
    }
    EXPECT_EQ(chaves, (std::vector<std::string>{"a1", "b2", "b2", "a1"}));

    // Without key lines both walks end at once, on the far edge line.
    preenche(arquivo, "memoria", {"# a = 1", "", "   "});
    arquivo.primeiraChave();
    EXPECT_EQ(arquivo.posAbsoluta(), 2);
    EXPECT_TRUE(arquivo.fda());
    arquivo.ultimaChave();
    EXPECT_EQ(arquivo.posAbsoluta(), 0);
    EXPECT_TRUE(arquivo.ida());
    EXPECT_EQ(arquivo.valor("a"), "");

    // Without lines, and closed, nothing moves.
    preenche(arquivo, "memoria", {});
    arquivo.primeiraChave();
    arquivo.ultimaChave();
    arquivo.proximaChave();
    arquivo.anteriorChave();
    EXPECT_EQ(arquivo.posAbsoluta(), -1);
    arquivo.fechar();
    arquivo.primeiraChave();
    EXPECT_EQ(arquivo.posAbsoluta(), -1);
    EXPECT_EQ(arquivo.chave(), "");
}

TEST(ArquivoChaveTeste, ConsultaEApagaPelaChave)
{
    CArquivoChave arquivo;
    preenche(arquivo, "memoria", {"# a = 0", "a = 1", "A = 2", "a=3", "b = 4"});
    EXPECT_EQ(arquivo.valor(" a \t"), "1");
    EXPECT_EQ(arquivo.posAbsoluta(), 1);
    EXPECT_EQ(arquivo.valor("A"), "2");
    EXPECT_EQ(arquivo.valor("c"), "");
    EXPECT_EQ(arquivo.posAbsoluta(), 4);
    EXPECT_TRUE(arquivo.fda());
    arquivo.posAbsoluta(2);
    EXPECT_EQ(arquivo.valor(" \x80"), "");  // an empty key does not move the cursor
    EXPECT_EQ(arquivo.posAbsoluta(), 2);

    arquivo.posAbsoluta(0);  // on the comment: an empty key must not delete it
    arquivo.apagaChave("");
    arquivo.apagaChave(" \x80 ");
    arquivo.apagaChave("c");
    EXPECT_EQ(arquivo.totLinhas(), 5u);
    EXPECT_EQ(arquivo.posAbsoluta(), 4);  // where the failed lookup left it

    arquivo.apagaChave(" a ");
    EXPECT_EQ(arquivo.totLinhas(), 4u);
    EXPECT_EQ(arquivo.linha(), "A = 2");  // the next line is current
    EXPECT_EQ(arquivo.valor("a"), "3");
    arquivo.apagaChave("a");
    EXPECT_EQ(arquivo.linha(), "b = 4");
    arquivo.apagaChave("a");
    arquivo.apagaChave("b");
    EXPECT_EQ(arquivo.totLinhas(), 2u);
    EXPECT_EQ(arquivo.linha(), "A = 2");  // the deleted line was the last
    arquivo.apagaChave("A");
    arquivo.posAbsoluta(0);
    arquivo.apagaLinha();
    EXPECT_EQ(arquivo.totLinhas(), 0u);
    arquivo.apagaChave("a");
    EXPECT_EQ(arquivo.posAbsoluta(), -1);
}

TEST(ArquivoChaveTeste, EdicoesGuardamOsOutrosBytes)
{
    DiretorioTemporario dir;
    const std::string original =
        "# comment = 1\r\n"
        "\n"
        "  a = 1  \n"
        "b =\n"
        "\tc=c\r\n"
        "1 = 1\n"
        "texto solto\n";
    const std::string nome = dir.escreve("k", original);
    CArquivoChave arquivo;
    ASSERT_TRUE(arquivo.abrir(nome));

    arquivo.valor("a");
    arquivo.alteraValor("25");
    arquivo.alteraChave(" \x80");  // blank: refused
    arquivo.valor("b");
    arquivo.alteraValor("5");
    arquivo.valor("c");
    arquivo.alteraChave(" d ");  // "c" also in the value: only the key changes
    arquivo.valor("1");
    arquivo.alteraValor(" 2 ");  // written untrimmed, read trimmed
    EXPECT_EQ(arquivo.valor(), "2");
    arquivo.posAbsoluta(0);  // not key lines: untouched
    arquivo.alteraValor("x");
    arquivo.alteraChave("x");
    arquivo.posAbsoluta(6);
    arquivo.alteraValor("x");
    arquivo.valor("novo", "v");
    EXPECT_EQ(arquivo.posAbsoluta(), 7);  // on the old last line
    EXPECT_TRUE(arquivo.fda());
    arquivo.valor(" b ", "6");
    arquivo.novaChave("  ", "e", "1");
    arquivo.novaChave("#", "f", "2");
    arquivo.novaChave(" g\x80", "");
    arquivo.novaChave("h=i", "3");
    arquivo.novaChave(" \x80", "4");  // blank key: nothing
    ASSERT_TRUE(arquivo.salvar());

    EXPECT_EQ(DiretorioTemporario::le(nome),
              "# comment = 1\r\n"
              "\n"
              "  a = 25\n"
              "b =6\n"
              "\td=c\r\n"
              "1 =  2 \n"
              "texto solto\n"
              "\n"
              "novo = v\n"
              "  e = 1\n"
              "#f = 2\n"
              "g = \n"
              "h=i = 3");
    ASSERT_TRUE(arquivo.abrir(nome));
    EXPECT_EQ(arquivo.valor("e"), "1");
    EXPECT_EQ(arquivo.valor("f"), "");
    EXPECT_EQ(arquivo.valor("g"), "");
    EXPECT_EQ(arquivo.valor("h"), "i = 3");

    preenche(arquivo, nome, {});
    arquivo.valor("k", "v");  // into a file without lines: the new line is current
    EXPECT_EQ(arquivo.posAbsoluta(), 0);
    EXPECT_FALSE(arquivo.fda());
    EXPECT_EQ(arquivo.linha(), "k = v");

    arquivo.fechar();  // closed: edits do nothing
    arquivo.valor("k", "v");
    arquivo.novaChave("k", "v");
    EXPECT_EQ(arquivo.totLinhas(), 0u);
    EXPECT_EQ(arquivo.valor("k"), "");
}
