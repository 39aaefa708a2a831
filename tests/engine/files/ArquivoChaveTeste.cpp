// Tests of CArquivoChave: the line grammar, the comment and separator characters, navigation,
// lookups, deletes and byte-keeping edits. Depends on gtest, CArquivoChave, the scratch dir.
#include <string>
#include <tuple>
#include <vector>

#include <gtest/gtest.h>

#include "engine/files/CArquivoChave.h"
#include "tests/apoio/ArquivosTemporarios.h"

namespace {

using Leitura = std::tuple<bool, std::string, std::string>;  // key line?, key, value
const Leitura NAO_CHAVE{false, "", ""};

// How validaEstruturaLinha reads linha; nothing may be written for a line that is not a key.
Leitura le(const CArquivoChave& arquivo, const std::string& linha)
{
    std::string chave = "?", valor = "?";
    if (arquivo.validaEstruturaLinha(linha, &chave, &valor)) {
        return {true, chave, valor};
    }
    EXPECT_EQ(chave + valor, "??");
    return NAO_CHAVE;
}

// An open file holding linhas, not yet on disk.
void preenche(CArquivoChave& arquivo, const std::vector<std::string>& linhas)
{
    ASSERT_TRUE(arquivo.novo("memoria"));
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
        {"video_bpp = 16", {true, "video_bpp", "16"}}, {"   k=16  ", {true, "k", "16"}},
        {"a = b = c", {true, "a", "b = c"}}, {"a = 1 # note", {true, "a", "1 # note"}},
        {"a=", {true, "a", ""}}, {"x#=1", {true, "x#", "1"}}, {"a b = c d", {true, "a b", "c d"}},
        {"# video_bpp = 16", NAO_CHAVE}, {"  # x = 1", NAO_CHAVE}, {"= 16", NAO_CHAVE},
        {" \x1f = 16", NAO_CHAVE}, {"a", NAO_CHAVE}, {"  =", NAO_CHAVE},
        {"video_bpp 16", NAO_CHAVE}, {"", NAO_CHAVE}, {" \t\r", NAO_CHAVE},
    };
    CArquivoChave arquivo;
    preenche(arquivo, {});
    for (const auto& caso : casos) {
        SCOPED_TRACE(::testing::PrintToString(caso.linha));
        EXPECT_EQ(le(arquivo, caso.linha), caso.esperada);
        arquivo.novaLinha(caso.linha);  // the cursor operations read the same way
        arquivo.ultima();
        EXPECT_EQ(arquivo.chave(), std::get<1>(caso.esperada));
        EXPECT_EQ(arquivo.valor(), std::get<2>(caso.esperada));
    }
}

// Blank bytes are the controls and the space, 0x00 to 0x20; every other byte is text.
TEST(ArquivoChaveTeste, CadaByteEmCadaLugarDaLinha)
{
    CArquivoChave arquivo;
    for (int i = 0; i < 256; ++i) {
        const std::string b(1, static_cast<char>(i));
        const bool branco = i <= 0x20;
        SCOPED_TRACE("byte " + std::to_string(i));
        std::string aparado = b + "x" + b;
        CArquivoChave::cerne(&aparado);
        EXPECT_EQ(aparado, branco ? "x" : b + "x" + b);
        const Leitura antes{true, branco ? "k" : b + "k", "v"};
        EXPECT_EQ(le(arquivo, b + "k=v"), b == "#" || b == "=" ? NAO_CHAVE : antes);
        const Leitura depois{true, branco ? "k" : "k" + b, "v"};
        EXPECT_EQ(le(arquivo, "k" + b + "=v"), b == "=" ? Leitura(true, "k", "=v") : depois);
        EXPECT_EQ(le(arquivo, "k=" + b), (Leitura{true, "k", branco ? "" : b}));
    }
}

TEST(ArquivoChaveTeste, ComentarioESeparador)
{
    CArquivoChave arquivo;
    for (const char recusado : {'#', '=', ' ', '\0', '\x1f', '\x80', '\xff'}) {
        arquivo.defSeparador(recusado);  // blank, or the other character
        arquivo.defComentario(recusado);
        EXPECT_EQ(std::string() + arquivo.retornaSeparador() + arquivo.retornaComentario(), "=#");
    }
    DiretorioTemporario dir;
    arquivo.defSeparador(':');
    ASSERT_TRUE(arquivo.abrir(dir.escreve("k", "a=1\nb:2")));  // survives abrir
    EXPECT_EQ(arquivo.valor("a"), "");
    EXPECT_EQ(arquivo.valor("b"), "2");
    arquivo.novaChave("k", "v");
    ASSERT_TRUE(arquivo.ultima());
    EXPECT_EQ(arquivo.linha(), "k : v");

    arquivo.defComentario('\x7f');  // not blank
    arquivo.defSeparador('#');      // free again now
    EXPECT_EQ(le(arquivo, "#a # 1"), NAO_CHAVE);
    EXPECT_EQ(le(arquivo, "a # 1"), (Leitura{true, "a", "1"}));
    EXPECT_EQ(le(arquivo, "\x7f" "a # 1"), NAO_CHAVE);
}

