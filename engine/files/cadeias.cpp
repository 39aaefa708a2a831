// cadeias: itos, upperCase and the time text. Depends on the C standard I/O library.
#include "engine/files/cadeias.h"

#include <cstdio>

namespace {

// A minus sign, ten digits and the terminator, with room to spare.
const int TAMANHO_DECIMAL = 16;
const char DISTANCIA_MAIUSCULA = 'a' - 'A';
const unsigned long MS_POR_SEGUNDO = 1000;
const unsigned long SEGUNDOS_POR_HORA = 3600;
const unsigned long SEGUNDOS_POR_MINUTO = 60;
const unsigned long MENOR_DOIS_DIGITOS = 10;

std::string doisDigitos(unsigned long valor)
{
    const std::string texto = std::to_string(valor);
    return valor < MENOR_DOIS_DIGITOS ? "0" + texto : texto;
}

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

std::string textoTempo(unsigned long ms)
{
    const unsigned long segundos = ms / MS_POR_SEGUNDO;
    const unsigned long horas = segundos / SEGUNDOS_POR_HORA;
    const unsigned long minutos = (segundos % SEGUNDOS_POR_HORA) / SEGUNDOS_POR_MINUTO;
    const unsigned long resto = (segundos % SEGUNDOS_POR_HORA) % SEGUNDOS_POR_MINUTO;
    return doisDigitos(horas) + ":" + doisDigitos(minutos) + ":" + doisDigitos(resto);
}
