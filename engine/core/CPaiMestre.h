// CPaiMestre: root base of the engine's classes and of the game's screens.
// Depends on nothing but the standard string.
#ifndef CZORVO_CPAIMESTRE_H
#define CZORVO_CPAIMESTRE_H

#include <string>

// Tags every object with the name of its most derived class; each constructor overwrites
// the name after its own members are built. Nothing in the engine reads it.
class CPaiMestre {
public:
    CPaiMestre() : nomeClasse("CPaiMestre") {}

    const std::string& retornaNomeClasse() const { return nomeClasse; }

protected:
    std::string nomeClasse;
};

#endif
