// diretorio: listing the entries of a directory filtered by extension. Depends on the
// standard string and vector.
#ifndef CZORVO_DIRETORIO_H
#define CZORVO_DIRETORIO_H

#include <string>
#include <vector>

// Appends to lista, in the directory's own order, the names of the entries of diretorio whose
// extension (the text after the last '.', or the whole name without one) equals extensao;
// every entry, "." and ".." included, when extensao is empty. exato false ignores letter
// case. Entry types are not looked at. Returns 0, or the system error number after printing
// "Erro(<n>) abrindo <diretorio>" on standard output when the directory cannot be opened.
int listaDiretorio(const std::string& diretorio, std::vector<std::string>& lista,
                   const std::string& extensao, bool exato);

#endif
