// corvela-dados: writes the game's data/ tree. Every file is made by this program from code
// (and, for the fonts, from faces Debian ships), so the same build always writes the same
// assets. Usage: corvela-dados <data directory> [imagens] [fontes] [musicas] [sons]
// With no part named, every part is written. The fonts part also writes arialbd.ttf and its
// licence into the data directory's parent, the directory the game runs from.
// corvela-dados <folder> icones writes the desktop icons instead, as a hicolor theme folder
// (<folder>/<N>x<N>/apps/corvela.png); they are not part of data/. corvela-dados <folder> pagina
// writes the web page's icons into the folder (icone-192.png, icone-512.png,
// icone-mascaravel.png).
#include <sys/stat.h>

#include <cstdio>
#include <cstring>
#include <string>

#include "tools/gerador/fontes/fontes.h"
#include "tools/gerador/imagens/icone.h"
#include "tools/gerador/imagens/imagens.h"
#include "tools/gerador/som/musicas.h"
#include "tools/gerador/som/sons.h"

namespace {

struct Parte {
    const char* nome;
    const char* subdiretorios[2];
    bool (*gera)(const std::string& raiz);
};

const Parte PARTES[] = {
    {"imagens", {"gfx", "bg"}, geraImagens},
    {"fontes", {"fonts", nullptr}, geraFontes},
    {"musicas", {"music", nullptr}, geraMusicas},
    {"sons", {"sfx", nullptr}, geraSons},
};

bool criaDiretorio(const std::string& caminho)
{
    if (mkdir(caminho.c_str(), 0755) == 0)
        return true;
    struct stat info;
    return stat(caminho.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

bool pedida(const Parte& parte, int argc, char** argv)
{
    if (argc <= 2)
        return true;
    for (int i = 2; i < argc; ++i) {
        if (std::strcmp(argv[i], parte.nome) == 0)
            return true;
    }
    return false;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc < 2) {
        std::fprintf(stderr,
                     "uso: %s <diretorio data> [imagens] [fontes] [musicas] [sons]\n"
                     "     %s <diretorio> icones|pagina\n",
                     argv[0], argv[0]);
        return 2;
    }
    const std::string raiz = argv[1];
    if (!criaDiretorio(raiz)) {
        std::fprintf(stderr, "Incapaz de criar %s\n", raiz.c_str());
        return 1;
    }
    if (argc == 3 && std::strcmp(argv[2], "icones") == 0)
        return geraIcones(raiz) ? 0 : 1;
    if (argc == 3 && std::strcmp(argv[2], "pagina") == 0)
        return geraIconesPagina(raiz) ? 0 : 1;
    int falhas = 0;
    for (const Parte& parte : PARTES) {
        if (!pedida(parte, argc, argv))
            continue;
        bool ok = true;
        for (const char* sub : parte.subdiretorios) {
            if (sub != nullptr && !criaDiretorio(raiz + "/" + sub)) {
                std::fprintf(stderr, "Incapaz de criar %s/%s\n", raiz.c_str(), sub);
                ok = false;
            }
        }
        ok = ok && parte.gera(raiz);
        std::printf("%s: %s\n", parte.nome, ok ? "ok" : "FALHOU");
        if (!ok)
            ++falhas;
    }
    return falhas == 0 ? 0 : 1;
}
