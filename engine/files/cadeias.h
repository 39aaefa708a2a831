// cadeias: small text helpers shared by the engine and the game. Depends on the standard
// string only.
#ifndef CZORVO_CADEIAS_H
#define CZORVO_CADEIAS_H

#include <string>

// n in decimal, as "%d" writes it.
std::string itos(int n);
// A copy with a-z turned into A-Z; every other byte, 0x80 and up included, is kept. No
// locale is consulted.
std::string upperCase(std::string texto);
// ms as "hh:mm:ss" of whole seconds: each field with a leading 0 below 10, hours unbounded.
std::string textoTempo(unsigned long ms);

#endif
