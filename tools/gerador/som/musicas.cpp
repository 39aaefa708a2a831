// Asset generator: renders the three music pieces and writes them as Ogg Vorbis in music/.
// Depends on musicas.h, pecas/pecas.h and saida.h.
#include "tools/gerador/som/musicas.h"

#include <cstdio>
#include <vector>

#include "tools/gerador/som/pecas/pecas.h"
#include "tools/gerador/som/saida.h"

namespace {

constexpr int ESTEREO = 2;
// About 60 kbit/s at 22050 Hz stereo: the pulse waves keep their highs clean, and the
// three pieces stay near 1.3 MB together.
constexpr float QUALIDADE_VORBIS = 0.4f;

struct Musica {
    const char* arquivo;
    Peca (*peca)();
};

// The file names are the ones the game loads.
const Musica MUSICAS[] = {
    {"nintendo.ogg", pecaMenu},
    {"CHO7-31ko.ogg", pecaJogo},
    {"3VIL-42ko.ogg", pecaCreditos},
};

}  // namespace

bool geraMusicas(const std::string& raiz)
{
    bool ok = true;
    for (const Musica& m : MUSICAS) {
        const Peca peca = m.peca();
        std::vector<float> amostras;
        std::string erro;
        if (!tocaPeca(peca, amostras, erro) ||
            !gravaOgg(raiz + "/music/" + m.arquivo, amostras, ESTEREO, TAXA_AMOSTRAGEM,
                      QUALIDADE_VORBIS, peca.titulo, erro)) {
            std::fprintf(stderr, "musicas: %s: %s\n", m.arquivo, erro.c_str());
            ok = false;
        }
    }
    return ok;
}
