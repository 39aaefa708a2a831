// CArquivoChave: the key file's line grammar, edits and navigation. Depends on CArquivo.
#include "engine/files/CArquivoChave.h"

namespace {

// The shortest key line is a key byte and a separator.
const std::size_t MENOR_LINHA_CHAVE = 2;

}  // namespace

CArquivoChave::CArquivoChave()
    : comentario(COMENTARIO_INICIAL), separador(SEPARADOR_INICIAL)
{
    nomeClasse = "CArquivoChave";
}

void CArquivoChave::defComentario(char c)
{
    if (marcador(c) && c != separador) {
        comentario = c;
    }
}

void CArquivoChave::defSeparador(char c)
{
    if (marcador(c) && c != comentario) {
        separador = c;
    }
}

void CArquivoChave::cerne(std::string* texto)
{
    std::size_t inicio = 0;
    while (inicio < texto->size() && branco((*texto)[inicio])) {
        ++inicio;
    }
    std::size_t fim = texto->size();
    while (fim > inicio && branco((*texto)[fim - 1])) {
        --fim;
    }
    *texto = texto->substr(inicio, fim - inicio);
}

bool CArquivoChave::validaEstruturaLinha(const std::string& linha, std::string* chave,
                                         std::string* valor) const
{
    std::size_t inicio = 0;
    while (inicio < linha.size() && branco(linha[inicio])) {
        ++inicio;
    }
    if (linha.size() - inicio < MENOR_LINHA_CHAVE || linha[inicio] == comentario) {
        return false;
    }
    const std::size_t posSeparador = linha.find(separador, inicio);
    if (posSeparador == std::string::npos) {
        return false;
    }
    std::string chaveLida = linha.substr(inicio, posSeparador - inicio);
    cerne(&chaveLida);
    if (chaveLida.empty()) {
        return false;
    }
    if (chave != nullptr) {
        *chave = chaveLida;
    }
    if (valor != nullptr) {
        *valor = linha.substr(posSeparador + 1);
        cerne(valor);
    }
    return true;
}

std::string CArquivoChave::chave() const
{
    std::string lida;
    validaEstruturaLinha(linha(), &lida, nullptr);
    return lida;
}

std::string CArquivoChave::valor() const
{
    std::string lido;
    validaEstruturaLinha(linha(), nullptr, &lido);
    return lido;
}

void CArquivoChave::alteraChave(const std::string& chave)
{
    std::string nova = chave;
    cerne(&nova);
    std::string texto = linha();
    std::string antiga;
    if (nova.empty() || !validaEstruturaLinha(texto, &antiga, nullptr)) {
        return;
    }
    // Only blank bytes precede the key, so its first occurrence is the key itself.
    texto.replace(texto.find(antiga), antiga.size(), nova);
    linha(texto);
}

void CArquivoChave::alteraValor(const std::string& valor)
{
    std::string texto = linha();
    std::string antigo;
    if (!validaEstruturaLinha(texto, nullptr, &antigo)) {
        return;
    }
    if (!antigo.empty()) {
        // Only blank bytes follow the value, so its last occurrence is the value itself.
        texto.erase(texto.rfind(antigo));
    }
    linha(texto + valor);
}

void CArquivoChave::primeiraChave()
{
    if (!aberto()) {
        return;
    }
    primeira();
    if (!fda() && !linhaChave()) {
        proximaChave();
    }
}

void CArquivoChave::ultimaChave()
{
    if (!aberto()) {
        return;
    }
    ultima();
    if (!fda() && !linhaChave()) {
        anteriorChave();
    }
}

void CArquivoChave::proximaChave()
{
    proxima();
    while (!fda() && !linhaChave()) {
        proxima();
    }
}

void CArquivoChave::anteriorChave()
{
    anterior();
    while (!ida() && !linhaChave()) {
        anterior();
    }
}

bool CArquivoChave::procuraChave(const std::string& chaveAparada)
{
    primeira();
    std::string lida;
    while (!fda()) {
        if (validaEstruturaLinha(linha(), &lida, nullptr) && lida == chaveAparada) {
            return true;
        }
        proxima();
    }
    return false;
}

std::string CArquivoChave::valor(const std::string& chave)
{
    std::string aparada = chave;
    cerne(&aparada);
    if (!aberto() || aparada.empty() || !procuraChave(aparada)) {
        return std::string();
    }
    return valor();
}

void CArquivoChave::valor(const std::string& chave, const std::string& valor)
{
    std::string aparada = chave;
    cerne(&aparada);
    if (!aberto() || aparada.empty()) {
        return;
    }
    if (procuraChave(aparada)) {
        alteraValor(valor);
    } else {
        novaChave(aparada, valor);
    }
}

void CArquivoChave::novaChave(const std::string& chave, const std::string& valor)
{
    novaChave(std::string(), chave, valor);
}

void CArquivoChave::novaChave(const std::string& prefixo, const std::string& chave,
                              const std::string& valor)
{
    std::string aparada = chave;
    cerne(&aparada);
    if (!aberto() || aparada.empty()) {
        return;
    }
    novaLinha(prefixo + aparada + ' ' + separador + ' ' + valor);
}

void CArquivoChave::apagaChave(const std::string& chave)
{
    std::string aparada = chave;
    cerne(&aparada);
    if (!aberto() || aparada.empty()) {
        return;
    }
    if (procuraChave(aparada)) {
        apagaLinha();
    }
}
