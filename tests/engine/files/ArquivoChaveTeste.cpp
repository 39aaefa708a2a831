// Tests of CArquivoChave: the line grammar for every byte, navigation over key lines and
// lookups, as the settings loaders use them.
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "engine/files/CArquivoChave.h"

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

// From every line the next key line, or the last line with fda(); the first key line; the
// first of duplicate keys wins a lookup, and a blank key finds nothing.
TEST(ArquivoChaveTeste, NavegacaoEConsultaPelasLinhasChave)
{
    CArquivoChave arquivo;
    preenche(arquivo, {"# a = 0", "a = 1", "", "A = 2", "a=3", "x"});
    const std::pair<int, bool> proximas[] = {{1, false}, {3, false}, {3, false}, {4, false},
                                             {5, true}, {5, true}};
    for (unsigned int de = 0; de < 6; ++de) {
        arquivo.posAbsoluta(de);
        arquivo.proximaChave();
        EXPECT_EQ(std::pair(arquivo.posAbsoluta(), arquivo.fda()), proximas[de]) << de;
    }
    arquivo.primeiraChave();
    EXPECT_EQ(arquivo.posAbsoluta(), 1);
    for (const auto& [k, valor] : {std::pair{" a \t", "1"}, {"A", "2"}, {" \x1f", ""}, {"c", ""}})
        EXPECT_EQ(arquivo.valor(k), valor) << k;
    EXPECT_TRUE(arquivo.fda() && arquivo.posAbsoluta() == 5);
}
