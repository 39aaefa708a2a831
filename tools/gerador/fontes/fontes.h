// Asset generator: the fonts: fonts/coure.fon and fonts/Sans Bold.ttf with its licence, and
// the same bold face as arialbd.ttf beside the data directory.
#ifndef CORVELA_GERADOR_FONTES_H
#define CORVELA_GERADOR_FONTES_H

#include <string>

// Writes fonts/coure.fon and fonts/Sans Bold.ttf with its licence under the data directory
// raiz (its subdirectory already exists), and arialbd.ttf with the same licence in raiz's
// parent, the directory the game runs from. Same inputs, same bytes. Prints what failed to
// standard error and returns false.
bool geraFontes(const std::string& raiz);

#endif
