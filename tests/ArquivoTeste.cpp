// Tests of CArquivo: splitting into lines and byte-exact saving, every cursor move on a
// three-line file, line edits and the closed and failed states. Depends on gtest,
// CArquivo and the scratch directory helper.
#include <climits>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "engine/files/CArquivo.h"
#include "tests/ArquivosTemporarios.h"

namespace {

using Linhas = std::vector<std::string>;

Linhas linhasDe(const CArquivo& arquivo)
{
    Linhas lidas;
    std::string texto;
    for (unsigned int i = 0; arquivo.linha(i, &texto); ++i) {
        lidas.push_back(texto);
    }
    return lidas;
}

// The engine's reading loop: every line once, none on a file without lines.
Linhas percorre(CArquivo& arquivo)
{
    Linhas lidas;
    for (arquivo.primeira(); !arquivo.fda(); arquivo.proxima()) {
        lidas.push_back(arquivo.linha());
    }
    return lidas;
}

struct Posicao {
    int cursor;
    bool fda;
    bool ida;
    bool operator==(const Posicao& outra) const
    {
        return cursor == outra.cursor && fda == outra.fda && ida == outra.ida;
    }
};

std::ostream& operator<<(std::ostream& saida, const Posicao& p)
{
    return saida << "{" << p.cursor << (p.fda ? ",fda" : "") << (p.ida ? ",ida" : "") << "}";
}

Posicao posicaoDe(const CArquivo& arquivo)
{
    return {arquivo.posAbsoluta(), arquivo.fda(), arquivo.ida()};
}

}  // namespace

TEST(ArquivoTeste, LeLinhasEGravaOsMesmosBytes)
{
    const std::string longa(10000, 'x');  // crosses the read block size
    const struct {
        std::string bytes;
        Linhas linhas;
    } casos[] = {
        {"", {""}},
        {"a", {"a"}},
        {"a\n", {"a", ""}},
        {"\n", {"", ""}},
        {"\n\n", {"", "", ""}},
        {"a\nb\n", {"a", "b", ""}},
        {"a\nb", {"a", "b"}},
        {"a\r\nb", {"a\r", "b"}},
        {"\r", {"\r"}},
        {std::string("\0\xff\n\x80 ", 5), {std::string("\0\xff", 2), "\x80 "}},
        {longa + "\n" + longa, {longa, longa}},
    };
    DiretorioTemporario dir;
    for (const auto& caso : casos) {
        SCOPED_TRACE(::testing::PrintToString(caso.bytes.substr(0, 8)));
        const std::string origem = dir.escreve("origem", caso.bytes);
        CArquivo arquivo;
        ASSERT_TRUE(arquivo.abrir(origem));
        EXPECT_TRUE(arquivo.aberto());
        EXPECT_EQ(arquivo.nomeArq(), origem);
        EXPECT_EQ(posicaoDe(arquivo), (Posicao{0, false, false}));
        EXPECT_EQ(arquivo.totLinhas(), caso.linhas.size());
        EXPECT_EQ(linhasDe(arquivo), caso.linhas);
        EXPECT_EQ(percorre(arquivo), caso.linhas);

        const std::string copia = dir.caminho("copia");
        ASSERT_TRUE(arquivo.salvarComo(copia));
        EXPECT_EQ(arquivo.nomeArq(), copia);
        EXPECT_EQ(DiretorioTemporario::le(copia), caso.bytes);
        EXPECT_EQ(DiretorioTemporario::le(origem), caso.bytes);
    }
}

