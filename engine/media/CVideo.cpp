// CVideo: SDL's video subsystem, the video mode, its scale and the window title.
#include "engine/media/CVideo.h"

#include <cstdio>
#include <cstdlib>

#include "engine/media/ampliacao.h"
#include "engine/plataforma/plataforma.h"

bool CVideo::sbInstanciada = false;
CVideo* CVideo::instancia = nullptr;

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
bool tamanhoValido(Uint64 largura, Uint64 altura, Uint8 bpp)
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
    instancia = this;
    telaCheia = false;
    altura = 0;
    largura = 0;
    bpp = 0;
    flags = 0;
    janela = nullptr;
    escala = 1;
    escalaPedida = 0;
    larguraDesktop = 0;
    alturaDesktop = 0;
    escalavel = false;
}

CVideo::~CVideo()
{
    liberaTela();
    sbInstanciada = false;
    instancia = nullptr;
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
    // Once a mode is open SDL reports its size, no longer the desktop's.
    if (SDL_GetVideoSurface() == nullptr)
        escalavel = plataforma::janelaEscalavel(larguraDesktop, alturaDesktop);
    liberaTela();
    // Full screen keeps the display's own mode size, whatever was asked.
    const Uint8 pedida = !escalavel ? 1
                         : escalaPedida != 0 && !telaCheia
                             ? escalaPedida
                             : escalaPadrao(larguraDesktop, alturaDesktop, largura, altura,
                                            telaCheia);
    if (!profundidadeValida(bpp))
        SDL_SetError("Unsupported video depth %d", bpp);
    else if (!tamanhoValido(largura, altura, bpp))
        SDL_SetError("Video mode %dx%d too large", largura, altura);
    else if (pedida == 1 || !tamanhoValido(Uint64(largura) * pedida,
                                           Uint64(altura) * pedida, bpp) || !abreJanela(pedida))
        abreJanela(1);
    if (tela == nullptr) {
        std::fprintf(stderr, "Erro ao inicializar video: \t %s \n", SDL_GetError());
        return false;
    }
    std::fputs("Video inicializado corretamente...\n", stdout);
    return true;
}

bool CVideo::abreJanela(Uint8 escala)
{
    janela = SDL_SetVideoMode(largura * escala, altura * escala, bpp, flags);
    if (janela == nullptr || escala == 1) {
        tela = janela;
        return janela != nullptr;
    }
    const SDL_PixelFormat* f = janela->format;
    tela = SDL_CreateRGBSurface(SDL_SWSURFACE, largura, altura, f->BitsPerPixel, f->Rmask,
                                f->Gmask, f->Bmask, f->Amask);
    if (tela == nullptr)
        return false;
    // Palette indices are copied as they are: the game surface must mean by them what the
    // window does.
    if (f->palette != nullptr)
        SDL_SetColors(tela, f->palette->colors, 0, f->palette->ncolors);
    this->escala = escala;
    return true;
}

void CVideo::liberaTela()
{
    if (tela != janela)
        SDL_FreeSurface(tela);
    tela = nullptr;
    janela = nullptr;
    escala = 1;
}

void CVideo::defEscala(Uint8 escala)
{
    escalaPedida = escala <= ESCALA_MAXIMA ? escala : 0;
}

void CVideo::apresenta()
{
    if (tela == nullptr)
        return;
    if (tela != janela)
        amplia(tela, janela, escala);
    SDL_Flip(janela);
}

SDL_Surface* CVideo::telaAtual()
{
    SDL_Surface* sdl = SDL_GetVideoSurface();
    if (instancia != nullptr && instancia->janela != nullptr && instancia->janela == sdl)
        return instancia->tela;
    return sdl;
}

void CVideo::tituloJanela(const std::string& titulo)
{
    this->titulo = titulo;
    SDL_WM_SetCaption(this->titulo.c_str(), nullptr);
}
