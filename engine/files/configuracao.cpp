// configuracao: the settings-file entry points of the video and input services, reading the
// video mode and the key bindings from key files. Depends on CVideo, CEvento, CArquivoChave.
#include <cstdlib>

#include "engine/core/CEvento.h"
#include "engine/files/CArquivoChave.h"
#include "engine/media/CVideo.h"
#include "engine/media/ampliacao.h"
#include "engine/plataforma/plataforma.h"

namespace {

// A settings file asks for a double-buffered hardware surface when it goes full screen,
// unlike the explicit overload's SDL_FULLSCREEN alone.
const Uint32 FLAGS_TELA_CHEIA = SDL_FULLSCREEN | SDL_DOUBLEBUF | SDL_HWSURFACE;

// atoi of the (already trimmed) text: sign and digits up to the first other byte, 0 when
// the text does not begin with a number. Callers reduce it to their field's width.
int numero(const std::string& texto)
{
    return std::atoi(texto.c_str());
}

}  // namespace

bool CVideo::inicializa(CArquivoChave configuracao)
{
    if (!configuracao.aberto()) {
        return false;
    }
    largura = static_cast<Uint16>(numero(configuracao.valor("video_largura")));
    altura = static_cast<Uint16>(numero(configuracao.valor("video_altura")));
    bpp = static_cast<Uint8>(numero(configuracao.valor("video_bpp")));
    telaCheia = numero(configuracao.valor("video_telaCheia")) != 0;
    const int escala = numero(configuracao.valor("video_escala"));
    defEscala(escala >= 1 && escala <= ESCALA_MAXIMA ? Uint8(escala) : 0);
    flags = telaCheia ? FLAGS_TELA_CHEIA : 0;
    return abreModo(flags);
}

bool CVideo::inicializa(const std::string& nome)
{
    CArquivoChave configuracao;
    if (!configuracao.abrir(nome)) {
        return false;
    }
    return inicializa(configuracao);
}

bool CEvento::carregaConfigTeclas(CArquivoChave configuracao)
{
    teclas.clear();
    if (!configuracao.aberto()) {
        return false;
    }
    // Bindings past the limit are dropped: the queries could not walk them.
    for (configuracao.primeiraChave(); !configuracao.fda(); configuracao.proximaChave()) {
        if (!adicionaTecla(static_cast<unsigned char>(numero(configuracao.chave())),
                           plataforma::teclaSDL12(numero(configuracao.valor())))) {
            break;
        }
    }
    return verificaConfigTeclas();
}

bool CEvento::carregaConfigTeclas(const std::string& nome)
{
    CArquivoChave configuracao;
    if (!configuracao.abrir(nome)) {
        return false;
    }
    return carregaConfigTeclas(configuracao);
}
