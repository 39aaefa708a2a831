// Asset generator: the pictures: gfx/*.bmp and the puzzle pictures in bg/
#ifndef CORVELA_GERADOR_IMAGENS_H
#define CORVELA_GERADOR_IMAGENS_H

#include <string>

// Writes the pictures: gfx/*.bmp and the puzzle pictures in bg/ under the data directory raiz (its subdirectory already exists).
// Same inputs, same bytes. Prints what failed to standard error and returns false.
bool geraImagens(const std::string& raiz);

#endif
