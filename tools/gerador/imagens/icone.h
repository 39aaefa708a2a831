// Asset generator: the game's desktop icon, the title's valley on a 3x3 board with the
// bottom-right tile out, drawn afresh at each size so the small ones stay sharp.
#ifndef CORVELA_GERADOR_IMAGENS_ICONE_H
#define CORVELA_GERADOR_IMAGENS_ICONE_H

#include <string>
#include <vector>

// The sizes of the hicolor icon theme the package installs.
extern const int LADOS_ICONE[7];

// lado x lado pixels as rows of R, G, B, A bytes; transparent around the rounded frame.
std::vector<unsigned char> desenhaIcone(int lado);

// Writes raiz/<N>x<N>/apps/corvela.png for every size of LADOS_ICONE, making the folders.
// Same inputs, same bytes. Prints what failed to standard error and returns false.
bool geraIcones(const std::string& raiz);

// The web page's icons: raiz/icone-192.png, raiz/icone-512.png and raiz/icone-mascaravel.png,
// 512 pixels of the frame's colour to the edges with the icon in the middle, small enough
// that any shape a launcher cuts it to (a circle of 80% of the side at least) keeps the board.
bool geraIconesPagina(const std::string& raiz);

#endif
