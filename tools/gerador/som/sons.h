// Asset generator: the sound effects in sfx/
#ifndef CORVELA_GERADOR_SOM_SONS_H
#define CORVELA_GERADOR_SOM_SONS_H

#include <string>

// Writes the sound effects in sfx/ under the data directory raiz (its subdirectory already exists).
// Same inputs, same bytes. Prints what failed to standard error and returns false.
bool geraSons(const std::string& raiz);

#endif
