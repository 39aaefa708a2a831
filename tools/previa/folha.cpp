// Folha: sheets of screens for docs/.
#include "folha.h"

#include "engine/media/CVideo.h"
#include "png.h"

Folha::Folha(int colunas, int linhas)
    : Folha(colunas, linhas, CVideo::telaAtual()->w, CVideo::telaAtual()->h)
{
}

Folha::Folha(int colunas, int linhas, int largura, int altura)
    : colunas(colunas), largura(largura), altura(altura)
{
    const SDL_PixelFormat* f = CVideo::telaAtual()->format;
    superficie = SDL_CreateRGBSurface(SDL_SWSURFACE, colunas * largura, linhas * altura,
                                      f->BitsPerPixel, f->Rmask, f->Gmask, f->Bmask, 0);
}

Folha::~Folha()
{
    SDL_FreeSurface(superficie);
}

void Folha::copiaTela(int indice)
{
    copia(CVideo::telaAtual(), indice);
}

void Folha::copia(SDL_Surface* origem, int indice)
{
    SDL_Rect destino = {static_cast<Sint16>((indice % colunas) * largura),
                        static_cast<Sint16>((indice / colunas) * altura), 0, 0};
    SDL_BlitSurface(origem, nullptr, superficie, &destino);
}

bool Folha::salva(const std::string& caminho)
{
    return superficie != nullptr && salvaPng(superficie, caminho, ESCALA);
}
