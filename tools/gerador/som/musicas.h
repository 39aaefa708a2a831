// Asset generator: the three music tracks in music/
#ifndef CORVELA_GERADOR_SOM_MUSICAS_H
#define CORVELA_GERADOR_SOM_MUSICAS_H

#include <string>

// Writes the three music tracks in music/ under the data directory raiz (its subdirectory already exists).
// Same inputs, same bytes. Prints what failed to standard error and returns false.
bool geraMusicas(const std::string& raiz);

#endif
