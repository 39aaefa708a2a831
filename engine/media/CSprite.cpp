// CSprite: BMP loading, colour key and blitting of one picture.
#include "engine/media/CSprite.h"

#include <cstdio>

#include "engine/media/CVideo.h"
#include "engine/media/abreMidia.h"
#include "engine/media/cabecalhos.h"
#include "engine/plataforma/plataforma.h"

namespace {

const Uint8 MASCARA_COMPONENTE = 0xFF;

}  // namespace

CSprite::CSprite() : superficie(nullptr), visivel(true), destino(), x(0), y(0)
{
    nomeClasse = "CSprite";
}

CSprite::~CSprite()
{
    limpaSuperficie();
}

bool CSprite::carregaImagem(const std::string& arquivo)
{
    limpaSuperficie();
    this->arquivo = arquivo;

    SDL_Surface* carregada = leImagem(arquivo);
    if (carregada == nullptr) {
        fprintf(stderr, "Erro ao carregar a imagem %s\t %s\n", arquivo.c_str(), SDL_GetError());
        this->arquivo.clear();
        return false;
    }

    SDL_Surface* convertida =
        CVideo::telaAtual() != nullptr ? plataforma::formatoTela(carregada) : nullptr;
    if (convertida != nullptr) {
        SDL_FreeSurface(carregada);
        superficie = convertida;
    } else {
        // Still drawable, only slower: blits convert on the fly.
        superficie = carregada;
        printf("Não foi possível utilizar DisplayFormat para a imagem %s\n", arquivo.c_str());
    }
    destino.w = static_cast<Uint16>(superficie->w);
    destino.h = static_cast<Uint16>(superficie->h);
    return true;
}

SDL_Surface* CSprite::leImagem(const std::string& arquivo)
{
    SDL_Surface* carregada = nullptr;
    SDL_RWops* fluxo = abreMidia(arquivo);
    if (fluxo != nullptr && confereBmp(fluxo))
        carregada = plataforma::leBmp(fluxo, arquivo);
    else if (fluxo != nullptr)
        SDL_RWclose(fluxo);
    if (carregada != nullptr && (carregada->w <= 0 || carregada->h <= 0)) {
        // A picture without pixels would break every layout that measures it.
        SDL_FreeSurface(carregada);
        carregada = nullptr;
        SDL_SetError("BMP without pixels");
    }
    return carregada;
}

void CSprite::corTransparente(const unsigned& r, const unsigned& g, const unsigned& b)
{
    if (superficie == nullptr) {
        fprintf(stderr, "Impossivel setar cor transparente: %s\t %s\n", arquivo.c_str(),
                SDL_GetError());
        arquivo.clear();
        return;
    }
    const Uint32 chave = SDL_MapRGB(superficie->format, r & MASCARA_COMPONENTE,
                                    g & MASCARA_COMPONENTE, b & MASCARA_COMPONENTE);
    plataforma::defineChave(superficie, SDL_SRCCOLORKEY | SDL_RLEACCEL, chave);
}

bool CSprite::copiaSuperficie(SDL_Surface* origem)
{
    if (origem == nullptr) {
        limpaSuperficie();
        return false;
    }
    // SDL 1.2's SDL_DisplayFormat crashes once video is shut down: no video mode, no copy.
    SDL_Surface* copia =
        CVideo::telaAtual() != nullptr ? plataforma::formatoTela(origem) : nullptr;
    if (copia == nullptr)
        return false;
    limpaSuperficie();
    superficie = copia;
    return true;
}

void CSprite::limpaSuperficie()
{
    if (superficie != nullptr) {
        SDL_FreeSurface(superficie);
        superficie = nullptr;
    }
}

bool CSprite::desenha(const int& x, const int& y)
{
    return visivel && desenha(x, y, telaAtiva());
}

bool CSprite::desenha(const int& x, const int& y, SDL_Surface* alvo)
{
    if (!visivel || alvo == nullptr)
        return false;
    guardaPosicao(x, y);
    // Without a picture SDL refuses the blit and draws nothing; that is not a failure here.
    SDL_BlitSurface(superficie, nullptr, alvo, &destino);
    return true;
}

bool CSprite::desenha(const int& x, const int& y, const int& ox, const int& oy,
                      const int& largura, const int& altura)
{
    return visivel && desenha(x, y, ox, oy, largura, altura, telaAtiva());
}

bool CSprite::desenha(const int& x, const int& y, const int& ox, const int& oy,
                      const int& largura, const int& altura, SDL_Surface* alvo)
{
    if (!visivel || alvo == nullptr)
        return false;
    guardaPosicao(x, y);
    SDL_Rect origem;
    origem.x = static_cast<Sint16>(ox);
    origem.y = static_cast<Sint16>(oy);
    origem.w = static_cast<Uint16>(largura);
    origem.h = static_cast<Uint16>(altura);
    SDL_BlitSurface(superficie, &origem, alvo, &destino);
    return true;
}

bool CSprite::cobre(int largura, int altura) const
{
    return visivel && superficie != nullptr && superficie->w >= largura &&
           superficie->h >= altura && (superficie->flags & (SDL_SRCCOLORKEY | SDL_SRCALPHA)) == 0;
}

SDL_Surface* CSprite::telaAtiva() const
{
    SDL_Surface* tela = CVideo::telaAtual();
    if (tela == nullptr)
        fprintf(stderr, "Não há superfície ativa para blitar imagem %s!\n", arquivo.c_str());
    return tela;
}

void CSprite::guardaPosicao(const int& x, const int& y)
{
    this->x = x;
    this->y = y;
    destino.x = static_cast<Sint16>(x);
    destino.y = static_cast<Sint16>(y);
}
