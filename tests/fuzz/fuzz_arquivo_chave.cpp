// fuzz_arquivo_chave: libFuzzer target that reads arbitrary bytes as a key file, checks the
// byte-exact round trip, walks, looks up, edits and saves it, and feeds the same file to both
// settings loaders. Depends on libFuzzer, SDL (dummy drivers), CArquivoChave, CEvento, CVideo
// and the scratch directory helper.
#include <SDL.h>
#include <fcntl.h>
#include <stdlib.h>
#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "engine/core/CEvento.h"
#include "engine/files/CArquivoChave.h"
#include "engine/media/CVideo.h"
#include "tests/apoio/ArquivosTemporarios.h"

namespace {

#define VERIFICA(condicao)                                                              \
    do {                                                                                \
        if (!(condicao)) {                                                              \
            std::fprintf(stderr, "%s:%d: falhou: %s\n", __FILE__, __LINE__, #condicao); \
            std::abort();                                                               \
        }                                                                               \
    } while (0)

// The dummy driver allocates the whole surface on every mode set, so a huge mode trips the
// fuzzer's memory limit: past these, no video. Every depth is tried: the service itself
// refuses those the driver cannot lay out.
const unsigned MAIOR_LARGURA = 640;
const unsigned MAIOR_ALTURA = 480;
// Lookups per input: enough to reach duplicates without making runs slow.
const std::size_t CHAVES_CONSULTADAS = 16;

// Removed with its files when the fuzzer exits normally.
DiretorioTemporario dir;
const std::string entrada = dir.caminho("entrada.cfg");
const std::string saida = dir.caminho("saida.cfg");

// Every key operation once; the sanitizers are the oracle here.
void exercitaChaves(CArquivoChave& arquivo, int passos)
{
    arquivo.posRelativa(passos);
    std::vector<std::string> chaves;
    for (arquivo.primeiraChave(); !arquivo.fda(); arquivo.proximaChave()) {
        if (chaves.size() < CHAVES_CONSULTADAS) {
            chaves.push_back(arquivo.chave());
        }
    }
    for (arquivo.ultimaChave(); !arquivo.ida(); arquivo.anteriorChave()) {
        arquivo.valor();
    }
    for (const std::string& chave : chaves) {
        arquivo.valor(" " + chave + "\t");  // leaves the cursor on the last key found
    }
    arquivo.alteraValor("valor novo");
    arquivo.alteraChave(" chave_nova ");
    arquivo.novaChave("  ", "fuzz", "1");
    arquivo.valor("fuzz", "2");
    arquivo.apagaChave(chaves.empty() ? "fuzz" : chaves.front());
}

int numero(CArquivoChave& configuracao, const char* chave)
{
    return std::atoi(configuracao.valor(chave).c_str());
}

// The loaders leave the caller's key file and the file on disk as they were.
void confereLoaders(const std::string& bytes)
{
    CArquivoChave configuracao;
    VERIFICA(configuracao.abrir(entrada));
    const Uint16 largura = static_cast<Uint16>(numero(configuracao, "video_largura"));
    const Uint16 altura = static_cast<Uint16>(numero(configuracao, "video_altura"));
    const int cursor = configuracao.posAbsoluta();
    const bool fda = configuracao.fda();
    CEvento evento;
    evento.carregaConfigTeclas(entrada);
    evento.carregaConfigTeclas(configuracao);
    if (largura <= MAIOR_LARGURA && altura <= MAIOR_ALTURA) {
        // The service's error lines would drown libFuzzer's own reports on standard error.
        std::fflush(stderr);
        const int erroOriginal = dup(STDERR_FILENO);
        const int nulo = open("/dev/null", O_WRONLY);
        dup2(nulo, STDERR_FILENO);
        static CVideo video;
        video.inicializa(entrada);
        video.inicializa(configuracao);
        std::fflush(stderr);
        dup2(erroOriginal, STDERR_FILENO);
        close(nulo);
        close(erroOriginal);
    }
    VERIFICA(configuracao.posAbsoluta() == cursor && configuracao.fda() == fda);
    VERIFICA(DiretorioTemporario::le(entrada) == bytes);
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    setenv("SDL_VIDEODRIVER", "dummy", 1);
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    // The video service logs every mode it opens; libFuzzer reports on standard error.
    if (std::freopen("/dev/null", "w", stdout) == nullptr) {
        std::abort();
    }
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dados, std::size_t tamanho)
{
    const std::string bytes(reinterpret_cast<const char*>(dados), tamanho);
    CArquivoChave arquivo;
    VERIFICA(arquivo.abrir(dir.escreve("entrada.cfg", bytes)));
    VERIFICA(arquivo.totLinhas() ==
             static_cast<unsigned int>(std::count(bytes.begin(), bytes.end(), '\n')) + 1);
    VERIFICA(arquivo.salvarComo(saida) && DiretorioTemporario::le(saida) == bytes);

    int passos = 0;
    std::memcpy(&passos, bytes.data(), std::min(sizeof passos, bytes.size()));
    exercitaChaves(arquivo, passos);
    // Other characters, taken from the input, read the same lines differently.
    if (!bytes.empty()) {
        arquivo.defSeparador(bytes.front());
        arquivo.defComentario(bytes.back());
    }
    exercitaChaves(arquivo, passos);
    VERIFICA(arquivo.salvar());
    confereLoaders(bytes);
    return 0;
}
