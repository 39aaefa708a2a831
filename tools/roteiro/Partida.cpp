// Partida: frames, keys and waits on the game's own project.
#include "tools/roteiro/Partida.h"

#include <cstdio>
#include <cstdlib>

namespace {

// Pictures without a window and without a sound card, the same on every machine. The project
// opens its sound device as it is built, so this runs before it (nome is initialised first,
// projeto last).
const char* comDriversFalsos(const char* nome)
{
    setenv("SDL_VIDEODRIVER", "dummy", 0);
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    return nome;
}

}  // namespace

Partida::Partida(Uint32 passoMs, const char* nome) : nome(comDriversFalsos(nome))
{
    ticks.passo = passoMs;
    projeto.retornaRelogio()->defFonteTicks(roteiro::Ticks::le, &ticks);
    projeto.retornaRelogio()->inicializa();
}

bool Partida::inicia()
{
    return projeto.init();
}

void Partida::entra(int modulo)
{
    projeto.defProxModulo(modulo);
    projeto.carregaModuloMem();
}

void Partida::quadros(int n)
{
    for (int i = 0; i < n; ++i)
        projeto.executaQuadro();
}

void Partida::aperta(std::initializer_list<SDLKey> teclas)
{
    for (SDLKey k : teclas)
        roteiro::empurraTecla(k, true);
    quadros(1);
    for (SDLKey k : teclas)
        roteiro::empurraTecla(k, false);
}

void Partida::toca(SDLKey tecla)
{
    roteiro::empurraTecla(tecla, true);
    roteiro::empurraTecla(tecla, false);
    quadros(1);
}

void Partida::clica(Uint16 x, Uint16 y)
{
    roteiro::empurraPonteiro(SDL_MOUSEMOTION, x, y);
    roteiro::empurraPonteiro(SDL_MOUSEBUTTONDOWN, x, y);
    roteiro::empurraPonteiro(SDL_MOUSEBUTTONUP, x, y);
    quadros(1);
}

bool Partida::ate(const std::string& modulo)
{
    for (int i = 0; i < roteiro::QUADROS_MAXIMOS && ativo() != modulo; ++i)
        quadros(1);
    if (ativo() == modulo)
        return true;
    std::fprintf(stderr, "%s: %s never came (still %s)\n", nome, modulo.c_str(),
                 ativo().c_str());
    return false;
}

void Partida::congela()
{
    projeto.retornaRelogio()->ajustaIntervalos(0, 0);
    projeto.executaQuadro();
}

void Partida::relogioReal()
{
    CRelogio* relogio = projeto.retornaRelogio();
    relogio->defFonteTicks(nullptr, nullptr);
    relogio->ajustaIntervalos(CRelogio::INTERVALO_MIN_PADRAO, CRelogio::INTERVALO_MAX_PADRAO);
    relogio->reset();
}

std::string Partida::ativo() const
{
    return projeto.retornaModulo() != nullptr ? projeto.retornaModulo()->retornaNomeClasse() : "";
}
