// plataforma, native side: every call goes straight to SDL, SDL_mixer, SDL_ttf and the
// plain loop; the frame clock's counter and sleep are the monotonic clock's where the system
// sleeps on it (POSIX clock_nanosleep), SDL's elsewhere.
#include "engine/plataforma/plataforma.h"

#include <time.h>

#include "engine/core/CProjeto.h"

#if defined(CLOCK_MONOTONIC) && defined(TIMER_ABSTIME)
#define CORVELA_SONO_ABSOLUTO 1
#endif

namespace plataforma {

#ifdef CORVELA_SONO_ABSOLUTO
namespace {

const long long NS_POR_MS = 1000000;
const long long NS_POR_S = 1000000000;

long long nsMonotonico()
{
    timespec agora;
    clock_gettime(CLOCK_MONOTONIC, &agora);
    return agora.tv_sec * NS_POR_S + agora.tv_nsec;
}

// The monotonic moment at which ticks() read 0: its first call.
long long origemTicks()
{
    static const long long origem = nsMonotonico();
    return origem;
}

}  // namespace

Uint32 ticks()
{
    const long long origem = origemTicks();
    return static_cast<Uint32>((nsMonotonico() - origem) / NS_POR_MS);
}

void dormeAte(Uint32 alvo)
{
    const long long origem = origemTicks();
    const long long ms = (nsMonotonico() - origem) / NS_POR_MS;
    // Measured from the current reading, so an alvo past the counter's wrap is still ahead.
    const Sint32 falta = static_cast<Sint32>(alvo - static_cast<Uint32>(ms));
    if (falta <= 0)
        return;
    const long long fim = origem + (ms + falta) * NS_POR_MS;
    timespec ate;
    ate.tv_sec = static_cast<time_t>(fim / NS_POR_S);
    ate.tv_nsec = static_cast<long>(fim % NS_POR_S);
    // Cut short by a signal (EINTR): the clock reads the counter and sleeps again if need be.
    // A stop and continue (SIGSTOP, Ctrl+Z) restarts the sleep to the same moment.
    clock_nanosleep(CLOCK_MONOTONIC, TIMER_ABSTIME, &ate, nullptr);
}
#else
Uint32 ticks()
{
    return SDL_GetTicks();
}

void dormeAte(Uint32 alvo)
{
    const Sint32 falta = static_cast<Sint32>(alvo - SDL_GetTicks());
    if (falta > 0)
        SDL_Delay(static_cast<Uint32>(falta));
}
#endif

Uint32 corPreta(SDL_Surface*)
{
    return 0;
}

bool janelaEscalavel(unsigned& largura, unsigned& altura)
{
    const SDL_VideoInfo* info = SDL_GetVideoInfo();
    largura = info != nullptr && info->current_w > 0 ? unsigned(info->current_w) : 0;
    altura = info != nullptr && info->current_h > 0 ? unsigned(info->current_h) : 0;
    return true;
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

bool dadosProntos()
{
    return true;
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
