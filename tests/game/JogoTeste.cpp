// The game screen driven by real key events, one frame at a time: the win and "CLEAR!", the
// pictures in turn, the cursor and the order of the keys, pause, the way back to the menu,
// the screen without pictures, the difficulties with a game played by a solver, the records.
#include <SDL_mixer.h>
#include <gtest/gtest.h>

#include "engine/media/CTexto.h"
#include "engine/media/CVideo.h"
#include "game/Jogo.h"
#include "game/Menu.h"
#include "tests/apoio/DadosProprios.h"
#include "tests/apoio/Resolvedor.h"
#include "tests/apoio/TelasTeste.h"

using namespace resolvedor;

namespace {

const Cor CIANO = {100, 255, 255};
const int ESQUERDA = 80;  // the board's left edge; the panel lies to its left

// Every frame as drawn, and per frame 'c' when the screen said it paints every pixel.
struct Gravacao {
    std::vector<Superficie> quadros;
    std::string cobertos;
} gravacao;

// The screen with the main loop's clear always made (suja false) or, where the screen says
// it paints every pixel, left out and a colour of the test's own put there instead.
template <class Tela, bool suja>
struct SemLimpeza : Tela {
    bool cobreTela() const override { return suja && Tela::cobreTela(); }
    void ciclo() override
    {
        SDL_Surface* t = CVideo::telaAtual();
        const bool cobre = Tela::cobreTela();
        if (suja && cobre)
            SDL_FillRect(t, nullptr, SDL_MapRGB(t->format, 40, 250, 90));
        Tela::ciclo();
        gravacao.quadros.emplace_back(SDL_ConvertSurface(t, t->format, SDL_SWSURFACE),
                                      SDL_FreeSurface);
        gravacao.cobertos += cobre ? 'c' : '.';
    }
    static CModulo* cria() { return new SemLimpeza; }
};

class Jogando : public TelasTeste {
protected:
    void entra(Uint8 d) { projeto.dificuldade = d; partida.entra(Corvela::JOGO); }
    Jogo& jogo() { return *static_cast<Jogo*>(projeto.retornaModulo()); }
    Tabuleiro& tab() { return jogo().retornaTabuleiro(); }
    Uint32 tempo() { return jogo().retornaTemporizador().retornaTempo(); }
    // Each cell selected and the action key pressed on it, a frame each.
    void aciona(std::initializer_list<unsigned> posicoes)
    {
        for (unsigned p : posicoes) {
            tab().seleciona(p);
            aperta(SDLK_LCTRL);
        }
    }
    // Each key pressed in a frame of its own, then a frame without keys.
    void apertaCada(std::initializer_list<SDLKey> teclas)
    {
        for (SDLKey t : teclas)
            aperta(t);
        quadros();
    }
    // Whether the pixels of colour cor in texto's box at (x, y) are those of texto alone.
    bool mostra(const std::string& texto, int x, int y, Cor cor)
    {
        CTexto ref;
        ref.inicializa(320, 240, FONTE_CELULA, 8);
        Superficie s = novaSuperficie(16, 320, 240);
        ref.escreveTexto(texto);
        ref.exibe(x, y, s.get(), cor.r, cor.g, cor.b);
        const int w = static_cast<int>(texto.size()) * CELULA;
        const Uint32 tinta = SDL_MapRGB(s->format, cor.r, cor.g, cor.b);
        for (int j = y; j < y + ref.retornaAlturaCaractere(); ++j)
            for (int i = x; i < x + w; ++i)
                if ((pixela(s.get(), i, j) == tinta) != (pixela(tela(), i, j) == tinta))
                    return false;
        return contaPixels(s.get(), x, y, w, CELULA, tinta) > 0;
    }
};

// The winning frame is still a playing frame; then "CLEAR!" over the whole picture, where the
// time stands and only the action key is heard: it starts the next game on the next picture.
TEST_F(Jogando, VitoriaClearEAsFigurasEmSequencia)
{
    DadosProprios dados;
    gravaBmp("data/bg/0.bmp", 240, 240, {0, 0, 200});
    gravaBmp("data/bg/1.bmp", 240, 240, {80, 0, 200});
    entra(9);        // no shuffle: every game starts solved
    tab().move(15);  // before the first frame; then one move from solved, under the cursor
    auto inteira = [&]() {  // the board all in the current picture's colour
        const Cor c = {Uint8(80 * (tab().retornaImagemAtual()[0] - '0')), 0, 200};
        return contaCor(tela(), ESQUERDA, 0, 240, 240, c) == 240 * 240;
    };
    quadros();
    aperta(SDLK_LCTRL);
    EXPECT_NE(0, Mix_Playing(0));
    EXPECT_TRUE(mostra("Wins: 1", 4, 5, VERDE) && mostra("Moves: 1", 4, 60, CIANO));
    EXPECT_FALSE(inteira()) << "the hole is drawn";
    const Uint32 parado = tempo();
    apertaCada({SDLK_ESCAPE, SDLK_RETURN, SDLK_RIGHT, SDLK_BACKSPACE});
    EXPECT_TRUE(tempo() == parado && projeto.retornaProxModulo() == -1);
    EXPECT_FALSE(jogo().retornaPausado() || tab().retornaAjuda() || tab().retornaSelecionado());
    EXPECT_TRUE(mostra("CLEAR!", 12, 12, VERDE) && mostra("Moves: 1", 4, 180, CIANO));
    EXPECT_TRUE(mostra(Jogo::retornaTempoF(tempo()), 4, 210, CIANO) && inteira());
    const std::string figura = tab().retornaImagemAtual();
    projeto.dificuldade = Jogo::NORMAL;  // read again by every new game
    aperta(SDLK_LALT);                   // action's second key
    EXPECT_FALSE(jogo().retornaLimpo() || tab().venceu()) << "shuffled again";
    EXPECT_NE(figura, tab().retornaImagemAtual());
}

// A press on a cell selects it and moves its tile when it touches the hole, counted as the
// action key's move; off the board nothing happens; on "CLEAR!" a press starts the next game
// and is not played again on the new board.
TEST_F(Jogando, CliqueMoveAPecaVizinhaDoBuracoESaiDoClear)
{
    entra(9);
    tab().move(15);  // the hole at position 15, in the bottom row's third column
    partida.clica(80, 0);
    EXPECT_EQ(1u, tab().retornaSelecionado()) << "the board's top left pixel";
    partida.clica(79, 100);
    EXPECT_EQ(1u, tab().retornaSelecionado()) << "the panel";
    partida.clica(230, 150);
    EXPECT_EQ(11u, tab().retornaSelecionado());
    partida.clica(230, 210);
    EXPECT_TRUE(jogo().retornaMovimentos() == 2 && !jogo().retornaLimpo());
    partida.clica(319, 239);
    EXPECT_TRUE(jogo().retornaLimpo() && jogo().retornaMovimentos() == 3);
    projeto.dificuldade = Jogo::NORMAL;
    partida.clica(110, 90);  // the second row's first cell
    EXPECT_FALSE(jogo().retornaLimpo() || tab().retornaSelecionado() || jogo().retornaMovimentos());
}

TEST_F(Jogando, CursorAjudaEPausaUmaTeclaPorQuadroNaOrdemDaTabela)
{
    entra(9);
    tab().move(15);  // solved but for the hole at position 15
    // Right and left walk the reading order, up and down the column, all round (position 0
    // is the bottom-right cell).
    const struct { unsigned de; SDLKey tecla; unsigned para; } passos[] = {
        {4, SDLK_RIGHT, 5}, {15, SDLK_RIGHT, 0}, {0, SDLK_RIGHT, 1}, {1, SDLK_LEFT, 0},
        {0, SDLK_LEFT, 15}, {9, SDLK_LEFT, 8}, {13, SDLK_DOWN, 1}, {12, SDLK_DOWN, 0},
        {0, SDLK_DOWN, 4}, {6, SDLK_DOWN, 10}, {1, SDLK_UP, 13}, {4, SDLK_UP, 0},
        {0, SDLK_UP, 12}, {7, SDLK_UP, 3}};
    for (const auto& p : passos) {
        tab().seleciona(p.de);
        aperta(p.tecla);
        EXPECT_EQ(p.para, tab().retornaSelecionado()) << p.de << " " << p.tecla;
    }
    // Keys in one frame: only the first of right, left, down, up, action, help, pause.
    tab().seleciona(5);
    aperta({SDLK_UP, SDLK_DOWN, SDLK_LEFT, SDLK_RIGHT});
    EXPECT_EQ(6u, tab().retornaSelecionado());
    aciona({10u, 15u, 5u});  // diagonal, the hole itself, far away
    EXPECT_EQ(0u, jogo().retornaMovimentos()) << "a refused move is not counted";
    tab().seleciona(11);
    aperta({SDLK_RETURN, SDLK_BACKSPACE, SDLK_LCTRL});
    EXPECT_EQ(1u, jogo().retornaMovimentos());
    aperta({SDLK_RETURN, SDLK_BACKSPACE});
    EXPECT_TRUE(tab().retornaAjuda() && !jogo().retornaPausado());

    // The frame that pauses is still played and drawn; then only the word, and only the
    // pause key is heard; the time stands.
    aperta(SDLK_RETURN);
    ASSERT_TRUE(jogo().retornaPausado());
    EXPECT_TRUE(temTinta(tela(), ESQUERDA, 0, 240, 240));
    const Uint32 t = tempo();
    apertaCada({SDLK_RIGHT, SDLK_LCTRL, SDLK_ESCAPE});
    EXPECT_TRUE(tempo() == t && tab().retornaSelecionado() == 11 &&
                jogo().retornaMovimentos() == 1 && projeto.retornaProxModulo() == -1);
    EXPECT_TRUE(mostra("PAUSED", 12, 12, VERDE) && !temTinta(tela(), 0, 25, 320, 215) &&
                !temTinta(tela(), 60, 0, 260, 25));
    aperta(SDLK_RETURN);
    EXPECT_FALSE(jogo().retornaPausado() || temTinta(tela(), 0, 0, 320, 240) || tempo() != t);
    quadros();
    EXPECT_GT(tempo(), t);
}

// Without a usable picture only the back key works; three white lines centred in the
// board's square say what is missing.
TEST_F(Jogando, SemFigurasSoAVoltaFuncionaEOTabuleiroDizOQueFalta)
{
    DadosProprios dados;  // an empty data/bg
    entra(Jogo::NORMAL);
    apertaCada({SDLK_RIGHT, SDLK_DOWN, SDLK_LCTRL, SDLK_BACKSPACE, SDLK_RETURN});
    EXPECT_EQ(0u, jogo().retornaVitorias() + jogo().retornaMovimentos() + tab().retornaSelecionado());
    EXPECT_TRUE(mostra("No pictures to play with.", 100, 94, BRANCO) &&
                mostra("Put 240x240 BMP files", 116, 111, BRANCO) &&
                mostra("in data/bg", 160, 128, BRANCO));
    aperta(SDLK_ESCAPE);
    quadros();
    EXPECT_EQ("Menu", ativo());
}

// Impossible leaves a board no moves can solve, Normal one they can; Easy one that a solver
// wins in at most 11 moves, unless the shuffle ended solved and ran again (counted).
TEST_F(Jogando, DificuldadesEPartidaFacilJogadaPeloResolvedor)
{
    entra(Jogo::IMPOSSIVEL);
    EXPECT_FALSE(resolvivel(arranjo(tab())));
    entra(Jogo::NORMAL);
    EXPECT_TRUE(resolvivel(arranjo(tab())));
    entra(Jogo::FACIL);
    std::vector<Passo> passos;
    ASSERT_TRUE(resolve(arranjo(tab()), tab().retornaResolvidos() == 0 ? 11 : 40, passos));
    for (const Passo& p : passos) {
        ASSERT_FALSE(jogo().retornaLimpo());
        aciona({static_cast<unsigned>(p.posicao)});
    }
    EXPECT_TRUE(jogo().retornaLimpo() && jogo().retornaMovimentos() == passos.size());
}

// Each record only goes down, on its own. The key that leaves "CLEAR!" plays in the next
// game. Back asks for the menu on its release, and a new visit starts from nothing.
TEST_F(Jogando, RecordesVoltaAoMenuENovaVisita)
{
    entra(9);        // no shuffle: every game starts solved
    tab().move(15);  // before the first frame: no win at once
    quadros(60);
    const Uint32 lento = tempo();
    aciona({0u, 15u});
    EXPECT_TRUE(tab().retornaBloco(3, 3).numero == 15 && mostra("Moves: 1", 4, 180, BRANCO));
    aciona({14u, 15u, 14u, 15u});
    const Uint32 rapido = tempo();
    aciona({0});  // 6 moves against 1, in less time
    ASSERT_LT(rapido, lento);
    EXPECT_TRUE(jogo().retornaRecordeTempo() == rapido && mostra("Moves: 1", 4, 60, CIANO));
    EXPECT_TRUE(mostra(Jogo::retornaTempoF(rapido), 4, 90, CIANO));
    aciona({15});
    desce(SDLK_ESCAPE);
    quadros();
    EXPECT_EQ("Jogo", ativo()) << "pressing back is not enough";
    desce(SDLK_ESCAPE, false);
    quadros();
    EXPECT_EQ("Menu", ativo());
    entra(Jogo::NORMAL);
    quadros();
    EXPECT_EQ(0u, jogo().retornaVitorias() + jogo().retornaRecordeMovimentos() +
                      jogo().retornaRecordeTempo());
    EXPECT_TRUE(mostra("Wins: 0", 4, 5, VERDE) && mostra("Moves: 0", 4, 60, CIANO));
    EXPECT_TRUE(mostra("00:00:00", 4, 90, CIANO));
}

// The game screen playing (with the tile numbers) and on "CLEAR!", and the menu, say they
// paint every pixel, so the main loop leaves out its clear: each frame is the same, pixel
// for pixel, as with the clear. Paused, and on the frame that resumes, the game screen does
// not say so.
TEST_F(Jogando, TelasQueCobremATelaSaoAsMesmasSemALimpeza)
{
    auto roteiro = [&](Corvela::FabricaModulo jogo, Corvela::FabricaModulo menu) {
        gravacao = {};
        projeto.defFabrica(Corvela::JOGO, jogo);
        projeto.defFabrica(Corvela::MENU, menu);
        entra(9);        // no shuffle
        tab().move(15);  // one move from solved, under the cursor
        quadros();
        aperta(SDLK_BACKSPACE);  // the tile numbers
        aperta(SDLK_RETURN);     // paused from the next frame on
        quadros();
        aperta(SDLK_RETURN);
        aperta(SDLK_LCTRL);  // won: "CLEAR!" from the next frame on
        quadros();
        projeto.defProxModulo(Corvela::MENU);
        quadros(2);
        aperta(SDLK_DOWN);
        return std::move(gravacao);
    };
    const Gravacao limpa = roteiro(SemLimpeza<Jogo, false>::cria, SemLimpeza<Menu, false>::cria);
    const Gravacao suja = roteiro(SemLimpeza<Jogo, true>::cria, SemLimpeza<Menu, true>::cria);
    EXPECT_EQ("ccc..ccccc", suja.cobertos);
    ASSERT_EQ(limpa.quadros.size(), suja.quadros.size());
    for (size_t i = 0; i < suja.quadros.size(); ++i)
        EXPECT_EQ(0, diferencas(limpa.quadros[i].get(), suja.quadros[i].get())) << "frame " << i;
}

}  // namespace
