// The three pages of the credits roll: every line with its height on the screen, its colour
// and its text. The credits screen draws them at x 50, one page every seven seconds.
#ifndef CORVELA_PAGINASCREDITOS_H
#define CORVELA_PAGINASCREDITOS_H

#include <cstddef>

namespace creditos {

enum Cor { AMARELO, BRANCO };

struct Linha {
    int y;
    Cor cor;
    const char* texto;
};

struct Pagina {
    const Linha* linhas;
    std::size_t total;
};

constexpr int X_LINHAS = 50;

constexpr Linha PAGINA_PROGRAMACAO[] = {
    {10, AMARELO, "PROGRAMMING"},
    {50, AMARELO, "CZorvo Engine"},
    {70, BRANCO, "The Corvela team"},
    {90, BRANCO, "Orvalek"},
    {120, AMARELO, "SDL Corvela"},
    {140, BRANCO, "Orvalek"},
};

// Every tune was composed for the game and rendered by the synthesizer in tools/gerador.
constexpr Linha PAGINA_MUSICA[] = {
    {10, AMARELO, "MUSIC"},
    {50, AMARELO, "\"3VIL-42ko\" (Credits)   \"CHO7-31ko\" (Ingame)"},
    {80, BRANCO, "Corvela team, synthesized by corvela-dados"},
    {120, AMARELO, "\"Nintendo\" (Main Menu)"},
    {140, BRANCO, "Corvela team (tools/gerador in the game's source)"},
};

// The game stands on SDL and on Debian; the last thanks go to whoever is playing.
constexpr Linha PAGINA_AGRADECIMENTOS[] = {
    {10, AMARELO, "SPECIAL THANKS"},
    {50, BRANCO, "You, the player"},
    {70, BRANCO, "libsdl.org"},
    {90, BRANCO, "debian.org"},
};

constexpr Pagina PAGINAS[] = {
    {PAGINA_PROGRAMACAO, sizeof PAGINA_PROGRAMACAO / sizeof PAGINA_PROGRAMACAO[0]},
    {PAGINA_MUSICA, sizeof PAGINA_MUSICA / sizeof PAGINA_MUSICA[0]},
    {PAGINA_AGRADECIMENTOS, sizeof PAGINA_AGRADECIMENTOS / sizeof PAGINA_AGRADECIMENTOS[0]},
};

constexpr std::size_t TOTAL_PAGINAS = sizeof PAGINAS / sizeof PAGINAS[0];

}  // namespace creditos

#endif
