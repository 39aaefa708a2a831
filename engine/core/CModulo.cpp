// CModulo: a screen's way to its project and the project's services.
#include "engine/core/CModulo.h"

#include "engine/core/CProjeto.h"

namespace {

// The module holds its project as the CPaiMestre base the project handed it.
CProjeto* comoProjeto(CPaiMestre* projeto)
{
    return static_cast<CProjeto*>(projeto);
}

}  // namespace

CModulo::CModulo() : projeto(nullptr)
{
    nomeClasse = "CModulo";
}

CEvento* CModulo::evento() const
{
    return projeto != nullptr ? comoProjeto(projeto)->retornaEvento() : nullptr;
}

CVideo* CModulo::video() const
{
    return projeto != nullptr ? comoProjeto(projeto)->retornaVideo() : nullptr;
}

CSom* CModulo::som() const
{
    return projeto != nullptr ? comoProjeto(projeto)->retornaSom() : nullptr;
}

CRelogio* CModulo::tempo() const
{
    return projeto != nullptr ? comoProjeto(projeto)->retornaRelogio() : nullptr;
}
