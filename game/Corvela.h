// Corvela: the game's project. Sets the video mode, the title and the key bindings, builds
// the screen asked for by number, and keeps the difficulty between screens.
// Depends on the engine's CProjeto and on the game's screens.
#ifndef CORVELA_CORVELA_H
#define CORVELA_CORVELA_H

#include "engine/core/CModulo.h"
#include "engine/core/CProjeto.h"

class Corvela : public CProjeto {
public:
    // Module numbers, as passed to defProxModulo.
    enum Modulo { APRESENTACAO = 0, MENU = 1, JOGO = 2, CREDITOS = 3, NUM_MODULOS = 4 };

    static constexpr Uint16 LARGURA_TELA = 320;
    static constexpr Uint16 ALTURA_TELA = 240;
    static constexpr Uint8 BPP_TELA = 16;

    typedef CModulo* (*FabricaModulo)();

    Corvela();

    void finalizacao() override;
    // Deletes the old module, forgets the keys, clears the screen, builds the requested
    // module and runs its init. A request made in init is honoured after the new module's
    // first frame. A number outside the module table builds nothing: the request is
    // forgotten and the active module stays, so the project is never left without one.
    void carregaModuloMem() override;
    // Stores the number as given; a later request replaces it.
    void defProxModulo(int modulo) override;
    // Video mode, title, hidden cursor, bindings; false when the video mode fails. The mode
    // and the bindings come from video.cfg and teclas.cfg in the working directory when
    // those exist and load (game/ajustes.h).
    bool init() override;
    void execProj() override;

    // Replaces the builder of one module number; tests put their own screens in the table.
    void defFabrica(int modulo, FabricaModulo fabrica);

    // Difficulty of the next game: 0 Easy, 1 Normal, 2 Impossible. Written by the menu.
    Uint8 dificuldade;

private:
    FabricaModulo fabricas[NUM_MODULOS];
};

#endif
