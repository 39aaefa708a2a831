// CArquivo: the in-memory line file. Depends on the C standard I/O library, read and
// written in binary mode so that no line end is translated.
#include "engine/files/CArquivo.h"

#include <cstdio>

#include "engine/files/abertura.h"

namespace {

const char FIM_LINHA = '\n';
const std::size_t TAMANHO_BLOCO = 4096;

}  // namespace

CArquivo::CArquivo()
    : cursor(-1), fimArquivo(true), inicioArquivo(true)
{
    nomeClasse = "CArquivo";
}

bool CArquivo::abrir(const std::string& nome)
{
    fechar();
    if (nome.empty() || !leConteudo(nome)) {
        fechar();
        return false;
    }
    nomeArquivo = nome;
    cursor = 0;
    fimArquivo = false;
    inicioArquivo = false;
    verificaCursor();
    return true;
}

// Reads the whole file into linhas; false on an open or read error (stdio tells a read error
// from the end of the file, which iostreams do not), for anything but a regular file, and
// past TAMANHO_MAXIMO bytes.
bool CArquivo::leConteudo(const std::string& nome)
{
    long long tamanho = 0;
    std::FILE* arquivo = abreRegular(nome, nullptr, &tamanho);
    if (arquivo == nullptr) {
        return false;
    }
    if (tamanho > static_cast<long long>(TAMANHO_MAXIMO)) {
        std::fclose(arquivo);
        return false;
    }
    std::string atual;
    char bloco[TAMANHO_BLOCO];
    std::size_t lidos;
    std::size_t total = 0;
    while ((lidos = std::fread(bloco, 1, sizeof bloco, arquivo)) > 0) {
        // The file may have grown since it was measured.
        total += lidos;
        if (total > TAMANHO_MAXIMO) {
            std::fclose(arquivo);
            return false;
        }
        for (std::size_t i = 0; i < lidos; ++i) {
            if (bloco[i] == FIM_LINHA) {
                linhas.push_back(atual);
                atual.clear();
            } else {
                atual += bloco[i];
            }
        }
    }
    const bool erro = std::ferror(arquivo) != 0;
    std::fclose(arquivo);
    if (erro) {
        return false;
    }
    // What follows the last LF is always a line, even when empty.
    linhas.push_back(atual);
    return true;
}

bool CArquivo::novo(const std::string& nome)
{
    fechar();
    if (nome.empty()) {
        return false;
    }
    nomeArquivo = nome;
    return true;
}

bool CArquivo::salvar()
{
    if (!aberto()) {
        return false;
    }
    std::FILE* arquivo = std::fopen(nomeArquivo.c_str(), "wb");
    if (arquivo == nullptr) {
        return false;
    }
    for (std::size_t i = 0; i < linhas.size(); ++i) {
        std::fwrite(linhas[i].data(), 1, linhas[i].size(), arquivo);
        if (i + 1 < linhas.size()) {
            std::fputc(FIM_LINHA, arquivo);
            std::fflush(arquivo);
        }
    }
    std::fclose(arquivo);
    return true;
}

bool CArquivo::salvarComo(const std::string& nome)
{
    if (nome.empty() || !aberto()) {
        return false;
    }
    const std::string anterior = nomeArquivo;
    nomeArquivo = nome;
    if (!salvar()) {
        nomeArquivo = anterior;
        return false;
    }
    return true;
}

void CArquivo::fechar()
{
    nomeArquivo.clear();
    limpar();
}

void CArquivo::limpar()
{
    linhas.clear();
    cursor = -1;
    fimArquivo = true;
    inicioArquivo = true;
}

unsigned int CArquivo::totLinhas() const
{
    return aberto() ? static_cast<unsigned int>(linhas.size()) : 0;
}

bool CArquivo::posAbsoluta(unsigned int indice)
{
    if (!temLinha(indice)) {
        return false;
    }
    cursor = static_cast<int>(indice);
    fimArquivo = false;
    inicioArquivo = false;
    return true;
}

bool CArquivo::primeira()
{
    return posAbsoluta(0);
}

bool CArquivo::ultima()
{
    if (linhas.empty()) {
        return false;
    }
    return posAbsoluta(static_cast<unsigned int>(linhas.size() - 1));
}

void CArquivo::proxima()
{
    if (!aberto() || linhas.empty()) {
        return;
    }
    if (cursor < static_cast<int>(linhas.size()) - 1) {
        ++cursor;
        inicioArquivo = false;
    } else {
        fimArquivo = true;
    }
}

void CArquivo::anterior()
{
    if (!aberto() || linhas.empty()) {
        return;
    }
    if (cursor >= 1) {
        --cursor;
        fimArquivo = false;
    } else {
        inicioArquivo = true;
    }
}

void CArquivo::posRelativa(int passos)
{
    if (!aberto() || linhas.empty()) {
        return;
    }
    // Once a flag is set on its edge, further steps change nothing, so a huge count stops
    // there instead of spinning; counted wide so that the most negative int does not overflow.
    const int ultimaLinha = static_cast<int>(linhas.size()) - 1;
    for (long long i = 0; i < passos && !(fimArquivo && cursor == ultimaLinha); ++i) {
        proxima();
    }
    for (long long i = 0; i < -static_cast<long long>(passos) && !(inicioArquivo && cursor == 0);
         ++i) {
        anterior();
    }
}

std::string CArquivo::linha() const
{
    if (cursor < 0 || !temLinha(static_cast<unsigned int>(cursor))) {
        return std::string();
    }
    return linhas[static_cast<std::size_t>(cursor)];
}

bool CArquivo::linha(const std::string& texto)
{
    return cursor >= 0 && linha(static_cast<unsigned int>(cursor), texto);
}

bool CArquivo::linha(unsigned int indice, const std::string& texto)
{
    if (!temLinha(indice)) {
        return false;
    }
    linhas[indice] = texto;
    return true;
}

bool CArquivo::linha(unsigned int indice, std::string* destino) const
{
    if (destino == nullptr || !temLinha(indice)) {
        return false;
    }
    *destino = linhas[indice];
    return true;
}

bool CArquivo::novaLinha(const std::string& texto)
{
    if (!aberto()) {
        return false;
    }
    linhas.push_back(texto);
    verificaCursor();
    return true;
}

bool CArquivo::apagaLinha(unsigned int indice)
{
    if (!temLinha(indice)) {
        return false;
    }
    linhas.erase(linhas.begin() + indice);
    verificaCursor();
    return true;
}

bool CArquivo::apagaLinha()
{
    return cursor >= 0 && apagaLinha(static_cast<unsigned int>(cursor));
}

void CArquivo::verificaCursor()
{
    if (linhas.empty()) {
        cursor = -1;
        fimArquivo = true;
        inicioArquivo = true;
    } else if (cursor > static_cast<int>(linhas.size()) - 1) {
        cursor = static_cast<int>(linhas.size()) - 1;
    } else if (cursor < 0) {
        cursor = 0;
        fimArquivo = false;
        inicioArquivo = false;
    }
}
