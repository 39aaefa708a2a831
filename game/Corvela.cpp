// Corvela: the game's project and its module table.
#include "game/Corvela.h"

#include "engine/plataforma/plataforma.h"
#include "game/Apresentacao.h"
#include "game/Creditos.h"
#include "game/Jogo.h"
#include "game/Menu.h"
#include "game/ajustes.h"

namespace {

const Uint8 DIFICULDADE_INICIAL = 1;

template <class Tela>
CModulo* cria()
{
    return new Tela;
}

}  // namespace

Corvela::Corvela()
{
    nomeClasse = "Corvela";
    dificuldade = DIFICULDADE_INICIAL;
    fabricas[APRESENTACAO] = cria<Apresentacao>;
    fabricas[MENU] = cria<Menu>;
    fabricas[JOGO] = cria<Jogo>;
    fabricas[CREDITOS] = cria<Creditos>;
}

void Corvela::finalizacao()
{
}

void Corvela::defFabrica(int modulo, FabricaModulo fabrica)
{
    if (modulo >= 0 && modulo < NUM_MODULOS && fabrica != nullptr)
        fabricas[modulo] = fabrica;
}

void Corvela::defProxModulo(int modulo)
{
    proxModulo = modulo;
}

void Corvela::carregaModuloMem()
{
    if (proxModulo < 0 || proxModulo >= NUM_MODULOS) {
        proxModulo = -1;
        return;
    }
    // The old screen frees its pictures and fonts before the new one loads its own.
    delete moduloAtual;
    moduloAtual = nullptr;
    evento.zera();
    SDL_FillRect(video.retornaTela(), nullptr, plataforma::corPreta(video.retornaTela()));
    moduloAtual = fabricas[proxModulo]();
    proxModulo = -1;
    moduloAtual->defProjeto(this);
    moduloAtual->init();
}

bool Corvela::init()
{
    if (!abreVideo(video, ARQUIVO_VIDEO))
        return false;
    video.tituloJanela("SDL Corvela");
    SDL_ShowCursor(SDL_DISABLE);
    // The pointer is read in the screen's pixels, however large the window.
    evento.defEscala(video.retornaEscala());
    ligaTeclas(evento, ARQUIVO_TECLAS);
    // A pad plugged in later is not seen: SDL 1.2 lists controllers only when it opens them.
    evento.carregaConfigControlePadrao();
    evento.abreControle();
    return true;
}

void Corvela::execProj()
{
    defProxModulo(APRESENTACAO);
    carregaModuloMem();
    executando = true;
    cicloPrincipal();
}
