// ArquivosTemporarios: a private scratch directory per test, with byte-exact file writing and
// reading. Depends on POSIX mkdtemp and the standard library.
#ifndef CORVELA_TESTES_ARQUIVOSTEMPORARIOS_H
#define CORVELA_TESTES_ARQUIVOSTEMPORARIOS_H

#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

// Made on construction, removed with everything in it on destruction.
class DiretorioTemporario {
public:
    DiretorioTemporario()
    {
        char modelo[] = "/tmp/corvela-testeXXXXXX";
        raiz = mkdtemp(modelo) != nullptr ? modelo : "";
    }
    ~DiretorioTemporario() { std::error_code erro; std::filesystem::remove_all(raiz, erro); }
    DiretorioTemporario(const DiretorioTemporario&) = delete;
    DiretorioTemporario& operator=(const DiretorioTemporario&) = delete;

    std::string caminho(const std::string& nome) const { return raiz + "/" + nome; }

    // Writes conteudo exactly and returns the file's path.
    std::string escreve(const std::string& nome, const std::string& conteudo) const
    {
        std::ofstream(caminho(nome), std::ios::binary) << conteudo;
        return caminho(nome);
    }

    static std::string le(const std::string& arquivo)
    {
        std::ifstream entrada(arquivo, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(entrada), {});
    }

private:
    std::string raiz;
};

#endif
