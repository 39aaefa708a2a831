// corvela: the game's entry point.
#include <cstdio>

#include "game/Corvela.h"

int main(int, char**)
{
    // Line by line, so a log file or a pipe gets each line as it happens.
    std::setvbuf(stdout, nullptr, _IOLBF, 0);
    Corvela jogo;
    if (!jogo.init())
        return -1;
    jogo.execProj();
    return 0;
}
