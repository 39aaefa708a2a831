// ajustes: the optional settings files and the game's own mode and bindings.
#include "game/ajustes.h"

#include <sys/stat.h>

#include <cstdio>
#include <cstdlib>

#include "engine/core/CEvento.h"
#include "engine/files/CArquivoChave.h"
#include "engine/media/CVideo.h"
#include "game/Corvela.h"

const char* const ARQUIVO_TECLAS = "teclas.cfg";
const char* const ARQUIVO_VIDEO = "video.cfg";

namespace {

const char* const TITULO_INICIAL = "CZorvo Application";

bool existe(const std::string& arquivo)
{
    struct stat info;
    return stat(arquivo.c_str(), &info) == 0;
}

// Read as the loader reads it: atoi of the trimmed value, cut to the field's 16 bits.
Uint16 dimensao(CArquivoChave& configuracao, const std::string& chave)
{
    return static_cast<Uint16>(std::atoi(configuracao.valor(chave).c_str()));
}

bool abreVideoPadrao(CVideo& video)
{
    return video.inicializa(Corvela::LARGURA_TELA, Corvela::ALTURA_TELA, false,
                            Corvela::BPP_TELA, TITULO_INICIAL);
}

}  // namespace

bool abreVideo(CVideo& video, const std::string& arquivo)
{
    if (!existe(arquivo))
        return abreVideoPadrao(video);
    CArquivoChave configuracao;
    if (!configuracao.abrir(arquivo)) {
        std::fprintf(stderr, "Erro ao carregar %s: usando o modo de vídeo padrão\n",
                     arquivo.c_str());
    } else if (dimensao(configuracao, "video_largura") != Corvela::LARGURA_TELA ||
               dimensao(configuracao, "video_altura") != Corvela::ALTURA_TELA) {
        // Checked before opening the mode, so no window of the wrong size flashes up.
        std::fprintf(stderr, "Erro ao carregar %s: o jogo precisa de %ux%u, usando o modo de "
                     "vídeo padrão\n", arquivo.c_str(),
                     unsigned(Corvela::LARGURA_TELA), unsigned(Corvela::ALTURA_TELA));
    } else if (!video.inicializa(configuracao)) {
        std::fprintf(stderr, "Erro ao carregar %s: usando o modo de vídeo padrão\n",
                     arquivo.c_str());
    } else {
        return true;
    }
    return abreVideoPadrao(video);
}

void ligaTeclasPadrao(CEvento& evento)
{
    evento.carregaConfigTeclasPadrao();
    evento.adicionaTecla(4, SDLK_LALT);
    evento.adicionaTecla(6, SDLK_BACKSPACE);
    evento.adicionaTecla(7, SDLK_RETURN);
}

void ligaTeclas(CEvento& evento, const std::string& arquivo)
{
    if (!existe(arquivo)) {
        ligaTeclasPadrao(evento);
        return;
    }
    if (!evento.carregaConfigTeclas(arquivo)) {
        std::fprintf(stderr, "Erro ao carregar %s: usando as teclas padrão\n", arquivo.c_str());
        ligaTeclasPadrao(evento);
        return;
    }
    for (unsigned char tecla = 0; tecla <= TECLA_ESSENCIAL_MAX; ++tecla) {
        if (!evento.possuiTecla(tecla)) {
            std::fprintf(stderr, "Erro ao carregar %s: a tecla %u ficou sem uso, usando as "
                         "teclas padrão\n", arquivo.c_str(), unsigned(tecla));
            ligaTeclasPadrao(evento);
            return;
        }
    }
}
