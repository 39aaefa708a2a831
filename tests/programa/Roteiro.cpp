// Roteiro: the key sequence of each screen, the waits and the solver's moves.
#include "tests/programa/Roteiro.h"

#include <algorithm>
#include <vector>

#include "tests/apoio/Resolvedor.h"
#include "engine/core/CRelogio.h"
#include "game/Jogo.h"
#include "game/Menu.h"

namespace {

const Uint32 QUADRO_MS = CRelogio::INTERVALO_MIN_PADRAO;
// Waits for timers (the intro's five seconds, the menu's thirty) in long frames.
const Uint32 QUADRO_LONGO_MS = 1000;
const unsigned LIMITE_QUADROS = 400;
const unsigned LIMITE_SOLUCAO = 40;  // an easy board needs far fewer moves
const unsigned LADO = 4;
const unsigned MOVIMENTOS_APOS_VITORIA = 2;

}  // namespace

bool Roteiro::espera(const char* tela, Uint32 passoMs, unsigned limite)
{
    CRelogio* relogio = jogo.retornaRelogio();
    relogio->ajustaIntervalos(CRelogio::INTERVALO_MIN_PADRAO,
                              std::max(passoMs, CRelogio::INTERVALO_MAX_PADRAO));
    partida.ticks.passo = passoMs;
    unsigned n = 0;
    while (ativo() != tela && jogo.retornaExecutando() && n++ < limite)
        quadro();
    relogio->ajustaIntervalos(CRelogio::INTERVALO_MIN_PADRAO, CRelogio::INTERVALO_MAX_PADRAO);
    partida.ticks.passo = QUADRO_MS;
    if (ativo() == tela)
        return true;
    motivo = std::string("no ") + tela + " after " + std::to_string(n) + " frames in " + ativo();
    return false;
}

bool Roteiro::joga()
{
    Jogo& tela = *static_cast<Jogo*>(jogo.retornaModulo());
    Tabuleiro& tab = tela.retornaTabuleiro();
    if (tab.retornaImagens().empty())
        return true;  // nothing to play: only the back key works
    const auto arranjo = [&tab]() {
        resolvedor::Arranjo a;
        for (unsigned r = 0; r < LADO; ++r)
            for (unsigned c = 0; c < LADO; ++c)
                a.push_back(tab.retornaBloco(r, c).numero);
        return a;
    };
    // The cursor goes right, wrapping, to the tile; the action key moves it into the hole.
    const auto aciona = [&](unsigned p) {
        for (unsigned n = 0; tab.retornaSelecionado() != p && n < LADO * LADO; ++n)
            aperta(SDLK_RIGHT);
        aperta(SDLK_LCTRL);
    };
    std::vector<resolvedor::Passo> passos;
    if (!resolvedor::resolve(arranjo(), LIMITE_SOLUCAO, passos)) {
        motivo = "the easy board has no short solution";
        return false;
    }
    for (const resolvedor::Passo& p : passos)
        aciona(static_cast<unsigned>(p.posicao));
    if (!tela.retornaLimpo()) {
        motivo = "the solved board shows no CLEAR!";
        return false;
    }
    totalMovimentos += static_cast<unsigned>(passos.size());
    // The next picture. The action key that leaves "CLEAR!" also acts on the new board and
    // may solve it at once; within one second (the shuffle's seed) it would do so on every
    // try. A cursor key pressed with it takes that frame's turn instead.
    const auto saiDoClear = [&]() {
        for (unsigned n = 0; tela.retornaLimpo() && n < LIMITE_QUADROS; ++n) {
            quadro();
            roteiro::empurraTecla(SDLK_RIGHT, true);
            aperta(SDLK_LCTRL);
            roteiro::empurraTecla(SDLK_RIGHT, false);
        }
    };
    saiDoClear();
    // A few moves into the new game, meant not to finish it (the back key does nothing on
    // "CLEAR!"); should they finish it all the same, on to the next picture again.
    std::vector<resolvedor::Passo> proximos;
    if (resolvedor::resolve(arranjo(), LIMITE_SOLUCAO, proximos) &&
        proximos.size() > MOVIMENTOS_APOS_VITORIA) {
        for (unsigned i = 0; i < MOVIMENTOS_APOS_VITORIA; ++i)
            aciona(static_cast<unsigned>(proximos[i].posicao));
        totalMovimentos += MOVIMENTOS_APOS_VITORIA;
    }
    saiDoClear();
    totalVitorias += tela.retornaVitorias();
    if (tela.retornaLimpo()) {
        motivo = "the game stays on CLEAR!";
        return false;
    }
    return true;
}

bool Roteiro::volta()
{
    motivo.clear();
    if (!espera("Menu", QUADRO_LONGO_MS, LIMITE_QUADROS))
        return false;
    aperta(SDLK_UP);  // Normal -> Easy, with the highlight's sound
    toca(SDLK_LCTRL);
    if (!espera("Jogo", QUADRO_MS, 1) || !joga())
        return false;
    aperta(SDLK_ESCAPE);  // the back key's release asks for the menu
    if (!espera("Menu", QUADRO_MS, 2))
        return false;
    aperta(SDLK_DOWN);  // Normal -> Impossible -> Credits
    aperta(SDLK_DOWN);
    toca(SDLK_LCTRL);
    if (!espera("Creditos", QUADRO_MS, 1))
        return false;
    for (int i = 0; i < 10; ++i)
        quadro();
    aperta(SDLK_ESCAPE);
    // Left alone, the menu goes back to the intro.
    return espera("Menu", QUADRO_MS, 1) && espera("Apresentacao", QUADRO_LONGO_MS, LIMITE_QUADROS);
}

bool Roteiro::sai()
{
    if (!espera("Menu", QUADRO_LONGO_MS, LIMITE_QUADROS))
        return false;
    aperta(SDLK_UP);  // Normal -> Easy -> Quit, wrapping
    aperta(SDLK_UP);
    toca(SDLK_LCTRL);
    if (jogo.retornaExecutando()) {
        motivo = "Quit did not stop the loop";
        return false;
    }
    jogo.finalizacao();
    return true;
}
