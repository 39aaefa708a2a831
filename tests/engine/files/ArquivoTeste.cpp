// Tests of CArquivo: byte-exact round trips, cursor moves and their edge flags, and the
// paths it refuses, which leave it closed.
#include <sys/stat.h>
#include <unistd.h>

#include <climits>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "engine/files/CArquivo.h"
#include "tests/apoio/ArquivosTemporarios.h"

using Linhas = std::vector<std::string>;

static Linhas linhasDe(const CArquivo& arquivo)
{
    Linhas lidas;
    std::string texto;
    for (unsigned int i = 0; arquivo.linha(i, &texto); ++i)
        lidas.push_back(texto);
    return lidas;
}

// The cursor with its flags: "<" before it for ida(), ">" after it for fda().
static std::string pos(const CArquivo& a)
{
    return (a.ida() ? "<" : "") + std::to_string(a.posAbsoluta()) + (a.fda() ? ">" : "");
}

TEST(ArquivoTeste, LeGravaOsMesmosBytesEMoveOCursor)
{
    const std::string longa(10000, 'x');  // crosses the read block size
    const std::pair<std::string, Linhas> casos[] = {
        {"", {""}}, {"a\r\nb\r\n", {"a\r", "b\r", ""}},
        {std::string("\0\xff\n\x80 ", 5), {std::string("\0\xff", 2), "\x80 "}},
        {longa + "\n" + longa, {longa, longa}},
    };
    DiretorioTemporario dir;
    for (const auto& [bytes, linhas] : casos) {
        const std::string copia = dir.caminho("copia");
        CArquivo arquivo;
        ASSERT_TRUE(arquivo.abrir(dir.escreve("origem", bytes)));
        EXPECT_TRUE(pos(arquivo) == "0" && linhasDe(arquivo) == linhas);
        ASSERT_TRUE(arquivo.salvarComo(copia));
        EXPECT_TRUE(arquivo.nomeArq() == copia && DiretorioTemporario::le(copia) == bytes)
            << ::testing::PrintToString(bytes.substr(0, 8));
    }

    // One walk over three lines, checking after each step the cursor and its edge flags.
    CArquivo arquivo;
    ASSERT_TRUE(arquivo.abrir(dir.escreve("tres", "l0\nl1\nl2")));
    const std::pair<void (*)(CArquivo&), const char*> passos[] = {
        {[](CArquivo& a) { a.anterior(); }, "<0"},
        {[](CArquivo& a) { a.proxima(); }, "1"},
        {[](CArquivo& a) { a.posRelativa(INT_MAX); }, "2>"},
        {[](CArquivo& a) { a.proxima(); }, "2>"},
        {[](CArquivo& a) { a.anterior(); }, "1"},
        {[](CArquivo& a) { a.posRelativa(INT_MIN); }, "<0"},
        {[](CArquivo& a) { a.posRelativa(2); }, "2"},
        {[](CArquivo& a) { EXPECT_TRUE(a.primeira()); }, "0"},
        {[](CArquivo& a) { EXPECT_TRUE(a.ultima() && !a.posAbsoluta(3)); }, "2"},
        {[](CArquivo& a) { a.proxima(); EXPECT_TRUE(a.apagaLinha(0)); }, "1>"},  // index kept
        {[](CArquivo& a) { EXPECT_TRUE(a.novaLinha("c") && !a.apagaLinha(3)); }, "1>"},
        {[](CArquivo& a) { a.posRelativa(1); }, "2>"},  // fda() is cleared only by a step back
    };
    for (size_t i = 0; i < std::size(passos); ++i) {
        passos[i].first(arquivo);
        EXPECT_EQ(pos(arquivo), passos[i].second) << "step " << i;
    }
    EXPECT_EQ(linhasDe(arquivo), (Linhas{"l1", "l2", "c"}));
    ASSERT_TRUE(arquivo.linha("C") && arquivo.salvar());
    EXPECT_EQ(DiretorioTemporario::le(dir.caminho("tres")), "l1\nl2\nC");
}

// Only regular files up to the limit open: any other path (missing, empty, a directory, a
// device that never ends, a FIFO with no writer, a file one byte over) fails at once, drops
// the old lines and leaves a closed file, which neither moves nor writes.
TEST(ArquivoTeste, SoArquivosRegularesAteOLimite)
{
    DiretorioTemporario dir;
    ASSERT_EQ(mkfifo(dir.caminho("fifo").c_str(), 0600), 0);
    ASSERT_EQ(truncate(dir.escreve("limite", "").c_str(), CArquivo::TAMANHO_MAXIMO), 0);
    ASSERT_EQ(truncate(dir.escreve("passa", "").c_str(), CArquivo::TAMANHO_MAXIMO + 1), 0);
    const std::string origem = dir.escreve("a", "a\nb");
    CArquivo arquivo;
    for (const std::string& recusado : {dir.caminho("falta"), std::string(), dir.caminho(""),
                                        std::string("/dev/zero"), dir.caminho("fifo"),
                                        dir.caminho("passa")}) {
        ASSERT_TRUE(arquivo.abrir(origem));
        EXPECT_FALSE(arquivo.abrir(recusado));
        arquivo.proxima();
        arquivo.anterior();
        arquivo.posRelativa(3);
        EXPECT_FALSE(arquivo.aberto() || !arquivo.nomeArq().empty() || arquivo.totLinhas() ||
                     pos(arquivo) != "<-1>" || arquivo.primeira() || arquivo.ultima() ||
                     arquivo.novaLinha("x") || arquivo.salvarComo(dir.caminho("x")) ||
                     std::filesystem::exists(dir.caminho("x"))) << recusado;
    }
    ASSERT_TRUE(arquivo.abrir(dir.caminho("limite")));
    // A failed save keeps the name and the lines.
    ASSERT_TRUE(arquivo.abrir(origem));
    EXPECT_FALSE(arquivo.salvarComo(dir.caminho("falta/b")) || arquivo.salvarComo(""));
    EXPECT_TRUE(arquivo.nomeArq() == origem && linhasDe(arquivo) == (Linhas{"a", "b"}));
}
