// CVideo: SDL's video subsystem, the video mode and the window title.
#include "engine/media/CVideo.h"

#include <cstdio>
#include <cstdlib>

bool CVideo::sbInstanciada = false;

namespace {

// Depths SDL can lay a screen out in; 0 asks for the display's own. Anything else (a typo
// in a settings file, say) would make some video drivers write past the screen's memory.
bool profundidadeValida(Uint8 bpp)
{
    return bpp == 0 || bpp == 8 || bpp == 15 || bpp == 16 || bpp == 24 || bpp == 32;
}

}  // namespace

CVideo::CVideo()
{
    if (sbInstanciada) {
        // Two services would fight over the one screen surface SDL has.
        SDL_Quit();
        std::exit(0);
    }
    nomeClasse = "CVideo";
    tela = nullptr;
    sbInstanciada = true;
    telaCheia = false;
    altura = 0;
    largura = 0;
    bpp = 0;
    flags = 0;
}

CVideo::~CVideo()
{
    sbInstanciada = false;
    std::fputs("Sistema de vídeo encerrado... \n", stdout);
    SDL_Quit();
}

bool CVideo::inicializa(Uint16 largura, Uint16 altura, bool telaCheia, Uint8 bpp,
                        const std::string& titulo)
{
    this->largura = largura;
    this->altura = altura;
    this->titulo = titulo;
    this->telaCheia = telaCheia;
    this->bpp = bpp;
    if (!abreModo(telaCheia ? SDL_FULLSCREEN : 0))
        return false;
    SDL_WM_SetCaption(this->titulo.c_str(), nullptr);
    return true;
}

bool CVideo::abreModo(Uint32 flagsModo)
{
    if (SDL_Init(SDL_INIT_VIDEO) < 0) {
        std::fprintf(stderr, "Erro ao inicializar video: \t %s \n", SDL_GetError());
        return false;
    }
    std::fputs("SubSistema de video inicializado corretamente...\n", stdout);
    flags = flagsModo;
    if (profundidadeValida(bpp)) {
        tela = SDL_SetVideoMode(largura, altura, bpp, flags);
    } else {
        SDL_SetError("Unsupported video depth %d", bpp);
        tela = nullptr;
    }
    if (tela == nullptr) {
        std::fprintf(stderr, "Erro ao inicializar video: \t %s \n", SDL_GetError());
        return false;
    }
    std::fputs("Video inicializado corretamente...\n", stdout);
    return true;
}

void CVideo::tituloJanela(const std::string& titulo)
{
    this->titulo = titulo;
    SDL_WM_SetCaption(this->titulo.c_str(), nullptr);
}
