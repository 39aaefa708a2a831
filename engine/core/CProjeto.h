// CProjeto: the project. Owns the input, video, sound and clock services, the active
// module, and runs the main loop one frame at a time. Depends on every service.
#ifndef CZORVO_CPROJETO_H
#define CZORVO_CPROJETO_H

#include "engine/core/CEvento.h"
#include "engine/core/CModulo.h"
#include "engine/core/CPaiMestre.h"
#include "engine/core/CRelogio.h"
#include "engine/media/CSom.h"
#include "engine/media/CVideo.h"

// A program derives one project and gives it the module table. The services are built in
// member order (input, video, sound, clock): sound opens the audio device at once.
class CProjeto : public CPaiMestre {
public:
    // Takes SIGINT and SIGTERM as a stop request (engine/core/sinais.h) while it lives.
    CProjeto();
    // Deletes the active module, shuts SDL down, then the services in reverse order.
    ~CProjeto();

    // Runs frames until termina, then finalizacao once.
    virtual void cicloPrincipal();
    virtual void finalizacao() = 0;
    // Replaces the active module by the requested one and clears the request.
    virtual void carregaModuloMem() = 0;
    virtual void defProxModulo(int modulo) = 0;
    virtual bool init() = 0;
    // Builds the first module and runs the loop.
    virtual void execProj() = 0;

    // The loop ends after the current frame has been completed.
    void termina() { executando = false; }

    // One frame of the main loop: input, clear, the module's ciclo, flip, the clock, then a
    // module switch if one was requested (held while plataforma::dadosProntos says the files
    // are not all in yet); after a SIGINT or SIGTERM, termina. A module must be active.
    void executaQuadro();

    CEvento* retornaEvento() { return &evento; }
    CVideo* retornaVideo() { return &video; }
    CSom* retornaSom() { return &som; }
    CRelogio* retornaRelogio() { return &relogio; }
    CModulo* retornaModulo() const { return moduloAtual; }
    int retornaProxModulo() const { return proxModulo; }
    bool retornaExecutando() const { return executando; }

protected:
    bool executando;
    CModulo* moduloAtual;  // owned
    int proxModulo;        // -1: no request
    CEvento evento;
    CVideo video;
    CSom som;
    CRelogio relogio;

private:
    CProjeto(const CProjeto&) = delete;
    CProjeto& operator=(const CProjeto&) = delete;
};

#endif
