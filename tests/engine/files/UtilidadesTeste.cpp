// Tests of listaDiretorio: extensions with and without case, and the line when the
// directory does not open.
#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "engine/files/diretorio.h"
#include "tests/apoio/ArquivosTemporarios.h"

using Nomes = std::vector<std::string>;

TEST(UtilidadesTeste, ListaPelaExtensaoOuDizPorQueNao)
{
    DiretorioTemporario dir;
    for (const char* nome : {"x.bmp", "X.BMP", "a.b.bmp", "bmp.txt", "bmp", "x.bmpx", "x."})
        dir.escreve(nome, "");
    std::filesystem::create_directory(dir.caminho("sub.bmp"));  // entry types are not looked at
    const std::tuple<const char*, bool, Nomes> casos[] = {
        {"BmP", false, {"antes", "X.BMP", "a.b.bmp", "bmp", "sub.bmp", "x.bmp"}},
        {"bmp", true, {"antes", "a.b.bmp", "bmp", "sub.bmp", "x.bmp"}},
        {"", false, {"antes", ".", "..", "X.BMP", "a.b.bmp", "bmp", "bmp.txt", "sub.bmp", "x.",
                     "x.bmp", "x.bmpx"}}};
    for (const auto& [extensao, exato, achados] : casos) {
        Nomes lista{"antes"};  // appended after what the list holds
        EXPECT_EQ(listaDiretorio(dir.caminho(""), lista, extensao, exato), 0);
        std::sort(lista.begin() + 1, lista.end());
        EXPECT_EQ(lista, achados) << extensao;
    }
    for (const auto& [caminho, erro] : {std::pair{dir.caminho("falta"), ENOENT},
                                        std::pair{dir.caminho("bmp"), ENOTDIR}}) {
        Nomes lista{"intacta"};
        testing::internal::CaptureStdout();
        EXPECT_EQ(listaDiretorio(caminho, lista, "bmp", false), erro);
        EXPECT_EQ(testing::internal::GetCapturedStdout(),
                  "Erro(" + std::to_string(erro) + ") abrindo " + caminho + "\n");
        EXPECT_EQ(lista, (Nomes{"intacta"}));
    }
}
