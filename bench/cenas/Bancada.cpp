// Bancada: a project on a scripted clock, driven frame by frame.
#include "cenas/Bancada.h"

#include <cstdlib>

#include "Apoio.h"

namespace {

const Uint32 QUADRO_MS = 33;

}  // namespace

Bancada::Bancada() : agora(0), iniciada(false)
{
    setenv("SDL_VIDEODRIVER", "dummy", 0);
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    projeto.reset(new Corvela);
    projeto->retornaRelogio()->defFonteTicks(leTicks, this);
    projeto->retornaRelogio()->inicializa();
    iniciada = projeto->init();
}

Uint32 Bancada::leTicks(void* contexto)
{
    Bancada* b = static_cast<Bancada*>(contexto);
    b->agora += QUADRO_MS;
    return b->agora;
}

void Bancada::entra(int modulo)
{
    projeto->defProxModulo(modulo);
    projeto->carregaModuloMem();
}

void Bancada::quadros(unsigned n)
{
    for (unsigned i = 0; i < n; ++i)
        projeto->executaQuadro();
}

void Bancada::toca(SDLKey tecla)
{
    apoio::empurraTecla(tecla, true);
    projeto->executaQuadro();
    apoio::empurraTecla(tecla, false);
    projeto->executaQuadro();
}

void Bancada::congela()
{
    projeto->retornaRelogio()->ajustaIntervalos(0, 0);
    projeto->executaQuadro();
}

void Bancada::relogioReal()
{
    CRelogio* relogio = projeto->retornaRelogio();
    relogio->defFonteTicks(nullptr, nullptr);
    relogio->ajustaIntervalos(CRelogio::INTERVALO_MIN_PADRAO, CRelogio::INTERVALO_MAX_PADRAO);
    relogio->reset();
}
