// Partida: frames, keys and waits on the game's own project.
#include "tools/roteiro/Partida.h"

#include <cstdio>
#include <cstdlib>

#include "tools/roteiro/roteiro.h"

namespace {

// Pictures without a window and without a sound card, the same on every machine. The project
// opens its sound device as it is built, so this runs before it (ferramenta is initialised
// first, jogo last).
const char* comDriversFalsos(const char* ferramenta)
{
    setenv("SDL_VIDEODRIVER", "dummy", 1);
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    return ferramenta;
}

}  // namespace

Partida::Partida(const char* ferramenta)
    : ferramenta(comDriversFalsos(ferramenta)), agora(0)
{
    jogo.retornaRelogio()->defFonteTicks(roteiro::relogio, &agora);
    jogo.retornaRelogio()->inicializa();
}

bool Partida::inicia()
{
    if (!jogo.init())
        return false;
    jogo.defProxModulo(Corvela::APRESENTACAO);
    jogo.carregaModuloMem();
    return true;
}

void Partida::quadros(int n)
{
    for (int i = 0; i < n; ++i)
        jogo.executaQuadro();
}

void Partida::aperta(SDLKey tecla)
{
    roteiro::empurraTecla(tecla, true);
    quadros(1);
    roteiro::empurraTecla(tecla, false);
}

void Partida::toca(SDLKey tecla)
{
    roteiro::empurraTecla(tecla, true);
    roteiro::empurraTecla(tecla, false);
    quadros(1);
}

bool Partida::ate(const std::string& modulo)
{
    for (int i = 0; i < roteiro::QUADROS_MAXIMOS && ativo() != modulo; ++i)
        quadros(1);
    if (ativo() == modulo)
        return true;
    std::fprintf(stderr, "%s: %s never came (still %s)\n", ferramenta, modulo.c_str(),
                 ativo().c_str());
    return false;
}

std::string Partida::ativo() const
{
    return jogo.retornaModulo() != nullptr ? jogo.retornaModulo()->retornaNomeClasse() : "";
}
