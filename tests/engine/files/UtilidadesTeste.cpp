// Tests of itos, upperCase (every byte) and listaDiretorio (extensions with and without case,
// the missing-directory line). Depends on gtest, cadeias, diretorio and the scratch directory.
#include <algorithm>
#include <cerrno>
#include <climits>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "engine/files/cadeias.h"
#include "engine/files/diretorio.h"
#include "tests/apoio/ArquivosTemporarios.h"

using Nomes = std::vector<std::string>;

TEST(UtilidadesTeste, ItosEUpperCase)
{
    for (const int n : {0, 7, -12, 100, INT_MAX, INT_MIN}) {
        EXPECT_EQ(itos(n), std::to_string(n));
    }
    for (int i = 0; i < 256; ++i) {
        const std::string byte(1, static_cast<char>(i));
        const bool minuscula = i >= 'a' && i <= 'z';
        EXPECT_EQ(upperCase(byte), minuscula ? std::string(1, static_cast<char>(i - 32)) : byte)
            << "byte " << i;
    }
    EXPECT_EQ(upperCase(std::string("a\0b\xe9z", 5)), std::string("A\0B\xe9Z", 5));
}

TEST(UtilidadesTeste, ListaPelaExtensao)
{
    DiretorioTemporario dir;
    for (const char* nome : {"x.bmp", "X.BMP", "x.Bmp", "a.b.bmp", "bmp.txt", "bmp", ".bmp",
                             "semponto", "x.bmpx", "x.bm", "x."}) {
        dir.escreve(nome, "");
    }
    std::filesystem::create_directory(dir.caminho("sub.bmp"));  // entry types are not looked at
    const struct {
        const char* extensao;
        bool exato;
        Nomes achados;
    } casos[] = {
        {"BmP", false, {".bmp", "X.BMP", "a.b.bmp", "bmp", "sub.bmp", "x.Bmp", "x.bmp"}},
        {"bmp", true, {".bmp", "a.b.bmp", "bmp", "sub.bmp", "x.bmp"}},
        {"BMP", true, {"X.BMP"}},
        {"semponto", false, {"semponto"}},
        {"", false, {".", "..", ".bmp", "X.BMP", "a.b.bmp", "bmp", "bmp.txt", "semponto",
                     "sub.bmp", "x.", "x.Bmp", "x.bm", "x.bmp", "x.bmpx"}},
    };
    for (const auto& caso : casos) {
        Nomes lista{"antes"};  // appended after what the list holds
        EXPECT_EQ(listaDiretorio(dir.caminho(""), lista, caso.extensao, caso.exato), 0);
        ASSERT_EQ(lista.front(), "antes");
        std::sort(lista.begin() + 1, lista.end());
        EXPECT_EQ(Nomes(lista.begin() + 1, lista.end()), caso.achados) << caso.extensao;
    }
}

TEST(UtilidadesTeste, DiretorioQueNaoAbre)
{
    DiretorioTemporario dir;
    Nomes lista{"intacta"};
    for (const auto& [caminho, erro] : {std::pair{dir.caminho("falta"), ENOENT},
                                        std::pair{dir.escreve("arquivo", ""), ENOTDIR}}) {
        testing::internal::CaptureStdout();
        EXPECT_EQ(listaDiretorio(caminho, lista, "bmp", false), erro);
        EXPECT_EQ(testing::internal::GetCapturedStdout(),
                  "Erro(" + std::to_string(erro) + ") abrindo " + caminho + "\n");
        EXPECT_EQ(lista, (Nomes{"intacta"}));
    }
}