TEST(ArquivoChaveTeste, NavegacaoPelasLinhasChave)
{
    using Onde = std::tuple<int, bool>;  // the cursor, and the edge flag of the direction
    CArquivoChave arquivo;
    preenche(arquivo, {"# c", "a = 1", "", "b = 2", "x"});
    const Onde proximas[] = {{1, false}, {3, false}, {3, false}, {4, true}, {4, true}};
    const Onde anteriores[] = {{0, true}, {0, true}, {1, false}, {1, false}, {3, false}};
    for (unsigned int de = 0; de < 5; ++de) {
        SCOPED_TRACE("from line " + std::to_string(de));
        arquivo.posAbsoluta(de);
        arquivo.proximaChave();
        EXPECT_EQ(Onde(arquivo.posAbsoluta(), arquivo.fda()), proximas[de]);
        arquivo.posAbsoluta(de);
        arquivo.anteriorChave();
        EXPECT_EQ(Onde(arquivo.posAbsoluta(), arquivo.ida()), anteriores[de]);
    }
    arquivo.primeiraChave();
    EXPECT_EQ(Onde(arquivo.posAbsoluta(), arquivo.fda()), Onde(1, false));
    arquivo.ultimaChave();
    EXPECT_EQ(Onde(arquivo.posAbsoluta(), arquivo.ida()), Onde(3, false));

    // Without key lines both end at once, on the far edge line; without lines nothing moves.
    preenche(arquivo, {"# a = 1", "", "   "});
    arquivo.primeiraChave();
    EXPECT_EQ(Onde(arquivo.posAbsoluta(), arquivo.fda()), Onde(2, true));
    arquivo.ultimaChave();
    EXPECT_EQ(Onde(arquivo.posAbsoluta(), arquivo.ida()), Onde(0, true));
    preenche(arquivo, {});
    arquivo.primeiraChave();
    arquivo.ultimaChave();
    arquivo.proximaChave();
    arquivo.anteriorChave();
    EXPECT_EQ(arquivo.posAbsoluta(), -1);
}

// Duplicates: the first key line wins for lookups and deletes.
TEST(ArquivoChaveTeste, ConsultaEApagaPelaChave)
{
    CArquivoChave arquivo;
    preenche(arquivo, {"# a = 0", "a = 1", "A = 2", "a=3", "b = 4"});
    EXPECT_EQ(arquivo.valor(" a \t"), "1");
    EXPECT_EQ(arquivo.posAbsoluta(), 1);
    EXPECT_EQ(arquivo.valor("A"), "2");
    EXPECT_EQ(arquivo.valor("c"), "");
    EXPECT_TRUE(arquivo.fda() && arquivo.posAbsoluta() == 4);
    arquivo.posAbsoluta(0);  // on the comment: an empty key must neither move nor delete
    EXPECT_EQ(arquivo.valor(" \x1f"), "");
    arquivo.apagaChave(" \x1f ");
    EXPECT_EQ(arquivo.posAbsoluta(), 0);
    arquivo.apagaChave("c");
    EXPECT_EQ(arquivo.totLinhas(), 5u);

    arquivo.apagaChave(" a ");
    EXPECT_EQ(arquivo.linha(), "A = 2");  // the next line is current
    EXPECT_EQ(arquivo.valor("a"), "3");
    arquivo.apagaChave("a");
    EXPECT_EQ(arquivo.linha(), "b = 4");
    arquivo.apagaChave("b");
    EXPECT_EQ(arquivo.linha(), "A = 2");  // the deleted line was the last
    EXPECT_EQ(arquivo.totLinhas(), 2u);
}

TEST(ArquivoChaveTeste, EdicoesGuardamOsOutrosBytes)
{
    DiretorioTemporario dir;
    const std::string nome =
        dir.escreve("k", "# comment = 1\r\n\n  a = 1  \nb =\n\tc=c\r\n1 = 1\ntexto solto\n");
    CArquivoChave arquivo;
    ASSERT_TRUE(arquivo.abrir(nome));
    arquivo.valor("a");
    arquivo.alteraValor("25");
    arquivo.alteraChave(" \x1f");  // blank: refused
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
    arquivo.valor("novo", "v");
    arquivo.valor(" b ", "6");
    arquivo.novaChave("  ", "e", "1");
    arquivo.novaChave("#", "f", "2");
    arquivo.novaChave(" g\x1f", "");
    arquivo.novaChave("h=i", "3");
    arquivo.novaChave(" \x1f", "4");  // blank key: nothing
    ASSERT_TRUE(arquivo.salvar());
    EXPECT_EQ(DiretorioTemporario::le(nome),
              "# comment = 1\r\n\n  a = 25\nb =6\n\td=c\r\n1 =  2 \ntexto solto\n\n"
              "novo = v\n  e = 1\n#f = 2\ng = \nh=i = 3");
    ASSERT_TRUE(arquivo.abrir(nome));
    EXPECT_EQ(arquivo.valor("h"), "i = 3");
}

// Text past ASCII is text: a UTF-8 or Latin-1 key or value reads whole, and a plain ASCII
// file reads as it always did.
TEST(ArquivoChaveTeste, Utf8ELatin1LidosInteiros)
{
    DiretorioTemporario dir;
    CArquivoChave arquivo;
    ASSERT_TRUE(arquivo.abrir(dir.escreve(
        "k", "nome = Jos\xc3\xa9\nchav\xe9 = \xe0 la carte \xa0\n\xc3\xa7\xc3\xa3o=1\n k = v \n")));
    EXPECT_EQ(arquivo.valor("nome"), "Jos\xc3\xa9");
    EXPECT_EQ(arquivo.valor("chav\xe9"), "\xe0 la carte \xa0");
    EXPECT_EQ(arquivo.valor("chav"), "");
    EXPECT_EQ(arquivo.valor("\xc3\xa7\xc3\xa3o"), "1");
    EXPECT_EQ(arquivo.valor("k"), "v");
    arquivo.primeiraChave();
    EXPECT_EQ(arquivo.chave(), "nome");
    arquivo.proximaChave();
    EXPECT_EQ(arquivo.chave(), "chav\xe9");
}