TEST(ArquivoTeste, CadaMovimentoDeCadaPosicaoDeTresLinhas)
{
    DiretorioTemporario dir;
    const std::string origem = dir.escreve("tres", "l0\nl1\nl2");
    // Every position reachable on three lines: a line, or an edge flag set by a step past it.
    const Posicao inicios[] = {
        {0, false, false}, {1, false, false}, {2, false, false}, {2, true, false}, {0, false, true}};
    const Posicao fim{2, true, false}, inicio{0, false, true};
    const struct {
        const char* nome;
        void (*move)(CArquivo&);
        Posicao esperadas[5];  // one per entry of inicios
    } movimentos[] = {
        {"proxima", [](CArquivo& a) { a.proxima(); },
         {{1, false, false}, {2, false, false}, fim, fim, {1, false, false}}},
        {"anterior", [](CArquivo& a) { a.anterior(); },
         {inicio, {0, false, false}, {1, false, false}, {1, false, false}, inicio}},
        {"posRelativa(1)", [](CArquivo& a) { a.posRelativa(1); },
         {{1, false, false}, {2, false, false}, fim, fim, {1, false, false}}},
        {"posRelativa(-1)", [](CArquivo& a) { a.posRelativa(-1); },
         {inicio, {0, false, false}, {1, false, false}, {1, false, false}, inicio}},
        {"posRelativa(2)", [](CArquivo& a) { a.posRelativa(2); },
         {{2, false, false}, fim, fim, fim, {2, false, false}}},
        {"posRelativa(-2)", [](CArquivo& a) { a.posRelativa(-2); },
         {inicio, inicio, {0, false, false}, {0, false, false}, inicio}},
        {"posRelativa(5)", [](CArquivo& a) { a.posRelativa(5); }, {fim, fim, fim, fim, fim}},
        {"posRelativa(-5)", [](CArquivo& a) { a.posRelativa(-5); },
         {inicio, inicio, inicio, inicio, inicio}},
        {"posRelativa(INT_MAX)", [](CArquivo& a) { a.posRelativa(INT_MAX); },
         {fim, fim, fim, fim, fim}},
        {"posRelativa(INT_MIN)", [](CArquivo& a) { a.posRelativa(INT_MIN); },
         {inicio, inicio, inicio, inicio, inicio}},
        {"posRelativa(0)", [](CArquivo& a) { a.posRelativa(0); },
         {inicios[0], inicios[1], inicios[2], inicios[3], inicios[4]}},
        {"primeira", [](CArquivo& a) { EXPECT_TRUE(a.primeira()); },
         {{0, false, false}, {0, false, false}, {0, false, false}, {0, false, false},
          {0, false, false}}},
        {"ultima", [](CArquivo& a) { EXPECT_TRUE(a.ultima()); },
         {{2, false, false}, {2, false, false}, {2, false, false}, {2, false, false},
          {2, false, false}}},
        {"posAbsoluta(1)", [](CArquivo& a) { EXPECT_TRUE(a.posAbsoluta(1)); },
         {{1, false, false}, {1, false, false}, {1, false, false}, {1, false, false},
          {1, false, false}}},
        {"posAbsoluta(3)", [](CArquivo& a) { EXPECT_FALSE(a.posAbsoluta(3)); },
         {inicios[0], inicios[1], inicios[2], inicios[3], inicios[4]}},
    };
    for (const auto& movimento : movimentos) {
        for (int i = 0; i < 5; ++i) {
            SCOPED_TRACE(std::string(movimento.nome) + " from " +
                         ::testing::PrintToString(inicios[i]));
            CArquivo arquivo;
            ASSERT_TRUE(arquivo.abrir(origem));
            arquivo.posAbsoluta(static_cast<unsigned int>(inicios[i].cursor));
            if (inicios[i].fda) {
                arquivo.proxima();
            }
            if (inicios[i].ida) {
                arquivo.anterior();
            }
            ASSERT_EQ(posicaoDe(arquivo), inicios[i]);
            movimento.move(arquivo);
            EXPECT_EQ(posicaoDe(arquivo), movimento.esperadas[i]);
            EXPECT_EQ(arquivo.linha(), "l" + std::to_string(movimento.esperadas[i].cursor));
        }
    }
}

