// DisplayText: one-shot text drawing with its own font.
#include "engine/media/DisplayText.h"

#include <SDL_ttf.h>

#include <cstdio>
#include <cstdlib>

#include "engine/media/CTexto.h"

namespace {

const char* const FONTE = "arialbd.ttf";
const int SAIDA_SEM_FONTE = -1;

TTF_Font* abreFonte(int tamanho)
{
    TTF_Font* fonte = TTF_OpenFont(FONTE, tamanho);
    if (fonte == nullptr) {
        fprintf(stderr, "Erro ao carregar fonte:\t%s", SDL_GetError());
        exit(SAIDA_SEM_FONTE);
    }
    return fonte;
}

// Blits the rendering (if any) at (x, y), then frees it and the font.
void blitaELibera(SDL_Surface* desenho, TTF_Font* fonte, SDL_Surface* alvo, int x, int y)
{
    if (desenho != nullptr) {
        SDL_Rect posicao = {static_cast<Sint16>(x), static_cast<Sint16>(y), 0, 0};
        SDL_BlitSurface(desenho, nullptr, alvo, &posicao);
        SDL_FreeSurface(desenho);
    }
    TTF_CloseFont(fonte);
}

}  // namespace

void DisplayText(SDL_Surface* alvo, const std::string& texto, int x, int y, int tamanho,
                 int r, int g, int b)
{
    TTF_Font* fonte = abreFonte(tamanho);
    SDL_Surface* desenho = TTF_RenderText_Solid(fonte, texto.c_str(), CTexto::cor(r, g, b));
    blitaELibera(desenho, fonte, alvo, x, y);
}

void DisplayText(SDL_Surface* alvo, const std::string& texto, int x, int y, int tamanho,
                 int r, int g, int b, int fundoR, int fundoG, int fundoB)
{
    TTF_Font* fonte = abreFonte(tamanho);
    SDL_Surface* desenho = TTF_RenderText_Shaded(fonte, texto.c_str(), CTexto::cor(r, g, b),
                                                 CTexto::cor(fundoR, fundoG, fundoB));
    blitaELibera(desenho, fonte, alvo, x, y);
}
