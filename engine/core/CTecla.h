// CTecla: one key binding, an SDL key symbol tied to a logical key number, with its
// per-frame states. Depends on CPaiMestre.
#ifndef CZORVO_CTECLA_H
#define CZORVO_CTECLA_H

#include "engine/core/CPaiMestre.h"

class CTecla : public CPaiMestre {
public:
    CTecla(unsigned char codInt, int codSDL);

    // Sets both codes and clears the three states.
    void defCodigos(unsigned char codInt, int codSDL);

    int codSDL() const { return codigoSDL; }
    unsigned char codInt() const { return codigoInt; }

    int codigoSDL;
    unsigned char codigoInt;
    bool ativado;  // held down
    bool desceu;   // went down during the last drain of the event queue
    bool subiu;    // went up during the last drain, having been held
};

#endif
