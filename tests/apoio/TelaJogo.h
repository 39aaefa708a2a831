// TelaJogo: the game-screen tests' fixture: the project driven frame by frame by Partida with
// real keys and scripted ticks, the board arranged through its own operations, text read back
// from the screen. Depends on gtest, Partida, Jogo and the media test support.
#ifndef CORVELA_TESTES_TELAJOGO_H
#define CORVELA_TESTES_TELAJOGO_H

#include <SDL.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <initializer_list>
#include <string>
#include <vector>

#include "engine/media/CTexto.h"
#include "game/Jogo.h"
#include "tests/apoio/DadosProprios.h"
#include "tests/apoio/MidiaTeste.h"
#include "tools/roteiro/Partida.h"

const Cor VERDE = {0, 255, 0};
const Cor CIANO = {100, 255, 255};
const Cor BRANCO = {255, 255, 255};
const int ESQUERDA_TABULEIRO = 80;
const int LADO_TABULEIRO = 240;

class TelaJogo : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(partida.inicia()); }

    // A new visit to the game screen, as the menu makes it.
    void entra(Uint8 dificuldade)
    {
        testing::internal::CaptureStdout();  // the board's list of pictures
        projeto.dificuldade = dificuldade;
        partida.entra(Corvela::JOGO);
        testing::internal::GetCapturedStdout();
    }
    Jogo& jogo() { return *static_cast<Jogo*>(projeto.retornaModulo()); }
    Tabuleiro& tab() { return jogo().retornaTabuleiro(); }
    std::string modulo() const { return partida.ativo(); }
    SDL_Surface* tela() { return partida.tela(); }
    Uint32 tempo() { return jogo().retornaTemporizador().retornaTempo(); }

    void quadro() { partida.quadros(1); }
    // The keys go down together in the next frame; their release arrives with the frame after.
    void aperta(std::initializer_list<SDLKey> teclas) { partida.aperta(teclas); }
    void aperta(SDLKey tecla) { partida.aperta(tecla); }
    // Moves the cursor with the right key to p, then presses the action key there.
    void aciona(unsigned p)
    {
        while (tab().retornaSelecionado() != p)
            aperta(SDLK_RIGHT);
        aperta(SDLK_LCTRL);
    }
    // Solved order through swaps: no move is counted.
    void ordena()
    {
        for (unsigned p = 1; p < 16; ++p)
            tab().troca(static_cast<unsigned char>(p), tab().buscaPosicao(p)->numero);
    }

    // Playing frames, long ones meanwhile, until the game's timer reads alvo ms.
    void tempoAte(Uint32 alvo)
    {
        CRelogio* relogio = projeto.retornaRelogio();
        relogio->ajustaIntervalos(1, alvo);
        while (tempo() != alvo) {
            ASSERT_GE(alvo, tempo() + relogio->retornaIntervalo());
            ticks.passo = std::max<Uint32>(alvo - tempo() - relogio->retornaIntervalo(), 1);
            quadro();
        }
        relogio->ajustaIntervalos(CRelogio::INTERVALO_MIN_PADRAO, CRelogio::INTERVALO_MAX_PADRAO);
        ticks.passo = CRelogio::INTERVALO_MIN_PADRAO;
    }

    // From a playing board, a win with exactly movimentosAlvo moves at tempoAlvo ms: one or
    // two moves from solved, the spare moves back and forth beside the hole.
    void venceCom(Uint32 movimentosAlvo, Uint32 tempoAlvo)
    {
        const Uint32 falta = movimentosAlvo - jogo().retornaMovimentos();
        ordena();
        tab().move(15);
        const bool par = falta % 2 == 0;
        if (par)
            tab().move(14);
        const unsigned buraco = par ? 14 : 15;
        for (Uint32 i = 0; i < (falta - (par ? 2 : 1)) / 2; ++i) {
            aciona(buraco - 1);
            aciona(buraco);
        }
        if (par)
            aciona(15);
        while (tab().retornaSelecionado() != 0)
            aperta(SDLK_RIGHT);
        tempoAte(tempoAlvo);
        aperta(SDLK_LCTRL);
    }

    // Whether, in texto's box at (x, y), the pixels of colour cor are those of texto alone.
    bool mostra(const std::string& texto, int x, int y, Cor cor)
    {
        CTexto referencia;
        referencia.inicializa(320, 240, FONTE_CELULA, 8);
        Superficie s = novaSuperficie(16, 320, 240);
        referencia.escreveTexto(texto);
        referencia.exibe(x, y, s.get(), cor.r, cor.g, cor.b);
        const Uint32 tinta = SDL_MapRGB(tela()->format, cor.r, cor.g, cor.b);
        const int w = static_cast<int>(texto.size()) * referencia.retornaLarguraCaractere();
        bool algum = false;
        for (int j = y; j < y + referencia.retornaAlturaCaractere(); ++j)
            for (int i = x; i < x + w; ++i) {
                const bool esperado = pixela(s.get(), i, j) == tinta;
                algum = algum || esperado;
                if (esperado != (pixela(tela(), i, j) == tinta))
                    return false;
            }
        return algum;
    }
    bool tabuleiroVazio() { return !temTinta(tela(), ESQUERDA_TABULEIRO, 0, LADO_TABULEIRO, 240); }

    Partida partida{CRelogio::INTERVALO_MIN_PADRAO};
    Corvela& projeto = partida.jogo();
    roteiro::Ticks& ticks = partida.ticks;
};

#endif
