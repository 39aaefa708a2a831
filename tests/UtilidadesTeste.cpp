// Tests of itos, upperCase and listaDiretorio: extremes of the integer range, every byte
// through upperCase, extension matching with and without case, and the missing-directory
// line. Depends on gtest, cadeias, diretorio and the scratch directory helper.
#include <algorithm>
#include <cerrno>
#include <climits>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "engine/files/cadeias.h"
#include "engine/files/diretorio.h"
#include "tests/ArquivosTemporarios.h"

namespace {

using Nomes = std::vector<std::string>;

Nomes ordenados(Nomes nomes)
{
    std::sort(nomes.begin(), nomes.end());
    return nomes;
}

}  // namespace

TEST(UtilidadesTeste, ItosEUpperCase)
{
    EXPECT_EQ(itos(0), "0");
    EXPECT_EQ(itos(7), "7");
    EXPECT_EQ(itos(-12), "-12");
    EXPECT_EQ(itos(100), "100");
    EXPECT_EQ(itos(INT_MAX), "2147483647");
    EXPECT_EQ(itos(INT_MIN), "-2147483648");

    for (int i = 0; i < 256; ++i) {
        const std::string byte(1, static_cast<char>(i));
        const bool minuscula = i >= 'a' && i <= 'z';
        EXPECT_EQ(upperCase(byte), minuscula ? std::string(1, static_cast<char>(i - 32)) : byte)
            << "byte " << i;
    }
    EXPECT_EQ(upperCase(std::string("a\0b\xe9z", 5)), std::string("A\0B\xe9Z", 5));
    EXPECT_EQ(upperCase(""), "");
}

TEST(UtilidadesTeste, ListaPelaExtensao)
{
    DiretorioTemporario dir;
    for (const char* nome : {"x.bmp", "X.BMP", "x.Bmp", "a.b.bmp", "bmp.txt", "bmp", ".bmp",
                             "semponto", "x.bmpx", "x.bm", "x."}) {
        dir.escreve(nome, "");
    }
    std::filesystem::create_directory(dir.caminho("sub.bmp"));
    const std::string raiz = dir.caminho("");

    Nomes lista;
    EXPECT_EQ(listaDiretorio(raiz, lista, "bmp", false), 0);
    EXPECT_EQ(ordenados(lista),
              (Nomes{".bmp", "X.BMP", "a.b.bmp", "bmp", "sub.bmp", "x.Bmp", "x.bmp"}));

    lista = {"antes"};  // appended after what the list holds
    EXPECT_EQ(listaDiretorio(raiz, lista, "bmp", true), 0);
    EXPECT_EQ(lista.front(), "antes");
    EXPECT_EQ(ordenados(lista), (Nomes{".bmp", "a.b.bmp", "antes", "bmp", "sub.bmp", "x.bmp"}));

    lista.clear();
    EXPECT_EQ(listaDiretorio(raiz, lista, "BMP", true), 0);
    EXPECT_EQ(ordenados(lista), (Nomes{"X.BMP"}));

    lista.clear();
    EXPECT_EQ(listaDiretorio(raiz, lista, "BmP", false), 0);
    EXPECT_EQ(lista.size(), 7u);

    lista.clear();
    EXPECT_EQ(listaDiretorio(raiz, lista, "semponto", false), 0);
    EXPECT_EQ(lista, (Nomes{"semponto"}));

    lista.clear();
    EXPECT_EQ(listaDiretorio(raiz, lista, "", false), 0);
    EXPECT_EQ(ordenados(lista),
              (Nomes{".", "..", ".bmp", "X.BMP", "a.b.bmp", "bmp", "bmp.txt", "semponto",
                     "sub.bmp", "x.", "x.Bmp", "x.bm", "x.bmp", "x.bmpx"}));
}

TEST(UtilidadesTeste, DiretorioQueNaoAbre)
{
    DiretorioTemporario dir;
    const std::string falta = dir.caminho("falta");
    Nomes lista{"intacta"};
    testing::internal::CaptureStdout();
    EXPECT_EQ(listaDiretorio(falta, lista, "bmp", false), 2);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "Erro(2) abrindo " + falta + "\n");
    EXPECT_EQ(lista, (Nomes{"intacta"}));

    const std::string arquivo = dir.escreve("arquivo", "");
    testing::internal::CaptureStdout();
    EXPECT_EQ(listaDiretorio(arquivo, lista, "", false), ENOTDIR);
    EXPECT_EQ(testing::internal::GetCapturedStdout(),
              "Erro(" + std::to_string(ENOTDIR) + ") abrindo " + arquivo + "\n");
    EXPECT_EQ(lista, (Nomes{"intacta"}));
}
