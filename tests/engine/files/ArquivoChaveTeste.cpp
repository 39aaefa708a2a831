// Tests of CArquivoChave: the line grammar for every byte, navigation over key lines,
// lookups and deletes.
#include <string>
#include <tuple>
#include <vector>

#include <gtest/gtest.h>

#include "engine/files/CArquivoChave.h"
#include "tests/apoio/ArquivosTemporarios.h"

using Leitura = std::tuple<bool, std::string, std::string>;  // key line?, key, value
static const Leitura NAO_CHAVE{false, "", ""};

// How validaEstruturaLinha reads linha; nothing may be written for a line that is not a key.
static Leitura le(const CArquivoChave& arquivo, const std::string& linha)
{
    std::string chave = "?", valor = "?";
    if (arquivo.validaEstruturaLinha(linha, &chave, &valor))
        return {true, chave, valor};
    EXPECT_EQ(chave + valor, "??");
    return NAO_CHAVE;
}

// An open file holding linhas, not yet on disk.
static void preenche(CArquivoChave& arquivo, const std::vector<std::string>& linhas)
{
    ASSERT_TRUE(arquivo.novo("memoria"));
    for (const std::string& linha : linhas)
        arquivo.novaLinha(linha);
}

// Blank bytes are the controls and the space, 0x00 to 0x20; every other byte, UTF-8 and
// Latin-1 ones too, is text.
TEST(ArquivoChaveTeste, GramaticaDasLinhasEmCadaByte)
{
    const std::pair<std::string, Leitura> casos[] = {
        {"   k=16  ", {true, "k", "16"}}, {"a = b = c", {true, "a", "b = c"}},
        {"a = 1 # x", {true, "a", "1 # x"}}, {"a=", {true, "a", ""}}, {"x#=1", {true, "x#", "1"}},
        {"a b = c d", {true, "a b", "c d"}}, {"  # x = 1", NAO_CHAVE}, {"= 16", NAO_CHAVE},
        {" \x1f = 16", NAO_CHAVE}, {"a", NAO_CHAVE}, {"  =", NAO_CHAVE}, {"", NAO_CHAVE},
    };
    CArquivoChave arquivo;
    preenche(arquivo, {});
    for (const auto& [linha, esperada] : casos) {
        EXPECT_EQ(le(arquivo, linha), esperada) << linha;
        arquivo.novaLinha(linha);  // the cursor operations read the same way
        arquivo.ultima();
        EXPECT_EQ(arquivo.chave() + "|" + arquivo.valor(),
                  std::get<1>(esperada) + "|" + std::get<2>(esperada)) << linha;
    }
    for (int i = 0; i < 256; ++i) {
        const std::string b(1, char(i));
        const bool branco = i <= 0x20;
        EXPECT_EQ(le(arquivo, b + "k=v"), b == "#" || b == "=" ? NAO_CHAVE
                                          : Leitura(true, branco ? "k" : b + "k", "v")) << i;
        EXPECT_EQ(le(arquivo, "k" + b + "=v"), b == "=" ? Leitura(true, "k", "=v")
                                               : Leitura(true, branco ? "k" : "k" + b, "v")) << i;
        EXPECT_EQ(le(arquivo, "k=" + b), (Leitura{true, "k", branco ? "" : b})) << i;
    }
}

TEST(ArquivoChaveTeste, NavegacaoPelasLinhasChave)
{
    using Onde = std::tuple<int, bool>;  // the cursor, and the edge flag of the direction
    CArquivoChave arquivo;
    preenche(arquivo, {"# c", "a = 1", "", "b = 2", "x"});
    const Onde proximas[] = {{1, false}, {3, false}, {3, false}, {4, true}, {4, true}};
    const Onde anteriores[] = {{0, true}, {0, true}, {1, false}, {1, false}, {3, false}};
    for (unsigned int de = 0; de < 5; ++de) {
        arquivo.posAbsoluta(de);
        arquivo.proximaChave();
        EXPECT_EQ(Onde(arquivo.posAbsoluta(), arquivo.fda()), proximas[de]) << de;
        arquivo.posAbsoluta(de);
        arquivo.anteriorChave();
        EXPECT_EQ(Onde(arquivo.posAbsoluta(), arquivo.ida()), anteriores[de]) << de;
    }
    arquivo.primeiraChave();
    EXPECT_EQ(Onde(arquivo.posAbsoluta(), arquivo.fda()), Onde(1, false));
    arquivo.ultimaChave();
    EXPECT_EQ(Onde(arquivo.posAbsoluta(), arquivo.ida()), Onde(3, false));
}

// The first of duplicate keys wins; a blank key finds and deletes nothing; a delete leaves
// the next line current.
TEST(ArquivoChaveTeste, ConsultaEApagaPelaChave)
{
    CArquivoChave arquivo;
    preenche(arquivo, {"# a = 0", "a = 1", "A = 2", "a=3", "b = 4"});
    EXPECT_EQ(arquivo.valor(" a \t"), "1");
    EXPECT_EQ(arquivo.valor("A"), "2");
    EXPECT_EQ(arquivo.valor("c"), "");
    EXPECT_TRUE(arquivo.fda() && arquivo.posAbsoluta() == 4);
    arquivo.posAbsoluta(0);
    arquivo.apagaChave(" \x1f ");
    EXPECT_EQ(arquivo.valor(" \x1f"), "");
    EXPECT_EQ(arquivo.linha(), "# a = 0");
    arquivo.apagaChave(" a ");
    EXPECT_EQ(arquivo.linha(), "A = 2");
    EXPECT_EQ(arquivo.valor("a"), "3");
}
