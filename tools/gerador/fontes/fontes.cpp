// Asset generator: the fonts. fonts/coure.fon is built here from the public-domain misc-fixed
// 8x13 bold face (Debian's xfonts-base); fonts/Sans Bold.ttf is DejaVu Sans Bold (Debian's
// fonts-dejavu-core), copied with its licence, and copied once more with it as arialbd.ttf
// into the game's working directory (the data directory's parent), where the engine's
// DisplayText looks for its font. Depends on glifos.h (FreeType) and fon.h.
#include "tools/gerador/fontes/fontes.h"

#include <cstdio>
#include <filesystem>
#include <initializer_list>
#include <vector>

#include "tools/gerador/fontes/fon.h"
#include "tools/gerador/fontes/glifos.h"

namespace {

struct Origem {
    const char* caminho;
    const char* pacote;
};

// Bold reads better than the regular weight on the handheld's small screen.
const Origem FACE_FIXA = {"/usr/share/fonts/X11/misc/8x13B.pcf.gz", "xfonts-base"};
const Origem SANS = {"/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf",
                     "fonts-dejavu-core"};
const Origem LICENCA_SANS = {"/usr/share/doc/fonts-dejavu-core/copyright",
                             "fonts-dejavu-core"};

const char NOME_FACE[] = "Coure";
const char DIREITOS[] = "Public domain: misc-fixed 8x13B (xfonts-base)";
const char DESCRICAO[] = "FONTRES 100,72,72 : Coure 8";
const unsigned char PRIMEIRO_CODIGO = 0x20;
const unsigned char CODIGO_AUSENTE = 0x7F;  // DEL has no glyph of its own: it shows the box

const char README[] =
    "Corvela's fonts\n"
    "\n"
    "coure.fon       Windows raster font, face \"Coure\": fixed pitch, 8x13 cell, codes\n"
    "                0x20-0xFF in Windows-1252 order (ISO 8859-1 from 0xA0 up).\n"
    "                Made by corvela-dados (tools/gerador) from the public-domain\n"
    "                misc-fixed 8x13B face of Debian's xfonts-base package\n"
    "                (\"Public domain font.  Share and enjoy.\"). Public domain.\n"
    "Sans Bold.ttf   DejaVu Sans Bold, copied unchanged from Debian's fonts-dejavu-core\n"
    "                package. Licence: LICENSE-DejaVu.txt. The same file, under the\n"
    "                name arialbd.ttf and with the same licence beside it, is in the\n"
    "                directory that holds data/ (the engine's DisplayText reads it there).\n"
    "\n"
    "Do not edit these files: run corvela-dados <data directory> fontes.\n";

bool le(const std::string& caminho, std::vector<unsigned char>& dados)
{
    std::FILE* arquivo = std::fopen(caminho.c_str(), "rb");
    if (arquivo == nullptr)
        return false;
    dados.clear();
    unsigned char bloco[4096];
    std::size_t lidos;
    while ((lidos = std::fread(bloco, 1, sizeof bloco, arquivo)) > 0)
        dados.insert(dados.end(), bloco, bloco + lidos);
    const bool ok = std::ferror(arquivo) == 0;
    std::fclose(arquivo);
    return ok;
}

bool escreve(const std::string& caminho, const unsigned char* dados, std::size_t tamanho)
{
    std::FILE* arquivo = std::fopen(caminho.c_str(), "wb");
    bool ok = arquivo != nullptr && std::fwrite(dados, 1, tamanho, arquivo) == tamanho;
    if (arquivo != nullptr)
        ok = std::fclose(arquivo) == 0 && ok;
    if (!ok)
        std::fprintf(stderr, "fontes: incapaz de escrever %s\n", caminho.c_str());
    return ok;
}

bool existe(const Origem& origem)
{
    std::FILE* arquivo = std::fopen(origem.caminho, "rb");
    if (arquivo == nullptr) {
        std::fprintf(stderr, "fontes: falta %s; instale o pacote Debian %s\n", origem.caminho,
                     origem.pacote);
        return false;
    }
    std::fclose(arquivo);
    return true;
}

bool copia(const Origem& origem, const std::string& destino)
{
    std::vector<unsigned char> dados;
    if (!le(origem.caminho, dados)) {
        std::fprintf(stderr, "fontes: incapaz de ler %s\n", origem.caminho);
        return false;
    }
    return escreve(destino, dados.data(), dados.size());
}

bool geraCoure(const std::string& destino)
{
    FonteCelulas fonte;
    fonte.nome = NOME_FACE;
    fonte.direitos = DIREITOS;
    fonte.descricao = DESCRICAO;
    fonte.primeiro = PRIMEIRO_CODIGO;
    fonte.padrao = CODIGO_AUSENTE;
    std::string erro;
    if (!leCelulas(FACE_FIXA.caminho, fonte, erro)) {
        std::fprintf(stderr, "fontes: %s\n", erro.c_str());
        return false;
    }
    const std::vector<unsigned char> fon = montaFon(fonte);
    if (fon.empty()) {
        std::fprintf(stderr, "fontes: %s não cabe numa fonte .fon\n", FACE_FIXA.caminho);
        return false;
    }
    return escreve(destino, fon.data(), fon.size());
}

// The directory the game runs from: the parent of the data directory, however it is written
// ("data", "data/", "/x/data", ".").
std::string diretorioDoJogo(const std::string& raiz)
{
    std::filesystem::path dados = std::filesystem::absolute(raiz).lexically_normal();
    if (!dados.has_filename())
        dados = dados.parent_path();
    return dados.parent_path().string();
}

}  // namespace

bool geraFontes(const std::string& raiz)
{
    // Every source is checked first so that a missing package leaves nothing half-written.
    bool fontesPresentes = true;
    for (const Origem& origem : {FACE_FIXA, SANS, LICENCA_SANS})
        fontesPresentes = existe(origem) && fontesPresentes;
    if (!fontesPresentes)
        return false;
    const std::string pasta = raiz + "/fonts/";
    const std::string jogo = diretorioDoJogo(raiz) + "/";
    return geraCoure(pasta + "coure.fon") && copia(SANS, pasta + "Sans Bold.ttf") &&
           copia(LICENCA_SANS, pasta + "LICENSE-DejaVu.txt") &&
           escreve(pasta + "README.txt", reinterpret_cast<const unsigned char*>(README),
                   sizeof README - 1) &&
           copia(SANS, jogo + "arialbd.ttf") && copia(LICENCA_SANS, jogo + "LICENSE-DejaVu.txt");
}
