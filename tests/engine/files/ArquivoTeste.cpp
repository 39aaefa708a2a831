// Tests of CArquivo: byte-exact round trips, every cursor move on three lines, deletes, edits,
// the closed and failed states. Depends on gtest, CArquivo and the scratch directory helper.
#include <sys/stat.h>
#include <unistd.h>

#include <climits>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "engine/files/CArquivo.h"
#include "tests/apoio/ArquivosTemporarios.h"

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

// The cursor with its flags: "<" before it for ida(), ">" after it for fda().
std::string pos(const CArquivo& a)
{
    return (a.ida() ? "<" : "") + std::to_string(a.posAbsoluta()) + (a.fda() ? ">" : "");
}

}  // namespace

TEST(ArquivoTeste, LeLinhasEGravaOsMesmosBytes)
{
    const std::string longa(10000, 'x');  // crosses the read block size
    const struct {
        std::string bytes;
        Linhas linhas;
    } casos[] = {
        {"", {""}}, {"a", {"a"}}, {"a\n", {"a", ""}}, {"\n", {"", ""}}, {"a\nb", {"a", "b"}},
        {"a\r\nb\r\n", {"a\r", "b\r", ""}},
        {std::string("\0\xff\n\x80 ", 5), {std::string("\0\xff", 2), "\x80 "}},
        {longa + "\n" + longa, {longa, longa}},
    };
    DiretorioTemporario dir;
    for (const auto& caso : casos) {
        SCOPED_TRACE(::testing::PrintToString(caso.bytes.substr(0, 8)));
        const std::string origem = dir.escreve("origem", caso.bytes);
        CArquivo arquivo;
        ASSERT_TRUE(arquivo.abrir(origem));
        EXPECT_EQ(pos(arquivo), "0");
        EXPECT_EQ(linhasDe(arquivo), caso.linhas);
        const std::string copia = dir.caminho("copia");
        ASSERT_TRUE(arquivo.salvarComo(copia));
        EXPECT_EQ(arquivo.nomeArq(), copia);
        EXPECT_EQ(DiretorioTemporario::le(copia), caso.bytes);
        EXPECT_EQ(DiretorioTemporario::le(origem), caso.bytes);
    }
}

