// Folha: a sheet of screens side by side, each copied from the game surface, written as a
// PNG scaled up 2x. Shared by the preview tool and the screen capture tool. Depends on SDL
// and png.h.
#ifndef CORVELA_PREVIA_FOLHA_H
#define CORVELA_PREVIA_FOLHA_H

#include <SDL.h>

#include <string>

// colunas x linhas cells of largura x altura pixels (the game surface's size by default), in
// the game surface's pixel format (CVideo::telaAtual, unscaled whatever the window's scale);
// a cell never written stays black. Needs a video mode.
class Folha {
public:
    static constexpr int ESCALA = 2;

    Folha(int colunas, int linhas);
    Folha(int colunas, int linhas, int largura, int altura);
    ~Folha();

    // Copies the whole game surface into cell `indice`, counted in reading order.
    void copiaTela(int indice);
    // Copies `origem` into cell `indice`, at its top-left corner.
    void copia(SDL_Surface* origem, int indice);
    bool salva(const std::string& caminho);

private:
    SDL_Surface* superficie;  // owned
    int colunas;
    int largura;
    int altura;

    Folha(const Folha&) = delete;
    Folha& operator=(const Folha&) = delete;
};

#endif
