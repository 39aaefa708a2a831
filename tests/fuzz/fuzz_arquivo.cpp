// fuzz_arquivo: libFuzzer target for the text files, the line file and the key file built on
// it. Arbitrary bytes read as a file must give one line per LF plus one and save back byte for
// byte; as lines they survive every cursor and line operation the bytes themselves drive,
// with the invariants intact; as keys they are walked, looked up, edited and saved, and fed to
// both settings loaders. Depends on libFuzzer, CArquivoChave, CEvento, CVideo and the
// targets' shared set-up.
#include <algorithm>
#include <cstring>
#include <set>
#include <vector>

#include "engine/core/CEvento.h"
#include "engine/files/CArquivoChave.h"
#include "engine/media/CVideo.h"
#include "tests/fuzz/alvo.h"

namespace {

// The video loader's mode: the dummy driver allocates the whole surface on every mode set, so
// a huge mode trips the fuzzer's memory limit: past these, no video. Every depth is tried: the
// service itself refuses those the driver cannot lay out.
const int MAIOR_LARGURA = 640;
const int MAIOR_ALTURA = 480;
// Lookups per input: enough to reach duplicates without making runs slow.
const std::size_t CHAVES_CONSULTADAS = 16;

const fuzz::ArquivoMemoria entrada, saida;

// The lines read one by one from the first, joined by LF; each line is visited once.
std::string junta(CArquivo& arquivo)
{
    std::string juntas;
    unsigned visitadas = 0;
    for (arquivo.primeira(); !arquivo.fda(); arquivo.proxima(), ++visitadas)
        juntas += (visitadas > 0 ? "\n" : "") + arquivo.linha();
    VERIFICA(visitadas == arquivo.totLinhas());
    return juntas;
}

// Each byte of the input picks an operation and its argument, so the fuzzer steers the
// sequence as well as the content. After each, the class's invariant: no lines with the
// cursor at -1 and both flags set, or the cursor on a line.
void percorreLinhas(CArquivo& arquivo, const std::string& bytes)
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
        const int cursor = arquivo.posAbsoluta();
        VERIFICA(arquivo.totLinhas() == 0 ? cursor == -1 && arquivo.fda() && arquivo.ida()
                                          : cursor >= 0 && cursor < int(arquivo.totLinhas()));
    }
}

// Every key operation once; the sanitizers are the oracle here.
void percorreChaves(CArquivoChave& arquivo, int passos)
{
    arquivo.posRelativa(passos);
    std::vector<std::string> chaves;
    for (arquivo.primeiraChave(); !arquivo.fda(); arquivo.proximaChave())
        if (chaves.size() < CHAVES_CONSULTADAS)
            chaves.push_back(arquivo.chave());
    for (arquivo.ultimaChave(); !arquivo.ida(); arquivo.anteriorChave())
        arquivo.valor();
    for (const std::string& chave : chaves)
        arquivo.valor(" " + chave + "\t");  // leaves the cursor on the last key found
    arquivo.alteraValor("valor novo");
    arquivo.alteraChave(" chave_nova ");
    arquivo.novaChave("  ", "fuzz", "1");
    arquivo.valor("fuzz", "2");
    arquivo.apagaChave(chaves.empty() ? "fuzz" : chaves.front());
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    fuzz::preparaSdl(false);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dados, std::size_t tamanho)
{
    const std::string bytes(reinterpret_cast<const char*>(dados), tamanho);
    CArquivoChave arquivo;
    VERIFICA(arquivo.abrir(entrada.escreve(dados, tamanho)));
    VERIFICA(int(arquivo.totLinhas()) == std::count(bytes.begin(), bytes.end(), '\n') + 1);
    VERIFICA(arquivo.posAbsoluta() == 0 && !arquivo.fda() && !arquivo.ida());
    VERIFICA(arquivo.salvarComo(saida.caminho) && saida.le() == bytes);

    // As keys, from the file as it was opened; then with the separator and the comment mark
    // taken from the input, so that the same lines read differently.
    CArquivoChave chaves = arquivo;
    int passos = 0;
    std::memcpy(&passos, bytes.data(), std::min(sizeof passos, tamanho));
    percorreChaves(chaves, passos);
    if (tamanho > 0) {
        chaves.defSeparador(bytes.front());
        chaves.defComentario(bytes.back());
    }
    percorreChaves(chaves, passos);
    VERIFICA(chaves.salvar());

    // Both settings loaders, on copies of the file as it was opened; they never write it. The
    // video loader reads four values, and a mode costs more than all the rest of an input: each
    // set of values is tried once.
    CEvento().carregaConfigTeclas(arquivo);
    static CVideo video;
    static std::set<std::string> modos;
    std::string modo;
    for (const char* chave : {"video_largura", "video_altura", "video_bpp", "video_telaCheia"})
        modo += arquivo.valor(chave) + "\n";
    if (modos.insert(modo).second &&
        Uint16(std::atoi(arquivo.valor("video_largura").c_str())) <= MAIOR_LARGURA &&
        Uint16(std::atoi(arquivo.valor("video_altura").c_str())) <= MAIOR_ALTURA)
        video.inicializa(arquivo);
    VERIFICA(entrada.le() == bytes);

    // As lines: they join back to the input; after the edits, saving writes them as they stand.
    VERIFICA(junta(arquivo) == bytes);
    percorreLinhas(arquivo, bytes);
    VERIFICA(arquivo.salvar() && saida.le() == junta(arquivo));
    return 0;
}
