// cadeias: itos and upperCase. Depends on the C standard I/O library.
#include "engine/files/cadeias.h"

#include <cstdio>

namespace {

// A minus sign, ten digits and the terminator, with room to spare.
const int TAMANHO_DECIMAL = 16;
const char DISTANCIA_MAIUSCULA = 'a' - 'A';

}  // namespace

std::string itos(int n)
{
    char texto[TAMANHO_DECIMAL];
    std::snprintf(texto, sizeof texto, "%d", n);
    return texto;
}

std::string upperCase(std::string texto)
{
    for (char& c : texto) {
        if (c >= 'a' && c <= 'z') {
            c = static_cast<char>(c - DISTANCIA_MAIUSCULA);
        }
    }
    return texto;
}
