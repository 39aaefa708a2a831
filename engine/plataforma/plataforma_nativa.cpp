// plataforma, native side: every call goes straight to SDL, SDL_ttf and the plain loop.
#include "engine/plataforma/plataforma.h"

#include "engine/core/CProjeto.h"

namespace plataforma {

Uint32 corPreta(SDL_Surface*)
{
    return 0;
}

SDL_Surface* formatoTela(SDL_Surface* origem)
{
    return SDL_DisplayFormat(origem);
}

int defineChave(SDL_Surface* superficie, Uint32 flags, Uint32 chave)
{
    return SDL_SetColorKey(superficie, flags, chave);
}

TTF_Font* abreFonte(const char* arquivo, int tamanho)
{
    return TTF_OpenFont(arquivo, tamanho);
}

SDL_Surface* desenhaTexto(TTF_Font* fonte, const char* texto, SDL_Color cor)
{
    return TTF_RenderText_Solid(fonte, texto, cor);
}

void fechaFonte(TTF_Font* fonte)
{
    TTF_CloseFont(fonte);
}

int teclaSDL12(int codigo)
{
    return codigo;
}

void rodaLaco(CProjeto& projeto)
{
    while (projeto.retornaExecutando())
        projeto.executaQuadro();
    projeto.finalizacao();
}

}  // namespace plataforma
