// plataforma, native side: every call goes straight to SDL, SDL_mixer, SDL_ttf and the
// plain loop.
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

SDL_Surface* compostaSobreCor(SDL_Surface* figura, SDL_Surface* tela, Uint32 cor)
{
    const SDL_PixelFormat* f = tela->format;
    SDL_Surface* composta = SDL_CreateRGBSurface(SDL_SWSURFACE, figura->w, figura->h,
                                                 f->BitsPerPixel, f->Rmask, f->Gmask, f->Bmask,
                                                 f->Amask);
    if (composta == nullptr)
        return nullptr;
    if (f->palette != nullptr)
        SDL_SetColors(composta, f->palette->colors, 0, f->palette->ncolors);
    SDL_FillRect(composta, nullptr, cor);
    SDL_BlitSurface(figura, nullptr, composta, nullptr);
    return composta;
}

int defineChave(SDL_Surface* superficie, Uint32 flags, Uint32 chave)
{
    return SDL_SetColorKey(superficie, flags, chave);
}

SDL_RWops* fluxoArquivo(std::FILE* arquivo)
{
    return SDL_RWFromFP(arquivo, 1);
}

SDL_Surface* leBmp(SDL_RWops* fluxo, const std::string&)
{
    return SDL_LoadBMP_RW(fluxo, 1);
}

Mix_Chunk* leSom(SDL_RWops* fluxo, const std::string&)
{
    return Mix_LoadWAV_RW(fluxo, 1);
}

Mix_Music* leMusica(SDL_RWops* fluxo, const std::string&, Mix_MusicType tipo)
{
    return Mix_LoadMUSType_RW(fluxo, tipo, 1);
}

TTF_Font* abreFonte(SDL_RWops* fluxo, const std::string&, int tamanho)
{
    return TTF_OpenFontRW(fluxo, 1, tamanho);
}

SDL_Surface* desenhaTexto(TTF_Font* fonte, const char* texto, SDL_Color cor)
{
    return TTF_RenderText_Solid(fonte, texto, cor);
}

SDL_Surface* desenhoNoFormato(SDL_Surface* desenho, SDL_PixelFormat* formato)
{
    SDL_Surface* convertido = SDL_ConvertSurface(desenho, formato, SDL_SWSURFACE);
    if (convertido != nullptr)
        SDL_SetColorKey(convertido, SDL_SRCCOLORKEY | SDL_RLEACCEL, convertido->format->colorkey);
    return convertido;
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