// Moves and deletes by index from every reachable position of three lines: a line, or an
// edge flag set by a step past it. A delete never shifts the cursor index.
TEST(ArquivoTeste, CadaOperacaoDeCadaPosicaoDeTresLinhas)
{
    DiretorioTemporario dir;
    const std::string origem = dir.escreve("tres", "l0\nl1\nl2");
    const struct {
        int passos;
        std::string pos;
    } inicios[] = {{0, "0"}, {1, "1"}, {2, "2"}, {3, "2>"}, {-1, "<0"}};
    const struct {
        const char* nome;
        void (*opera)(CArquivo&);
        const char* esperadas;  // one per entry of inicios
        int apagada;
    } operacoes[] = {
        {"proxima", [](CArquivo& a) { a.proxima(); }, "1 2 2> 2> 1", -1},
        {"anterior", [](CArquivo& a) { a.anterior(); }, "<0 0 1 1 <0", -1},
        {"posRelativa(2)", [](CArquivo& a) { a.posRelativa(2); }, "2 2> 2> 2> 2", -1},
        {"posRelativa(-2)", [](CArquivo& a) { a.posRelativa(-2); }, "<0 <0 0 0 <0", -1},
        {"posRelativa(INT_MAX)", [](CArquivo& a) { a.posRelativa(INT_MAX); }, "2> 2> 2> 2> 2>", -1},
        {"posRelativa(INT_MIN)", [](CArquivo& a) { a.posRelativa(INT_MIN); }, "<0 <0 <0 <0 <0", -1},
        {"primeira", [](CArquivo& a) { EXPECT_TRUE(a.primeira()); }, "0 0 0 0 0", -1},
        {"ultima", [](CArquivo& a) { EXPECT_TRUE(a.ultima()); }, "2 2 2 2 2", -1},
        {"posAbsoluta(1)", [](CArquivo& a) { EXPECT_TRUE(a.posAbsoluta(1)); }, "1 1 1 1 1", -1},
        {"posAbsoluta(3)", [](CArquivo& a) { EXPECT_FALSE(a.posAbsoluta(3)); }, "0 1 2 2> <0", -1},
        {"apagaLinha(0)", [](CArquivo& a) { EXPECT_TRUE(a.apagaLinha(0)); }, "0 1 1 1> <0", 0},
        {"apagaLinha(1)", [](CArquivo& a) { EXPECT_TRUE(a.apagaLinha(1)); }, "0 1 1 1> <0", 1},
        {"apagaLinha(2)", [](CArquivo& a) { EXPECT_TRUE(a.apagaLinha(2)); }, "0 1 1 1> <0", 2},
        {"apagaLinha(3)", [](CArquivo& a) { EXPECT_FALSE(a.apagaLinha(3)); }, "0 1 2 2> <0", -1},
    };
    for (const auto& operacao : operacoes) {
        std::istringstream esperadas(operacao.esperadas);
        Linhas restantes{"l0", "l1", "l2"};
        if (operacao.apagada >= 0) {
            restantes.erase(restantes.begin() + operacao.apagada);
        }
        for (const auto& inicio : inicios) {
            SCOPED_TRACE(std::string(operacao.nome) + " from " + inicio.pos);
            CArquivo arquivo;
            ASSERT_TRUE(arquivo.abrir(origem));
            arquivo.posRelativa(inicio.passos);
            ASSERT_EQ(pos(arquivo), inicio.pos);
            operacao.opera(arquivo);
            std::string esperada;
            esperadas >> esperada;
            EXPECT_EQ(pos(arquivo), esperada);
            EXPECT_EQ(linhasDe(arquivo), restantes);
            EXPECT_EQ(arquivo.linha(), restantes[static_cast<std::size_t>(arquivo.posAbsoluta())]);
        }
    }
}

TEST(ArquivoTeste, AcrescentarSubstituirEApagarTudo)
{
    DiretorioTemporario dir;
    CArquivo arquivo;
    const std::string nome = dir.caminho("novo");
    ASSERT_TRUE(arquivo.novo(nome));
    EXPECT_FALSE(DiretorioTemporario::existe(nome));  // novo does not touch the disk
    EXPECT_EQ(pos(arquivo), "<-1>");
    ASSERT_TRUE(arquivo.novaLinha("a"));
    EXPECT_EQ(pos(arquivo), "0");
    ASSERT_TRUE(arquivo.novaLinha("b"));
    arquivo.proxima();
    arquivo.proxima();
    ASSERT_TRUE(arquivo.novaLinha("c"));  // appended at the end, the cursor stays
    EXPECT_EQ(pos(arquivo), "1>");
    arquivo.posRelativa(1);  // a step forward leaves fda() alone; only a step back clears it
    EXPECT_EQ(pos(arquivo), "2>");
    arquivo.anterior();
    EXPECT_EQ(pos(arquivo), "1");
    ASSERT_TRUE(arquivo.linha("B"));
    ASSERT_TRUE(arquivo.linha(0, "A"));
    EXPECT_FALSE(arquivo.linha(3, "D"));
    std::string destino = "intacto";
    EXPECT_FALSE(arquivo.linha(3, &destino));
    EXPECT_EQ(destino, "intacto");
    ASSERT_TRUE(arquivo.salvar());
    EXPECT_EQ(DiretorioTemporario::le(nome), "A\nB\nc");

    arquivo.ultima();
    arquivo.proxima();
    ASSERT_TRUE(arquivo.apagaLinha());  // fda() stays with the new last line
    EXPECT_EQ(pos(arquivo), "1>");
    EXPECT_EQ(linhasDe(arquivo), (Linhas{"A", "B"}));
    ASSERT_TRUE(arquivo.apagaLinha());
    ASSERT_TRUE(arquivo.apagaLinha());
    EXPECT_EQ(pos(arquivo), "<-1>");
    EXPECT_FALSE(arquivo.apagaLinha());
    EXPECT_FALSE(arquivo.linha("x"));
    EXPECT_EQ(arquivo.linha(), "");
    ASSERT_TRUE(arquivo.salvar());
    EXPECT_EQ(DiretorioTemporario::le(nome), "");
}

