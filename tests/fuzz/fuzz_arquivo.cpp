// fuzz_arquivo: libFuzzer target for the line file. Arbitrary bytes are read as a file and
// must give one line per LF plus one, save back byte for byte, and survive every cursor and
// line operation driven by the bytes themselves with the invariants intact. Depends on
// libFuzzer, CArquivo and the scratch directory helper.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "engine/files/CArquivo.h"
#include "tests/apoio/ArquivosTemporarios.h"

namespace {

#define VERIFICA(condicao)                                                              \
    do {                                                                                \
        if (!(condicao)) {                                                              \
            std::fprintf(stderr, "%s:%d: falhou: %s\n", __FILE__, __LINE__, #condicao); \
            std::abort();                                                               \
        }                                                                               \
    } while (0)

DiretorioTemporario dir;
const std::string saida = dir.caminho("saida.txt");

// The class's invariant: no lines with the cursor at -1 and both flags set, or the cursor
// on a line.
void confereInvariante(const CArquivo& arquivo)
{
    const int cursor = arquivo.posAbsoluta();
    if (arquivo.totLinhas() == 0) {
        VERIFICA(cursor == -1 && arquivo.fda() && arquivo.ida());
    } else {
        VERIFICA(cursor >= 0 && static_cast<unsigned>(cursor) < arquivo.totLinhas());
    }
}

// Each byte of the input picks an operation and its argument, so the fuzzer steers the
// sequence as well as the content.
void percorre(CArquivo& arquivo, const std::string& bytes)
{
    for (std::size_t i = 0; i < bytes.size() && i < 256; ++i) {
        const unsigned char b = static_cast<unsigned char>(bytes[i]);
        const unsigned argumento = b >> 3;
        switch (b & 7) {
        case 0: arquivo.posRelativa(static_cast<int>(argumento) - 16); break;
        case 1: arquivo.posAbsoluta(argumento); break;
        case 2: arquivo.apagaLinha(argumento); break;
        case 3: arquivo.apagaLinha(); break;
        case 4: arquivo.novaLinha(bytes.substr(i, argumento)); break;
        case 5: arquivo.linha(argumento, bytes.substr(0, argumento)); break;
        case 6: arquivo.ultima() ? arquivo.proxima() : arquivo.anterior(); break;
        default: arquivo.linha(bytes.substr(i, 3)); break;
        }
        std::string copia;
        arquivo.linha(argumento, &copia);
        arquivo.linha();
        confereInvariante(arquivo);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dados, std::size_t tamanho)
{
    const std::string bytes(reinterpret_cast<const char*>(dados), tamanho);
    CArquivo arquivo;
    VERIFICA(arquivo.abrir(dir.escreve("entrada.txt", bytes)));
    VERIFICA(arquivo.totLinhas() ==
             static_cast<unsigned>(std::count(bytes.begin(), bytes.end(), '\n')) + 1);
    VERIFICA(arquivo.posAbsoluta() == 0 && !arquivo.fda() && !arquivo.ida());
    VERIFICA(arquivo.salvarComo(saida) && DiretorioTemporario::le(saida) == bytes);

    // Reading line by line visits every line once and joins back to the input.
    std::string juntas;
    unsigned visitadas = 0;
    for (arquivo.primeira(); !arquivo.fda(); arquivo.proxima(), ++visitadas)
        juntas += (visitadas > 0 ? "\n" : "") + arquivo.linha();
    VERIFICA(juntas == bytes && visitadas == arquivo.totLinhas());

    // After the edits, saving writes the lines as they stand, joined by LF.
    percorre(arquivo, bytes);
    VERIFICA(arquivo.salvar());
    std::string esperado;
    std::string linha;
    for (unsigned i = 0; arquivo.linha(i, &linha); ++i)
        esperado += (i > 0 ? "\n" : "") + linha;
    VERIFICA(DiretorioTemporario::le(saida) == esperado);
    return 0;
}
