// sinais: the stop-request flag and its handler. Depends on POSIX sigaction.
#include "engine/core/sinais.h"

#include <signal.h>

namespace {

// Written only by the handler, read between frames: the one thing a handler may safely do.
volatile sig_atomic_t pedido = 0;

const int SINAIS_PARADA[] = {SIGINT, SIGTERM};
const int TOTAL_SINAIS = sizeof SINAIS_PARADA / sizeof SINAIS_PARADA[0];
struct sigaction anteriores[TOTAL_SINAIS];
bool instalados = false;

void pedeParada(int)
{
    pedido = 1;
}

}  // namespace

void instalaPedidoParada()
{
    pedido = 0;
    struct sigaction acao = {};
    acao.sa_handler = pedeParada;
    sigemptyset(&acao.sa_mask);
    // Back to the default action after the first signal, so a second one kills.
    acao.sa_flags = SA_RESETHAND;
    for (int i = 0; i < TOTAL_SINAIS; ++i)
        sigaction(SINAIS_PARADA[i], &acao, instalados ? nullptr : &anteriores[i]);
    instalados = true;
}

void restauraPedidoParada()
{
    if (!instalados)
        return;
    for (int i = 0; i < TOTAL_SINAIS; ++i)
        sigaction(SINAIS_PARADA[i], &anteriores[i], nullptr);
    instalados = false;
}

bool paradaPedida()
{
    return pedido != 0;
}
