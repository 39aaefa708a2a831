// CEvento: SDL keyboard events into logical key states.
#include "engine/core/CEvento.h"

#include <SDL.h>

namespace {

// Default bindings: (logical number, SDL key), in this order.
const struct {
    unsigned char codInt;
    int codSDL;
} TECLAS_PADRAO[] = {
    {0, SDLK_UP}, {1, SDLK_DOWN}, {3, SDLK_LEFT}, {2, SDLK_RIGHT}, {4, SDLK_LCTRL}, {5, SDLK_ESCAPE},
};

}  // namespace

CEvento::CEvento()
{
    nomeClasse = "CEvento";
}

CEvento::~CEvento()
{
    teclas.clear();
}

bool CEvento::adicionaTecla(unsigned char codInt, int codSDL)
{
    if (teclas.size() >= MAX_TECLAS)
        return false;
    teclas.push_back(CTecla(codInt, codSDL));
    return true;
}

void CEvento::carregaConfigTeclasPadrao()
{
    teclas.clear();
    for (const auto& padrao : TECLAS_PADRAO)
        adicionaTecla(padrao.codInt, padrao.codSDL);
}

bool CEvento::verificaConfigTeclas() const
{
    return !teclas.empty();
}

void CEvento::descarregaFila()
{
    for (CTecla& tecla : teclas) {
        tecla.desceu = false;
        tecla.subiu = false;
    }
    SDL_Event ev;
    while (SDL_PollEvent(&ev)) {
        if (ev.type != SDL_KEYDOWN && ev.type != SDL_KEYUP)
            continue;  // the window's close button and the rest do nothing here
        const bool baixou = ev.type == SDL_KEYDOWN;
        for (CTecla& tecla : teclas) {
            if (tecla.codigoSDL != ev.key.keysym.sym)
                continue;
            tecla.subiu = !baixou && tecla.ativado;
            tecla.ativado = baixou;
            tecla.desceu = tecla.ativado;
        }
    }
}

bool CEvento::consulta(unsigned char codInt, bool CTecla::*estado) const
{
    for (const CTecla& tecla : teclas) {
        if (tecla.codigoInt == codInt && tecla.*estado)
            return true;
    }
    return false;
}

bool CEvento::desceu(unsigned char codInt) const
{
    return consulta(codInt, &CTecla::desceu);
}

bool CEvento::subiu(unsigned char codInt) const
{
    return consulta(codInt, &CTecla::subiu);
}

bool CEvento::ativado(unsigned char codInt) const
{
    return consulta(codInt, &CTecla::ativado);
}

bool CEvento::possuiTecla(unsigned char codInt) const
{
    for (const CTecla& tecla : teclas) {
        if (tecla.codigoInt == codInt)
            return true;
    }
    return false;
}

void CEvento::zera()
{
    for (CTecla& tecla : teclas) {
        tecla.ativado = false;
        tecla.desceu = false;
        tecla.subiu = false;
    }
}
