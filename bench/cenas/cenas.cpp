// cenas: the measured screens and how each is reached.
#include "cenas/cenas.h"

#include "cenas/TelaMedida.h"

namespace cenas {

namespace {

CModulo* criaTelaMedida()
{
    return new TelaMedida;
}

// The engine's own frame, on every module number so no switch leaves it.
bool preparaMotor(Bancada& b)
{
    for (int n = 0; n < Corvela::NUM_MODULOS; ++n)
        b.jogo().defFabrica(n, criaTelaMedida);
    b.entra(Corvela::APRESENTACAO);
    return true;
}

}  // namespace

const std::vector<Cena>& todas()
{
    static const std::vector<Cena> lista = {
        {"motor", "engine only: cleared screen, 16 tiles, four panel lines", preparaMotor},
    };
    return lista;
}

const Cena* procura(const std::string& nome)
{
    for (const Cena& c : todas())
        if (nome == c.nome)
            return &c;
    return nullptr;
}

}  // namespace cenas
