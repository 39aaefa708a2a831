// CProjeto: service ownership and the main loop.
#include "engine/core/CProjeto.h"

#include "engine/core/sinais.h"
#include "engine/plataforma/plataforma.h"

CProjeto::CProjeto()
{
    nomeClasse = "CProjeto";
    moduloAtual = nullptr;
    proxModulo = -1;
    executando = false;
    instalaPedidoParada();
}

CProjeto::~CProjeto()
{
    delete moduloAtual;
    moduloAtual = nullptr;
    restauraPedidoParada();
    // The services are destroyed after this, with SDL already closed.
    SDL_Quit();
}

void CProjeto::cicloPrincipal()
{
    plataforma::rodaLaco(*this);
}

void CProjeto::executaQuadro()
{
    evento.descarregaFila();
    if (!moduloAtual->cobreTela())
        SDL_FillRect(video.retornaTela(), nullptr, plataforma::corPreta(video.retornaTela()));
    moduloAtual->ciclo();
    video.apresenta();
    relogio.atualiza();
    // In the browser the first screen may come before the rest of data/: the request stands,
    // and is met in the first frame after the files are in.
    if (proxModulo != -1 && plataforma::dadosProntos())
        carregaModuloMem();
    // SIGINT or SIGTERM: stop after this frame, as the Quit row does.
    if (paradaPedida())
        termina();
}
