// CVideo: SDL's video subsystem, the video mode and the window title.
#include "engine/media/CVideo.h"

#include <cstdio>
#include <cstdlib>

bool CVideo::sbInstanciada = false;

namespace {

const unsigned BITS_BYTE = 8;
// SDL 1.2 keeps a surface's row length in 16 bits and its size in an int.
const Uint64 MAIOR_LINHA = 0xFFFF;
const Uint64 MAIOR_SUPERFICIE = 0x7FFFFFFF;
// A depth of 0 takes the display's own, at most this many bytes a pixel.
const unsigned MAIS_BYTES_PIXEL = 4;

// Depths SDL lays a screen out in safely; 0 asks for the display's own. Anything else (a
// typo in a settings file, say) is refused: SDL's dummy driver sizes a screen's memory at
// bpp / 8 bytes a pixel and then writes whole bytes, so 15 (or 17) writes past it, and
// every driver shows a 16-bit screen on a 15-bit display.
bool profundidadeValida(Uint8 bpp)
{
    return bpp == 0 || bpp == 8 || bpp == 16 || bpp == 24 || bpp == 32;
}

// The rows' length must fit SDL's 16-bit pitch and the screen its int size, or the driver
// lays the screen out shorter than it draws it.
bool tamanhoValido(Uint16 largura, Uint16 altura, Uint8 bpp)
{
    const Uint64 bytesPixel = bpp == 0 ? MAIS_BYTES_PIXEL : bpp / BITS_BYTE;
    const Uint64 linha = (largura * bytesPixel + 3) & ~Uint64(3);
    return linha <= MAIOR_LINHA && linha * altura <= MAIOR_SUPERFICIE;
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
    tela = nullptr;
    if (!profundidadeValida(bpp))
        SDL_SetError("Unsupported video depth %d", bpp);
    else if (!tamanhoValido(largura, altura, bpp))
        SDL_SetError("Video mode %dx%d too large", largura, altura);
    else
        tela = SDL_SetVideoMode(largura, altura, bpp, flags);
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
