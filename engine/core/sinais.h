// sinais: SIGINT and SIGTERM turned into a stop request that the main loop reads between
// frames, so Ctrl+C or a service manager ends the game the way its Quit row does. Depends
// on POSIX sigaction.
#ifndef CZORVO_SINAIS_H
#define CZORVO_SINAIS_H

// Installs the handlers and forgets any earlier request. SDL, started later, keeps them (it
// takes these signals only where nobody else does). A second signal, once the first was
// taken, ends the process at once: a stop that hangs can still be interrupted.
void instalaPedidoParada();
// Puts back the handlers that instalaPedidoParada found.
void restauraPedidoParada();
// True once SIGINT or SIGTERM arrived after instalaPedidoParada.
bool paradaPedida();

#endif
