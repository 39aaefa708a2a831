// fuzz_arquivo_chave: libFuzzer target that reads arbitrary bytes as a key file, walks, looks
// up, edits and saves it, checking the results against a plain scan of the lines, and feeds
// the same file to both settings loaders. Depends on libFuzzer, SDL (dummy video driver),
// CArquivoChave, CEvento and CVideo.
#include <SDL.h>
#include <fcntl.h>
#include <stdlib.h>
#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "engine/core/CEvento.h"
#include "engine/files/CArquivoChave.h"
#include "engine/media/CVideo.h"

namespace {

#define VERIFICA(condicao)                                                              \
    do {                                                                                \
        if (!(condicao)) {                                                              \
            std::fprintf(stderr, "%s:%d: falhou: %s\n", __FILE__, __LINE__, #condicao); \
            std::abort();                                                               \
        }                                                                               \
    } while (0)

// The dummy driver allocates the whole surface on every mode set, and SDL replaces a zero
// width or height with the previous mode's: a huge mode trips the fuzzer's memory limit
// while the loader's own code is the same for any size. So each side is bounded on its own,
// and past these the video loader is skipped.
const unsigned MAIOR_LARGURA = 640;
const unsigned MAIOR_ALTURA = 480;
// SDL 1.2's dummy driver sizes its buffer with bpp / 8 but the surface with whole bytes per
// pixel, so a depth that is not a multiple of 8 (video_bpp = 17) overflows SDL's own buffer.
const unsigned BITS_BYTE = 8;
// Lookups checked per input: enough to cover duplicates without making runs slow.
const std::size_t CHAVES_CONFERIDAS = 16;

std::string raiz;
std::string entrada;
std::string saida;

std::vector<std::string> linhasDe(const CArquivo& arquivo)
{
    std::vector<std::string> linhas;
    std::string texto;
    for (unsigned int i = 0; arquivo.linha(i, &texto); ++i) {
        linhas.push_back(texto);
    }
    return linhas;
}

std::string le(const std::string& nome)
{
    std::string conteudo;
    if (std::FILE* arquivo = std::fopen(nome.c_str(), "rb")) {
        char bloco[4096];
        std::size_t lidos;
        while ((lidos = std::fread(bloco, 1, sizeof bloco, arquivo)) > 0) {
            conteudo.append(bloco, lidos);
        }
        std::fclose(arquivo);
    }
    return conteudo;
}

// The key lines found by the plain scan: (index, key, value).
struct LinhaChave {
    unsigned int indice;
    std::string chave;
    std::string valor;
};

std::vector<LinhaChave> linhasChave(const CArquivoChave& arquivo)
{
    std::vector<LinhaChave> achadas;
    const std::vector<std::string> linhas = linhasDe(arquivo);
    for (unsigned int i = 0; i < linhas.size(); ++i) {
        LinhaChave achada{i, "", ""};
        if (arquivo.validaEstruturaLinha(linhas[i], &achada.chave, &achada.valor)) {
            VERIFICA(!achada.chave.empty());
            std::string aparada = achada.chave;
            CArquivoChave::cerne(&aparada);
            VERIFICA(aparada == achada.chave);
            aparada = achada.valor;
            CArquivoChave::cerne(&aparada);
            VERIFICA(aparada == achada.valor);
            achadas.push_back(achada);
        }
    }
    return achadas;
}

// Both walks visit exactly the key lines, in order and in reverse, and end on an edge.
void confereNavegacao(CArquivoChave& arquivo)
{
    const std::vector<LinhaChave> esperadas = linhasChave(arquivo);
    std::vector<unsigned int> vistas;
    for (arquivo.primeiraChave(); !arquivo.fda(); arquivo.proximaChave()) {
        VERIFICA(vistas.size() < esperadas.size());
        VERIFICA(arquivo.posAbsoluta() >= 0);
        vistas.push_back(static_cast<unsigned int>(arquivo.posAbsoluta()));
        VERIFICA(arquivo.chave() == esperadas[vistas.size() - 1].chave);
    }
    VERIFICA(vistas.size() == esperadas.size());
    for (arquivo.ultimaChave(); !arquivo.ida(); arquivo.anteriorChave()) {
        VERIFICA(!vistas.empty());
        VERIFICA(arquivo.posAbsoluta() == static_cast<int>(vistas.back()));
        vistas.pop_back();
    }
    VERIFICA(vistas.empty());
    if (arquivo.totLinhas() > 0) {
        VERIFICA(arquivo.posAbsoluta() == 0);
    }
}

// valor(chave) finds the first key line with that key; edits touch only that line.
void confereConsultasEEdicoes(CArquivoChave& arquivo)
{
    const std::vector<LinhaChave> chaves = linhasChave(arquivo);
    for (std::size_t i = 0; i < chaves.size() && i < CHAVES_CONFERIDAS; ++i) {
        const auto primeira = std::find_if(chaves.begin(), chaves.end(), [&](const LinhaChave& c) {
            return c.chave == chaves[i].chave;
        });
        VERIFICA(arquivo.valor(" " + chaves[i].chave + "\t") == primeira->valor);
        VERIFICA(arquivo.posAbsoluta() == static_cast<int>(primeira->indice));
    }
    if (chaves.empty()) {
        return;
    }
    const std::vector<std::string> antes = linhasDe(arquivo);
    const LinhaChave& alvo = chaves.front();
    arquivo.posAbsoluta(alvo.indice);
    arquivo.alteraValor("valor novo");
    VERIFICA(arquivo.valor() == "valor novo");
    const std::string nova = "chave_nova";
    arquivo.alteraChave(" " + nova + " ");
    // Unless the new key holds the separator or starts with the comment character, it reads
    // back whole.
    if (nova.find(arquivo.retornaSeparador()) == std::string::npos &&
        nova.front() != arquivo.retornaComentario()) {
        VERIFICA(arquivo.chave() == nova && arquivo.valor() == "valor novo");
    }
    const std::vector<std::string> depois = linhasDe(arquivo);
    VERIFICA(depois.size() == antes.size());
    for (std::size_t i = 0; i < antes.size(); ++i) {
        VERIFICA(i == alvo.indice || depois[i] == antes[i]);
    }

    // With the input's characters the appended line may not read back as a key line, and
    // then valor(chave, valor) appends another.
    const unsigned int total = arquivo.totLinhas();
    arquivo.novaChave("  ", "fuzz", "1");
    VERIFICA(arquivo.totLinhas() == total + 1);
    arquivo.valor("fuzz", "2");
    const unsigned int acrescentadas = arquivo.totLinhas();
    VERIFICA(acrescentadas == total + 1 || acrescentadas == total + 2);
    arquivo.apagaChave("");
    VERIFICA(arquivo.totLinhas() == acrescentadas);
    arquivo.apagaChave(chaves.back().chave);
    VERIFICA(arquivo.totLinhas() + 1 >= acrescentadas);
}

void confereLoaders(const std::vector<LinhaChave>& chavesPadrao)
{
    CEvento evento;
    const bool carregou = evento.carregaConfigTeclas(entrada);
    VERIFICA(carregou == (evento.totTeclas() > 0));
    VERIFICA(evento.totTeclas() ==
             std::min<std::size_t>(chavesPadrao.size(), CEvento::MAX_TECLAS));

    CArquivoChave configuracao;
    VERIFICA(configuracao.abrir(entrada));
    const Uint16 largura = static_cast<Uint16>(std::atoi(configuracao.valor("video_largura").c_str()));
    const Uint16 altura = static_cast<Uint16>(std::atoi(configuracao.valor("video_altura").c_str()));
    const Uint8 bpp = static_cast<Uint8>(std::atoi(configuracao.valor("video_bpp").c_str()));
    VERIFICA(evento.carregaConfigTeclas(configuracao) == carregou);
    if (largura > MAIOR_LARGURA || altura > MAIOR_ALTURA || bpp % BITS_BYTE != 0) {
        return;
    }
    // The service's error lines would drown libFuzzer's own reports on standard error.
    std::fflush(stderr);
    const int erroOriginal = dup(STDERR_FILENO);
    const int nulo = open("/dev/null", O_WRONLY);
    dup2(nulo, STDERR_FILENO);
    static CVideo video;
    video.inicializa(entrada);
    std::fflush(stderr);
    dup2(erroOriginal, STDERR_FILENO);
    close(nulo);
    close(erroOriginal);
    VERIFICA(video.retornaLargura() == largura && video.retornaAltura() == altura &&
             video.retornaBpp() == bpp);
    VERIFICA(video.retornaFlags() == (video.retornaTelaCheia() ? 0xC0000001u : 0u));
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    setenv("SDL_VIDEODRIVER", "dummy", 1);
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    char modelo[] = "/tmp/fuzz_arquivo_chaveXXXXXX";
    if (mkdtemp(modelo) == nullptr) {
        std::perror("mkdtemp");
        std::abort();
    }
    raiz = modelo;
    entrada = raiz + "/entrada.cfg";
    saida = raiz + "/saida.cfg";
    std::atexit([] {
        std::error_code ignorado;
        std::filesystem::remove_all(raiz, ignorado);
    });
    // The video service logs every mode it opens; libFuzzer reports on standard error.
    if (std::freopen("/dev/null", "w", stdout) == nullptr) {
        std::abort();
    }
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dados, std::size_t tamanho)
{
    const std::string bytes(reinterpret_cast<const char*>(dados), tamanho);
    if (std::FILE* arquivo = std::fopen(entrada.c_str(), "wb")) {
        std::fwrite(bytes.data(), 1, bytes.size(), arquivo);
        std::fclose(arquivo);
    }

    CArquivoChave arquivo;
    VERIFICA(arquivo.abrir(entrada));
    VERIFICA(arquivo.totLinhas() ==
             static_cast<unsigned int>(std::count(bytes.begin(), bytes.end(), '\n')) + 1);
    VERIFICA(arquivo.salvarComo(saida) && le(saida) == bytes);
    const std::vector<LinhaChave> chavesPadrao = linhasChave(arquivo);

    confereNavegacao(arquivo);
    int passos = 0;
    std::memcpy(&passos, bytes.data(), std::min(sizeof passos, bytes.size()));
    arquivo.posRelativa(passos);
    VERIFICA(arquivo.posAbsoluta() >= 0 &&
             arquivo.posAbsoluta() < static_cast<int>(arquivo.totLinhas()));
    confereConsultasEEdicoes(arquivo);

    // Other characters, taken from the input, read the same lines differently.
    if (!bytes.empty()) {
        arquivo.defSeparador(bytes.front());
        arquivo.defComentario(bytes.back());
        VERIFICA(arquivo.retornaSeparador() != arquivo.retornaComentario());
    }
    confereNavegacao(arquivo);
    confereConsultasEEdicoes(arquivo);
    VERIFICA(arquivo.salvar());
    const std::vector<std::string> gravadas = linhasDe(arquivo);
    VERIFICA(arquivo.abrir(saida) && linhasDe(arquivo) == gravadas);

    confereLoaders(chavesPadrao);
    return 0;
}