TEST(ArquivoTeste, ApagarNuncaDeslocaOCursor)
{
    DiretorioTemporario dir;
    const std::string origem = dir.escreve("tres", "l0\nl1\nl2");
    const Linhas todas{"l0", "l1", "l2"};
    for (unsigned int cursor = 0; cursor < 3; ++cursor) {
        for (unsigned int apagada = 0; apagada < 3; ++apagada) {
            SCOPED_TRACE("cursor " + std::to_string(cursor) + ", apagada " +
                         std::to_string(apagada));
            CArquivo arquivo;
            ASSERT_TRUE(arquivo.abrir(origem));
            arquivo.posAbsoluta(cursor);
            ASSERT_TRUE(arquivo.apagaLinha(apagada));
            Linhas restantes = todas;
            restantes.erase(restantes.begin() + apagada);
            EXPECT_EQ(linhasDe(arquivo), restantes);
            const unsigned int esperado = cursor < 2 ? cursor : 1;
            EXPECT_EQ(posicaoDe(arquivo), (Posicao{static_cast<int>(esperado), false, false}));
            EXPECT_EQ(arquivo.linha(), restantes[esperado]);
        }
    }

    CArquivo arquivo;
    ASSERT_TRUE(arquivo.abrir(origem));
    EXPECT_FALSE(arquivo.apagaLinha(3));
    arquivo.ultima();
    arquivo.proxima();  // fda set on the last line stays with the new last line
    ASSERT_TRUE(arquivo.apagaLinha());
    EXPECT_EQ(posicaoDe(arquivo), (Posicao{1, true, false}));
    EXPECT_EQ(arquivo.linha(), "l1");
    ASSERT_TRUE(arquivo.apagaLinha());
    ASSERT_TRUE(arquivo.apagaLinha());
    EXPECT_EQ(posicaoDe(arquivo), (Posicao{-1, true, true}));
    EXPECT_TRUE(arquivo.aberto());
    EXPECT_EQ(arquivo.totLinhas(), 0u);
    EXPECT_FALSE(arquivo.apagaLinha());
    EXPECT_FALSE(arquivo.linha("x"));
    EXPECT_EQ(arquivo.linha(), "");
    EXPECT_TRUE(percorre(arquivo).empty());
    ASSERT_TRUE(arquivo.salvar());
    EXPECT_EQ(DiretorioTemporario::le(origem), "");
}

TEST(ArquivoTeste, SubstituirEAcrescentarLinhas)
{
    DiretorioTemporario dir;
    CArquivo arquivo;
    const std::string nome = dir.caminho("novo");
    ASSERT_TRUE(arquivo.novo(nome));
    EXPECT_FALSE(DiretorioTemporario::existe(nome));  // novo does not touch the disk
    EXPECT_EQ(posicaoDe(arquivo), (Posicao{-1, true, true}));
    EXPECT_TRUE(percorre(arquivo).empty());
    ASSERT_TRUE(arquivo.novaLinha("a"));
    EXPECT_EQ(posicaoDe(arquivo), (Posicao{0, false, false}));
    ASSERT_TRUE(arquivo.novaLinha("b"));
    EXPECT_EQ(posicaoDe(arquivo), (Posicao{0, false, false}));
    ASSERT_TRUE(arquivo.salvar());
    EXPECT_EQ(DiretorioTemporario::le(nome), "a\nb");

    arquivo.ultima();
    arquivo.proxima();
    ASSERT_TRUE(arquivo.novaLinha("c"));  // appended at the end, the cursor stays
    EXPECT_EQ(posicaoDe(arquivo), (Posicao{1, true, false}));
    ASSERT_TRUE(arquivo.linha("B"));
    ASSERT_TRUE(arquivo.linha(0, "A"));
    EXPECT_FALSE(arquivo.linha(3, "D"));
    std::string destino = "intacto";
    EXPECT_FALSE(arquivo.linha(3, &destino));
    EXPECT_EQ(destino, "intacto");
    EXPECT_FALSE(arquivo.linha(0, static_cast<std::string*>(nullptr)));
    ASSERT_TRUE(arquivo.linha(2, &destino));
    EXPECT_EQ(destino, "c");
    EXPECT_EQ(linhasDe(arquivo), (Linhas{"A", "B", "c"}));

    arquivo.limpar();
    EXPECT_TRUE(arquivo.aberto());
    EXPECT_EQ(arquivo.nomeArq(), nome);
    EXPECT_EQ(posicaoDe(arquivo), (Posicao{-1, true, true}));
    ASSERT_TRUE(arquivo.salvar());
    EXPECT_EQ(DiretorioTemporario::le(nome), "");
}

