// diretorio: listaDiretorio. Depends on POSIX opendir/readdir, errno and cadeias.
#include "engine/files/diretorio.h"

#include <dirent.h>

#include <cerrno>
#include <cstdio>

#include "engine/files/cadeias.h"

namespace {

// The part after the last '.'; a name without a dot is its own extension.
std::string extensaoDe(const std::string& nome)
{
    const std::size_t ponto = nome.rfind('.');
    return ponto == std::string::npos ? nome : nome.substr(ponto + 1);
}

}  // namespace

int listaDiretorio(const std::string& diretorio, std::vector<std::string>& lista,
                   const std::string& extensao, bool exato)
{
    DIR* dir = opendir(diretorio.c_str());
    if (dir == nullptr) {
        const int erro = errno;
        std::printf("Erro(%d) abrindo ", erro);
        std::fwrite(diretorio.data(), 1, diretorio.size(), stdout);
        std::putchar('\n');
        std::fflush(stdout);
        return erro;
    }
    const std::string procurada = exato ? extensao : upperCase(extensao);
    while (const dirent* entrada = readdir(dir)) {
        const std::string nome = entrada->d_name;
        if (extensao.empty() || extensaoDe(exato ? nome : upperCase(nome)) == procurada) {
            lista.push_back(nome);
        }
    }
    closedir(dir);
    return 0;
}
