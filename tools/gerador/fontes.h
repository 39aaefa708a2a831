// Asset generator: the fonts: fonts/coure.fon and fonts/Sans Bold.ttf with its licence
#ifndef CORVELA_GERADOR_FONTES_H
#define CORVELA_GERADOR_FONTES_H

#include <string>

// Writes the fonts: fonts/coure.fon and fonts/Sans Bold.ttf with its licence under the data directory raiz (its subdirectory already exists).
// Same inputs, same bytes. Prints what failed to standard error and returns false.
bool geraFontes(const std::string& raiz);

#endif
