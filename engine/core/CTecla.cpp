// CTecla: a key binding and its states.
#include "engine/core/CTecla.h"

CTecla::CTecla(unsigned char codInt, int codSDL)
{
    nomeClasse = "CTecla";
    defCodigos(codInt, codSDL);
}

void CTecla::defCodigos(unsigned char codInt, int codSDL)
{
    codigoSDL = codSDL;
    codigoInt = codInt;
    ativado = false;
    desceu = false;
    subiu = false;
}
