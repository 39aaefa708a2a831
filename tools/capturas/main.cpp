// corvela-capturas: pictures of the game's screens for docs/, taken from the game's own
// modules run frame by frame, as the main loop runs them, on SDL's dummy video driver with a
// scripted clock of 33 ms frames, and driven through the menu with real key events.
// Usage: corvela-capturas <directory that holds data/> <output directory>
// Depends on the game library and on folha.h (tools/previa).
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "folha.h"
#include "game/Corvela.h"
#include "game/Creditos.h"
#include "game/Menu.h"

namespace {

const Uint32 QUADRO_MS = 33;
// No screen of the game waits longer than this for its next step.
const int QUADROS_MAXIMOS = 2000;

Uint32 relogioRoteirizado(void* contexto)
{
    Uint32* agora = static_cast<Uint32*>(contexto);
    *agora += QUADRO_MS;
    return *agora;
}

void empurraTecla(SDLKey tecla, bool desce)
{
    SDL_Event ev = {};
    ev.type = desce ? SDL_KEYDOWN : SDL_KEYUP;
    ev.key.type = ev.type;
    ev.key.state = desce ? SDL_PRESSED : SDL_RELEASED;
    ev.key.keysym.sym = tecla;
    SDL_PushEvent(&ev);
}

// The game run one frame at a time. After each frame the video surface still holds what the
// module drew, unless the frame ended in a module switch.
class Partida {
public:
    Partida()
    {
        jogo.retornaRelogio()->defFonteTicks(relogioRoteirizado, &agora);
        jogo.retornaRelogio()->inicializa();
    }

    bool inicia()
    {
        if (!jogo.init())
            return false;
        jogo.defProxModulo(Corvela::APRESENTACAO);
        jogo.carregaModuloMem();
        return true;
    }

    void quadros(int n)
    {
        for (int i = 0; i < n; ++i)
            jogo.executaQuadro();
    }
    // One frame with the key going down; its release reaches the next frame.
    void aperta(SDLKey tecla)
    {
        empurraTecla(tecla, true);
        quadros(1);
        empurraTecla(tecla, false);
    }
    // Runs frames until the module of that class is active; false if it never comes.
    bool ate(const std::string& modulo)
    {
        for (int i = 0; i < QUADROS_MAXIMOS && ativo() != modulo; ++i)
            quadros(1);
        if (ativo() == modulo)
            return true;
        std::fprintf(stderr, "capturas: %s never came (still %s)\n", modulo.c_str(), ativo().c_str());
        return false;
    }
    std::string ativo() const { return jogo.retornaModulo()->retornaNomeClasse(); }
    CModulo* modulo() const { return jogo.retornaModulo(); }

private:
    Uint32 agora = 0;
    Corvela jogo;
};

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

// Down twice to "Credits", the action key, then the first frame of each page.
bool creditos(Partida& partida, const std::string& saida)
{
    partida.aperta(SDLK_DOWN);
    partida.aperta(SDLK_DOWN);
    empurraTecla(SDLK_LCTRL, true);
    empurraTecla(SDLK_LCTRL, false);
    partida.quadros(1);
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
    if (argc != 3) {
        std::fprintf(stderr, "uso: %s <diretorio que contem data/> <diretorio de saida>\n", argv[0]);
        return 2;
    }
    const std::string saida = argv[2];
    if (chdir(argv[1]) != 0) {
        std::fprintf(stderr, "Incapaz de entrar em %s\n", argv[1]);
        return 1;
    }
    // Pictures without a window and without a sound card, the same on every machine.
    setenv("SDL_VIDEODRIVER", "dummy", 1);
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    Partida partida;
    if (!partida.inicia())
        return 1;
    const bool ok = apresentacao(partida, saida) && menu(partida, saida) &&
                    creditos(partida, saida);
    if (!ok)
        std::fprintf(stderr, "capturas: incapaz de capturar as telas em %s\n", saida.c_str());
    return ok ? 0 : 1;
}
