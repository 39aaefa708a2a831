// corvela-capturas: pictures of the game's screens for docs/, taken from the game's own
// modules run frame by frame, as the main loop runs them, on SDL's dummy video driver with a
// scripted clock of 33 ms frames, and driven through the menu with real key events.
// Usage: corvela-capturas <directory that holds data/> <output directory>
// Depends on Partida (tools/roteiro) and on folha.h and linhaDeComando.h (tools/previa).
#include <cstdio>
#include <string>

#include "folha.h"
#include "linhaDeComando.h"
#include "game/Corvela.h"
#include "tools/roteiro/Partida.h"
#include "tools/roteiro/roteiro.h"
#include "game/Creditos.h"
#include "game/Jogo.h"
#include "game/Menu.h"
#include "game/Tabuleiro.h"

namespace {

using roteiro::QUADRO_MS;
using roteiro::QUADROS_MAXIMOS;

// The intro three times: fading in, with its text, and later with another logo frame; the
// frames are those of the intro's first visit (the first counts no time).
bool apresentacao(Partida& partida, const std::string& saida)
{
    const int QUADROS[] = {25, 80, 135};
    Folha folha(3, 1);
    int feitos = 0;
    for (int i = 0; i < 3; ++i) {
        partida.quadros(QUADROS[i] - feitos);
        feitos = QUADROS[i];
        folha.copiaTela(i);
    }
    return folha.salva(saida + "/previa-apresentacao.png");
}

// The menu's first frame: the title, "Normal" highlighted.
bool menu(Partida& partida, const std::string& saida)
{
    if (!partida.ate("Menu"))
        return false;
    partida.quadros(1);
    Folha folha(1, 1);
    folha.copiaTela(0);
    return folha.salva(saida + "/previa-menu.png");
}

// The action key on "Normal", then a game on a board laid out by hand (the game's own shuffle
// draws on the time of day): two moves made with the keys and six seconds of play; the tile
// numbers; and "CLEAR!" after the move that solves a board one move from whole. Then back to
// the menu.
bool jogo(Partida& partida, const std::string& saida)
{
    // Positions run 1..15 in reading order, 0 is the bottom-right cell. From the solved board
    // the hole walks up, left, down and right, ending at position 15.
    const unsigned CAMINHO_DO_BURACO[] = {12, 11, 7, 6, 10, 14, 15};
    const unsigned ACIMA_DO_BURACO = 11;
    const int SEIS_SEGUNDOS = 6000 / QUADRO_MS;
    const unsigned LADO = 4;

    partida.toca(SDLK_LCTRL);
    if (!partida.ate("Jogo"))
        return false;
    Tabuleiro& tabuleiro = static_cast<Jogo*>(partida.modulo())->retornaTabuleiro();
    tabuleiro.inicializa(Corvela::LARGURA_TELA, Corvela::ALTURA_TELA, LADO);
    for (unsigned posicao : CAMINHO_DO_BURACO)
        tabuleiro.move(posicao);
    tabuleiro.seleciona(ACIMA_DO_BURACO);
    Folha folha(3, 1);
    partida.aperta(SDLK_LCTRL);  // the tile above the hole moves down
    partida.aperta(SDLK_LEFT);
    partida.aperta(SDLK_LCTRL);  // the tile left of the new hole moves right
    partida.quadros(SEIS_SEGUNDOS);
    folha.copiaTela(0);
    partida.aperta(SDLK_BACKSPACE);
    folha.copiaTela(1);

    tabuleiro.inicializa(Corvela::LARGURA_TELA, Corvela::ALTURA_TELA, LADO);
    tabuleiro.move(LADO * (LADO - 1));  // tile 12 down into the bottom-right cell
    tabuleiro.seleciona(0);
    partida.aperta(SDLK_LCTRL);
    partida.quadros(1);
    folha.copiaTela(2);
    partida.aperta(SDLK_LCTRL);  // the next game: the back key is heard only while playing
    partida.aperta(SDLK_ESCAPE);
    partida.quadros(1);
    return folha.salva(saida + "/previa-jogo.png") && partida.ate("Menu");
}

// Down twice to "Credits", the action key, then the first frame of each page.
bool creditos(Partida& partida, const std::string& saida)
{
    partida.aperta(SDLK_DOWN);
    partida.aperta(SDLK_DOWN);
    partida.toca(SDLK_LCTRL);
    if (!partida.ate("Creditos"))
        return false;
    Folha folha(3, 1);
    for (int pagina = 0; pagina < 3; ++pagina) {
        int i = 0;
        do {
            partida.quadros(1);
        } while (static_cast<Creditos*>(partida.modulo())->retornaPagina() != pagina &&
                 ++i < QUADROS_MAXIMOS);
        folha.copiaTela(pagina);
    }
    return folha.salva(saida + "/previa-creditos.png");
}

}  // namespace

int main(int argc, char** argv)
{
    std::string saida;
    if (const int codigo = leLinhaDeComando(argc, argv, saida))
        return codigo;
    Partida partida(roteiro::QUADRO_MS, "capturas");
    if (!partida.inicia())
        return 1;
    partida.comeca();
    const bool ok = apresentacao(partida, saida) && menu(partida, saida) &&
                    jogo(partida, saida) && creditos(partida, saida);
    if (!ok)
        std::fprintf(stderr, "capturas: incapaz de capturar as telas em %s\n", saida.c_str());
    return ok ? 0 : 1;
}