TEST(ArquivoTeste, FechadoNaoTemLinhasNemGrava)
{
    DiretorioTemporario dir;
    CArquivo arquivo;
    const auto verificaFechado = [&]() {
        EXPECT_FALSE(arquivo.aberto());
        EXPECT_EQ(arquivo.nomeArq(), "");
        EXPECT_FALSE(arquivo.primeira());
        EXPECT_FALSE(arquivo.ultima());
        arquivo.proxima();
        arquivo.anterior();
        arquivo.posRelativa(3);
        EXPECT_FALSE(arquivo.novaLinha("x"));
        EXPECT_FALSE(arquivo.salvarComo(dir.caminho("x")));
        EXPECT_FALSE(DiretorioTemporario::existe(dir.caminho("x")));
        EXPECT_EQ(arquivo.totLinhas(), 0u);
        EXPECT_EQ(pos(arquivo), "<-1>");
    };
    verificaFechado();
    // A failed abrir drops the old content anyway; a directory opens but cannot be read.
    const std::string origem = dir.escreve("a", "a\nb");
    for (const std::string& falha : {dir.caminho("falta"), std::string(), dir.caminho("")}) {
        SCOPED_TRACE(falha);
        ASSERT_TRUE(arquivo.abrir(origem));
        EXPECT_FALSE(arquivo.abrir(falha));
        verificaFechado();
    }

    // A failed save keeps the name and the lines.
    ASSERT_TRUE(arquivo.abrir(origem));
    arquivo.linha(1, "B");
    EXPECT_FALSE(arquivo.salvarComo(dir.caminho("falta/b")));
    EXPECT_FALSE(arquivo.salvarComo(""));
    EXPECT_EQ(arquivo.nomeArq(), origem);
    EXPECT_EQ(linhasDe(arquivo), (Linhas{"a", "B"}));
    arquivo.fechar();
    verificaFechado();
    EXPECT_EQ(DiretorioTemporario::le(origem), "a\nb");
}

// Only regular files up to the limit: a device that never ends, a FIFO with no writer and a
// directory are refused at once (none of them waits or reads forever), and so is a file one
// byte over the limit, whatever it holds.
TEST(ArquivoTeste, SoArquivosRegularesAteOLimite)
{
    DiretorioTemporario dir;
    const std::string fifo = dir.caminho("fifo");
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    const std::string limite = dir.caminho("limite");
    ASSERT_EQ(truncate(dir.escreve("limite", "").c_str(), CArquivo::TAMANHO_MAXIMO), 0);
    const std::string passa = dir.caminho("passa");
    ASSERT_EQ(truncate(dir.escreve("passa", "").c_str(), CArquivo::TAMANHO_MAXIMO + 1), 0);

    CArquivo arquivo;
    for (const std::string& recusado : {std::string("/dev/zero"), fifo, dir.caminho(""), passa}) {
        SCOPED_TRACE(recusado);
        ASSERT_TRUE(arquivo.abrir(dir.escreve("a", "a")));
        EXPECT_FALSE(arquivo.abrir(recusado));
        EXPECT_FALSE(arquivo.aberto());
        EXPECT_EQ(arquivo.totLinhas(), 0u);
    }
    ASSERT_TRUE(arquivo.abrir(limite));
    EXPECT_EQ(arquivo.totLinhas(), 1u);
    EXPECT_EQ(arquivo.linha().size(), CArquivo::TAMANHO_MAXIMO);
    // A link to a regular file is that file.
    ASSERT_EQ(symlink(dir.escreve("alvo", "x\ny").c_str(), dir.caminho("elo").c_str()), 0);
    ASSERT_TRUE(arquivo.abrir(dir.caminho("elo")));
    EXPECT_EQ(linhasDe(arquivo), (Linhas{"x", "y"}));
}
