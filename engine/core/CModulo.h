// CModulo: base of every screen. A module reaches the services and the project through
// the project that built it. Depends on CPaiMestre; the service types are forward-declared.
#ifndef CZORVO_CMODULO_H
#define CZORVO_CMODULO_H

#include "engine/core/CPaiMestre.h"

class CEvento;
class CVideo;
class CSom;
class CRelogio;

class CModulo : public CPaiMestre {
public:
    CModulo();
    virtual ~CModulo() {}

    // Called once, after defProjeto; the project does not look at the result.
    virtual bool init() = 0;
    // Called once per frame while the module is active.
    virtual void ciclo() = 0;
    // True for a module whose ciclo paints every pixel of the screen: the main loop then
    // leaves out the black clear before it, which that frame would only paint over.
    virtual bool cobreTela() const { return false; }

    void defProjeto(CPaiMestre* p) { projeto = p; }
    CPaiMestre* proj() const { return projeto; }

    // The project's services; null until defProjeto.
    CEvento* evento() const;
    CVideo* video() const;
    CSom* som() const;
    CRelogio* tempo() const;

private:
    CPaiMestre* projeto;  // not owned
};

#endif
