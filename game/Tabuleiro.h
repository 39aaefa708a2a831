// Tabuleiro: the puzzle board: an n x n grid of cells holding numbered tiles and one hole,
// its rules (cursor, moves, swaps, shuffle, solved and stuck tests) and its drawing from a
// 240x240 picture chosen in data/bg. Depends on Bloco, CSprite, CSpriteAnimado and CTexto.
#ifndef CORVELA_TABULEIRO_H
#define CORVELA_TABULEIRO_H

#include <SDL.h>

#include <string>
#include <vector>

#include "engine/media/CSprite.h"
#include "engine/media/CSpriteAnimado.h"
#include "engine/media/CTexto.h"
#include "game/Bloco.h"

// Positions run 1 .. n*n-1 in reading order and the bottom-right cell is 0; wherever a
// position is computed, n*n and 0 both stand for that cell. The board is solved when the
// cells hold 1, 2, ..., n*n-1, 0 in reading order. Owns its pictures and text by value.
class Tabuleiro {
public:
    static constexpr Uint8 TAMANHO_MAX = 4;

    // An empty board: size 0, cursor on position 0, help off, nothing solved, no pictures.
    Tabuleiro();

    // Sets up an n x n board, solved with the hole at the bottom right, on the right-hand
    // altura x altura square of a largura x altura screen, and loads the pictures, the
    // cursor, the hole and the help font. The cursor, help and solved count stay as they are.
    // n outside 1..4 is refused and leaves the board empty (size 0), where no rule finds a cell.
    void inicializa(unsigned int largura, unsigned int altura, unsigned char n);

    // Selects the cell at position p; n*n selects position 0; a larger p is ignored.
    void seleciona(unsigned int p);
    Uint8 retornaSelecionado() const { return selecionado; }
    // The position of the cell under the screen point (x, y); -1 off the board.
    int posicaoEm(int x, int y) const;
    // Moves the tile at position p into the hole when they share an edge (neighbours looked
    // at up, down, left, right); false, changing nothing, otherwise.
    bool move(unsigned int p);
    // Exchanges the cells' contents of tile numbers a and b, wherever they lie; does
    // nothing when either is above n*n or absent.
    void troca(unsigned char a, unsigned char b);
    // Shuffles by passos - 1 random attempts at moving the hole (one srand(time(0)) first);
    // an attempt that would undo the last chosen direction is replaced by another, and the
    // whole run is repeated while it ends on the solved board. With passos < 2, or n < 2, no
    // attempt can be made: the board is left as it is and not checked.
    void embaralha(unsigned int passos);
    // Solved test; every true result adds one to the solved count.
    bool venceu();
    // True when the board holds the solved arrangement with tiles 14 and 15 exchanged.
    bool travou() const;
    void trocaAjuda() { ajuda = !ajuda; }

    // The cell holding tile k, or the cell with position k; null for k above n*n or absent.
    Bloco* buscaNumero(unsigned int k);
    Bloco* buscaPosicao(unsigned int k);

    // Draws the board on the video surface: true, the playing view (tiles, hole, cursor,
    // help numbers); false, the whole picture. Draws nothing without a usable picture; with
    // the picture lost after the list was made, tiles are flat grey cells, always numbered.
    void exibe(bool jogando);
    // True when exibe, in either view, paints every pixel from the board's left edge to the
    // screen's right and bottom: a picture list, cells that fill the height, and a hole
    // picture that fills its cell.
    bool cobre() const;
    // Fills the picture list with the 240x240 BMP files of data/bg, in directory order, and
    // writes each accepted name on its own line of the standard output; an empty list is
    // reported on the standard error.
    void listaImagensDir();
    // Loads the picture that the solved count chooses from the list; nothing when it is empty.
    void carregaProximaImagem();

    Uint8 retornaTamanho() const { return tamanho; }
    // The cell at row r, column c of the n x n grid.
    const Bloco& retornaBloco(unsigned r, unsigned c) const { return blocos[r][c]; }
    bool retornaAjuda() const { return ajuda; }
    Uint32 retornaResolvidos() const { return resolvidos; }
    const std::vector<std::string>& retornaImagens() const { return imagens; }
    // The name (in data/bg) of the picture shown now; empty when none is loaded.
    const std::string& retornaImagemAtual() const { return imagemAtual; }
    Sint16 retornaEsquerda() const { return esquerda; }

private:
    Uint8 tamanho;
    Sint16 esquerda;  // x of the board's left edge: screen width - screen height
    Sint16 topo;      // always 0; drawing starts at y 0
    Uint16 larguraTela;
    Uint16 alturaTela;
    CSprite spriteSelecao;
    CSprite spriteBuraco;
    Uint8 selecionado;
    Bloco blocos[TAMANHO_MAX][TAMANHO_MAX];
    bool ajuda;
    CTexto textoAjuda;
    Uint32 resolvidos;
    CSpriteAnimado imagem;
    std::vector<std::string> imagens;
    std::string imagemAtual;

    // The tile's number in white with its top-left corner at (x, y); nothing without a font.
    void escreveNumero(SDL_Surface* tela, int x, int y, Uint8 numero);

    Tabuleiro(const Tabuleiro&) = delete;
    Tabuleiro& operator=(const Tabuleiro&) = delete;
};

#endif
