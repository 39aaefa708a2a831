// linhaDeComando: the command line the picture tools share,
//   <tool> <directory that holds data/> <output directory>
#ifndef CORVELA_LINHADECOMANDO_H
#define CORVELA_LINHADECOMANDO_H

#include <unistd.h>

#include <cstdio>
#include <string>

// Enters the first directory and gives the second in saida. Returns the exit status to end
// with after saying what went wrong (2 for a wrong count, 1 for a directory it cannot enter),
// or 0 to go on.
inline int leLinhaDeComando(int argc, char** argv, std::string& saida)
{
    if (argc != 3) {
        std::fprintf(stderr, "uso: %s <diretorio que contem data/> <diretorio de saida>\n", argv[0]);
        return 2;
    }
    saida = argv[2];
    if (chdir(argv[1]) != 0) {
        std::fprintf(stderr, "Incapaz de entrar em %s\n", argv[1]);
        return 1;
    }
    return 0;
}

#endif
