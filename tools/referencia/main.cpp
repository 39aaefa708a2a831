// corvela-referencia: the frames the native build draws, for the browser test to hold the
// web page against. Runs the game's own modules frame by frame on SDL's dummy video driver
// with a scripted clock of 33 ms frames and real key events, along the road the browser test
// drives (intro, menu, a Normal game with a move, pause and help numbers, the credits), and
// writes each frame as a binary PPM (8 bits per channel, 16-bit pixels widened by SDL_GetRGB).
// Usage: corvela-referencia <directory that holds data/> <output directory>
// Depends on Partida (tools/roteiro) and linhaDeComando.h (tools/previa).
#include <cstdio>
#include <string>

#include "engine/media/pixela.h"
#include "game/Corvela.h"
#include "tools/roteiro/Partida.h"
#include "tools/previa/linhaDeComando.h"
#include "game/Jogo.h"

namespace {

const int QUADROS_APRESENTACAO = 100;  // past the 2000 ms after which the intro shows its text
// A credits page lasts 7000 ms, 213 frames of 33 ms; each is taken well inside its time.
const int QUADROS_PAGINA = 213;
const int QUADROS_DENTRO_DA_PAGINA = 20;

// The key goes down in one frame and up in the next.
void apertaESolta(Partida& partida, SDLKey tecla)
{
    partida.aperta(tecla);
    partida.quadros(1);
}

// Frames until that module runs, then one of its own.
bool chega(Partida& partida, const std::string& modulo)
{
    if (!partida.ate(modulo))
        return false;
    partida.quadros(1);
    return true;
}

// The screen as a binary PPM, saida/nome.ppm.
bool grava(const std::string& saida, const std::string& nome)
{
    SDL_Surface* tela = CVideo::telaAtual();
    const std::string arquivo = saida + "/" + nome + ".ppm";
    std::FILE* f = std::fopen(arquivo.c_str(), "wb");
    if (f == nullptr || tela == nullptr) {
        std::fprintf(stderr, "referencia: incapaz de escrever %s\n", arquivo.c_str());
        if (f != nullptr)
            std::fclose(f);
        return false;
    }
    std::fprintf(f, "P6\n%d %d\n255\n", tela->w, tela->h);
    for (int y = 0; y < tela->h; ++y) {
        for (int x = 0; x < tela->w; ++x) {
            Uint8 rgb[3];
            SDL_GetRGB(pixela(tela, x, y), tela->format, &rgb[0], &rgb[1], &rgb[2]);
            std::fwrite(rgb, 1, 3, f);
        }
    }
    return std::fclose(f) == 0;
}

// Walks the cursor with the right arrow, which steps through the cells in reading order from
// the bottom-right one, onto a tile beside the hole, and moves it.
bool umMovimento(Partida& partida)
{
    Tabuleiro& tab = static_cast<Jogo*>(partida.modulo())->retornaTabuleiro();
    const int n = tab.retornaTamanho();
    int buraco = -1;
    for (int r = 0; r < n; ++r)
        for (int c = 0; c < n; ++c)
            if (tab.retornaBloco(r, c).numero == 0)
                buraco = r * n + c;
    if (buraco < 0)
        return false;
    const int alvo = buraco % n > 0 ? buraco - 1 : buraco + 1;  // left of the hole, or right
    for (int i = 0; i < (alvo + 1) % (n * n); ++i)
        apertaESolta(partida, SDLK_RIGHT);
    apertaESolta(partida, SDLK_LCTRL);
    return static_cast<Jogo*>(partida.modulo())->retornaMovimentos() == 1;
}

bool percorre(Partida& partida, const std::string& saida)
{
    partida.quadros(QUADROS_APRESENTACAO);
    if (!grava(saida, "apresentacao") || !chega(partida, "Menu") || !grava(saida, "menu"))
        return false;
    apertaESolta(partida, SDLK_LCTRL);  // "Normal"
    if (!chega(partida, "Jogo") || !grava(saida, "jogo"))
        return false;
    if (!umMovimento(partida) || !grava(saida, "jogo-movido"))
        return false;
    apertaESolta(partida, SDLK_RETURN);
    if (!grava(saida, "pausa"))
        return false;
    apertaESolta(partida, SDLK_RETURN);
    apertaESolta(partida, SDLK_BACKSPACE);
    if (!grava(saida, "ajuda"))
        return false;
    apertaESolta(partida, SDLK_ESCAPE);
    if (!chega(partida, "Menu"))
        return false;
    apertaESolta(partida, SDLK_DOWN);
    apertaESolta(partida, SDLK_DOWN);
    apertaESolta(partida, SDLK_LCTRL);  // "Credits"
    if (!chega(partida, "Creditos"))
        return false;
    partida.quadros(QUADROS_DENTRO_DA_PAGINA);
    for (int pagina = 0; pagina < 3; ++pagina) {
        if (pagina > 0)
            partida.quadros(QUADROS_PAGINA);
        if (partida.ativo() != "Creditos" || !grava(saida, "creditos-" + std::to_string(pagina)))
            return false;
    }
    return true;
}

}  // namespace

int main(int argc, char** argv)
{
    std::string saida;
    if (const int codigo = leLinhaDeComando(argc, argv, saida))
        return codigo;
    Partida partida(roteiro::QUADRO_MS, "referencia");
    if (!partida.inicia())
        return 1;
    partida.comeca();
    if (!percorre(partida, saida)) {
        std::fprintf(stderr, "referencia: incapaz de percorrer o jogo\n");
        return 1;
    }
    return 0;
}