TEST(ArquivoTeste, FechadoNaoTemLinhasNemGrava)
{
    DiretorioTemporario dir;
    CArquivo arquivo;
    EXPECT_EQ(arquivo.retornaNomeClasse(), "CArquivo");
    const auto verificaFechado = [&]() {
        EXPECT_FALSE(arquivo.aberto());
        EXPECT_EQ(arquivo.nomeArq(), "");
        EXPECT_EQ(arquivo.totLinhas(), 0u);
        EXPECT_EQ(arquivo.linha(), "");
        EXPECT_EQ(posicaoDe(arquivo), (Posicao{-1, true, true}));
    };
    verificaFechado();
    EXPECT_FALSE(arquivo.primeira());
    EXPECT_FALSE(arquivo.ultima());
    arquivo.proxima();
    arquivo.anterior();
    arquivo.posRelativa(3);
    EXPECT_FALSE(arquivo.novaLinha("x"));
    EXPECT_FALSE(arquivo.linha(0, "x"));
    EXPECT_FALSE(arquivo.apagaLinha());
    EXPECT_FALSE(arquivo.salvar());
    EXPECT_FALSE(arquivo.salvarComo(dir.caminho("x")));
    EXPECT_FALSE(DiretorioTemporario::existe(dir.caminho("x")));
    verificaFechado();

    const std::string origem = dir.escreve("a", "a\nb");
    ASSERT_TRUE(arquivo.abrir(origem));
    EXPECT_FALSE(arquivo.abrir(dir.caminho("falta")));  // the old content goes anyway
    verificaFechado();
    ASSERT_TRUE(arquivo.abrir(origem));
    EXPECT_FALSE(arquivo.abrir(""));
    verificaFechado();
    ASSERT_TRUE(arquivo.abrir(origem));
    EXPECT_FALSE(arquivo.abrir(dir.caminho("")));  // a directory opens but cannot be read
    verificaFechado();
    ASSERT_TRUE(arquivo.abrir(origem));
    EXPECT_FALSE(arquivo.novo(""));
    verificaFechado();
    ASSERT_TRUE(arquivo.abrir(origem));
    arquivo.fechar();
    verificaFechado();
    EXPECT_EQ(DiretorioTemporario::le(origem), "a\nb");
}

TEST(ArquivoTeste, GravacaoQueFalhaMantemNomeELinhas)
{
    DiretorioTemporario dir;
    const std::string origem = dir.escreve("a", "a\nb");
    CArquivo arquivo;
    ASSERT_TRUE(arquivo.abrir(origem));
    arquivo.linha(1, "B");
    EXPECT_FALSE(arquivo.salvarComo(dir.caminho("falta/b")));
    EXPECT_FALSE(arquivo.salvarComo(""));
    EXPECT_EQ(arquivo.nomeArq(), origem);
    EXPECT_EQ(linhasDe(arquivo), (Linhas{"a", "B"}));
    EXPECT_EQ(DiretorioTemporario::le(origem), "a\nb");

    ASSERT_TRUE(arquivo.novo(dir.caminho("falta/c")));
    arquivo.novaLinha("c");
    EXPECT_FALSE(arquivo.salvar());
    EXPECT_EQ(linhasDe(arquivo), (Linhas{"c"}));

    // Copies are independent, and dropping one writes nothing.
    ASSERT_TRUE(arquivo.abrir(origem));
    {
        CArquivo copia = arquivo;
        copia.linha(0, "mudada");
        copia.proxima();
        EXPECT_EQ(copia.nomeArq(), origem);
    }
    EXPECT_EQ(linhasDe(arquivo), (Linhas{"a", "b"}));
    EXPECT_EQ(posicaoDe(arquivo), (Posicao{0, false, false}));
    EXPECT_EQ(DiretorioTemporario::le(origem), "a\nb");
}
