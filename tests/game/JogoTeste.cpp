// The game screen driven by real key events, one frame at a time: the win and "CLEAR!", the
// pictures in turn, the cursor and the order of the keys, pause, the way back to the menu,
// the screen without pictures, the difficulties with a game played by a solver, the records.
#include <SDL_mixer.h>
#include <gtest/gtest.h>

#include "engine/media/CTexto.h"
#include "game/Jogo.h"
#include "tests/apoio/DadosProprios.h"
#include "tests/apoio/Resolvedor.h"
#include "tests/apoio/TelasTeste.h"

namespace {

const Cor VERDE = {0, 255, 0};
const Cor CIANO = {100, 255, 255};
const Cor BRANCO = {255, 255, 255};
const int ESQUERDA = 80;  // the board's left edge; the panel lies to its left

class Jogando : public TelasTeste {
protected:
    void entra(Uint8 dificuldade)
    {
        testing::internal::CaptureStdout();  // the board lists its pictures
        projeto.dificuldade = dificuldade;
        partida.entra(Corvela::JOGO);
        testing::internal::GetCapturedStdout();
    }
    Jogo& jogo() { return *static_cast<Jogo*>(projeto.retornaModulo()); }
    Tabuleiro& tab() { return jogo().retornaTabuleiro(); }
    Uint32 tempo() { return jogo().retornaTemporizador().retornaTempo(); }
    void aciona(unsigned p)
    {
        tab().seleciona(p);
        aperta(SDLK_LCTRL);
    }
    // The solved order by swaps, which count no move.
    void ordena()
    {
        for (unsigned p = 1; p < 16; ++p)
            tab().troca(static_cast<Uint8>(p), tab().buscaPosicao(p)->numero);
    }
    resolvedor::Arranjo arranjo()
    {
        resolvedor::Arranjo a;
        for (unsigned i = 0; i < 16; ++i)
            a.push_back(tab().retornaBloco(i / 4, i % 4).numero);
        return a;
    }
    // From the hole at position 15: 2k + 1 moves and q idle frames to a win.
    void ganha(unsigned k, int q)
    {
        for (unsigned i = 0; i < k; ++i) {
            aciona(14);
            aciona(15);
        }
        quadros(q);
        tempoVitoria = tempo();
        aciona(0);
    }
    // Whether the pixels of colour cor in texto's box at (x, y) are those of texto alone.
    bool mostra(const std::string& texto, int x, int y, Cor cor)
    {
        CTexto ref;
        ref.inicializa(320, 240, FONTE_CELULA, 8);
        Superficie s = novaSuperficie(16, 320, 240);
        ref.escreveTexto(texto);
        ref.exibe(x, y, s.get(), cor.r, cor.g, cor.b);
        const Uint32 tinta = SDL_MapRGB(tela()->format, cor.r, cor.g, cor.b);
        const int w = static_cast<int>(texto.size()) * ref.retornaLarguraCaractere();
        bool algum = false;
        for (int j = y; j < y + ref.retornaAlturaCaractere(); ++j)
            for (int i = x; i < x + w; ++i) {
                const bool esperado = pixela(s.get(), i, j) == tinta;
                algum = algum || esperado;
                if (esperado != (pixela(tela(), i, j) == tinta))
                    return false;
            }
        return algum;
    }
    bool tabuleiroVazio() { return !temTinta(tela(), ESQUERDA, 0, 240, 240); }

    Uint32 tempoVitoria = 0;
};

// The winning frame is still a playing frame; then "CLEAR!" over the whole picture, where the
// time stands and only the action key is heard: it starts the next game on the next picture.
TEST_F(Jogando, VitoriaClearEAsFigurasEmSequencia)
{
    DadosProprios dados;
    for (Uint8 k = 0; k < 3; ++k)
        dados.figura("p" + std::to_string(k) + ".bmp", 240, 240, {Uint8(80 * k), 0, 200});
    entra(Jogo::NORMAL);
    EXPECT_EQ(1, Mix_PlayingMusic());
    const std::vector<std::string> lista = tab().retornaImagens();
    ASSERT_EQ(3u, lista.size());
    auto inteira = [&](int v) {  // the board all in the colour of game v's picture
        const Cor c = {Uint8(80 * (lista[v % 3][1] - '0')), 0, 200};
        return contaCor(tela(), ESQUERDA, 0, 240, 240, c) == 240 * 240;
    };
    quadros();
    ordena();
    tab().move(15);  // one move from solved, under the cursor
    const Uint32 antes = tempo();
    aperta(SDLK_LCTRL);
    EXPECT_EQ(1u, jogo().retornaVitorias());
    EXPECT_EQ(1u, jogo().retornaRecordeMovimentos());
    EXPECT_EQ(antes, jogo().retornaRecordeTempo());
    EXPECT_NE(0, Mix_Playing(0));
    EXPECT_TRUE(mostra("Wins: 1", 4, 5, VERDE));
    EXPECT_TRUE(mostra("Moves: 1", 4, 60, CIANO));
    EXPECT_FALSE(inteira(0)) << "the hole is drawn";

    quadros();
    EXPECT_TRUE(mostra("CLEAR!", 12, 12, VERDE));
    EXPECT_TRUE(mostra("Moves: 1", 4, 180, CIANO));
    EXPECT_TRUE(mostra(Jogo::retornaTempoF(tempo()), 4, 210, CIANO));
    EXPECT_TRUE(inteira(0));
    const Uint32 parado = tempo();
    for (SDLKey k : {SDLK_ESCAPE, SDLK_RETURN, SDLK_RIGHT, SDLK_BACKSPACE})
        aperta(k);
    quadros();
    EXPECT_EQ(parado, tempo());
    EXPECT_EQ(-1, projeto.retornaProxModulo());
    EXPECT_FALSE(jogo().retornaPausado() || tab().retornaAjuda() || tab().retornaSelecionado());
    EXPECT_TRUE(mostra("CLEAR!", 12, 12, VERDE));

    for (int v = 1; v <= 3; ++v) {
        aperta(SDLK_LALT);  // action's second key
        EXPECT_FALSE(jogo().retornaLimpo() || tab().venceu()) << "shuffled again";
        EXPECT_LT(tempo(), 100u);
        ordena();
        quadros(2);
        EXPECT_TRUE(inteira(v)) << v;
    }

    // Without a shuffle every game is won at once; the key that leaves "CLEAR!" is also
    // played in the new game.
    entra(9);
    quadros(2);
    ASSERT_TRUE(jogo().retornaLimpo());
    aciona(15);
    EXPECT_FALSE(jogo().retornaLimpo());
    EXPECT_EQ(15, tab().retornaBloco(3, 3).numero);
    EXPECT_TRUE(mostra("Moves: 1", 4, 180, BRANCO));
}

TEST_F(Jogando, CursorDaVoltaEUmaTeclaPorQuadroNaOrdemDaTabela)
{
    entra(Jogo::NORMAL);
    // By reading index i (position i + 1, the last 0): right and left walk i, up and down
    // the row within the column, all round.
    const struct { SDLKey tecla; int passo; bool linha; } teclas[] = {
        {SDLK_RIGHT, 1, false}, {SDLK_LEFT, 15, false}, {SDLK_DOWN, 1, true}, {SDLK_UP, 3, true}};
    for (unsigned p = 0; p < 16; ++p)
        for (const auto& t : teclas) {
            const int i = p == 0 ? 15 : static_cast<int>(p) - 1;
            const int j = t.linha ? ((i / 4 + t.passo) % 4) * 4 + i % 4 : (i + t.passo) % 16;
            tab().seleciona(p);
            aperta(t.tecla);
            EXPECT_EQ(j == 15 ? 0 : j + 1, tab().retornaSelecionado()) << p << " " << t.tecla;
        }
    // Two keys in one frame: only the first of right, left, down, up, action, help, pause.
    const struct { SDLKey primeira, segunda; unsigned esperado; } pares[] = {
        {SDLK_RIGHT, SDLK_LEFT, 6}, {SDLK_LEFT, SDLK_DOWN, 4}, {SDLK_DOWN, SDLK_UP, 9},
        {SDLK_UP, SDLK_LCTRL, 1}};
    for (const auto& par : pares) {
        tab().seleciona(5);
        aperta({par.segunda, par.primeira});
        EXPECT_EQ(par.esperado, tab().retornaSelecionado()) << par.primeira;
    }
    EXPECT_EQ(0u, jogo().retornaMovimentos());
    ordena();
    tab().move(15);                          // the hole at position 15
    for (unsigned longe : {10u, 15u, 5u})    // diagonal, the hole itself, far away
        aciona(longe);
    EXPECT_EQ(0u, jogo().retornaMovimentos()) << "a refused move is not counted";
    tab().seleciona(11);
    aperta({SDLK_RETURN, SDLK_BACKSPACE, SDLK_LCTRL});
    EXPECT_EQ(1u, jogo().retornaMovimentos());
    EXPECT_FALSE(tab().retornaAjuda());
    aperta({SDLK_RETURN, SDLK_BACKSPACE});
    EXPECT_TRUE(tab().retornaAjuda() && !jogo().retornaPausado());
    aperta(SDLK_BACKSPACE);
    EXPECT_FALSE(tab().retornaAjuda());
}

TEST_F(Jogando, PausaEscondeOTabuleiroEParaOTempo)
{
    entra(Jogo::NORMAL);
    quadros();
    aperta(SDLK_RETURN);  // the frame that pauses is still played and drawn
    ASSERT_TRUE(jogo().retornaPausado());
    EXPECT_FALSE(tabuleiroVazio());
    const Uint32 t = tempo();
    const unsigned selecionado = tab().retornaSelecionado();
    for (SDLKey k : {SDLK_RIGHT, SDLK_LCTRL, SDLK_ESCAPE})
        aperta(k);
    quadros();
    EXPECT_EQ(t, tempo());
    EXPECT_EQ(selecionado, tab().retornaSelecionado());
    EXPECT_EQ(0u, jogo().retornaMovimentos());
    EXPECT_EQ(-1, projeto.retornaProxModulo());
    EXPECT_TRUE(mostra("PAUSED", 12, 12, VERDE));
    SDL_Rect palavra = {12, 12, 6 * CELULA, 13};
    SDL_FillRect(tela(), &palavra, 0);
    EXPECT_FALSE(temTinta(tela(), 0, 0, 320, 240)) << "only the word is drawn";

    aperta(SDLK_RETURN);
    EXPECT_FALSE(jogo().retornaPausado());
    EXPECT_FALSE(temTinta(tela(), 0, 0, 320, 240)) << "the frame that resumes is blank";
    EXPECT_EQ(t, tempo());
    quadros();
    EXPECT_FALSE(tabuleiroVazio());
    EXPECT_GT(tempo(), t);
}

TEST_F(Jogando, VoltaAoMenuNaTeclaSoltaENovaVisitaComecaDoZero)
{
    entra(9);
    quadros();
    aciona(15);  // won, and on to the next game
    ASSERT_EQ(1u, jogo().retornaVitorias());
    desce(SDLK_ESCAPE);
    quadros();
    EXPECT_EQ(-1, projeto.retornaProxModulo()) << "pressing back is not enough";
    // Back released with right pressed: only the menu is asked for, and the frame is drawn
    // (run by hand to look at it before the switch).
    desce(SDLK_ESCAPE, false);
    desce(SDLK_RIGHT);
    projeto.retornaEvento()->descarregaFila();
    SDL_FillRect(tela(), nullptr, 0);
    jogo().ciclo();
    EXPECT_EQ(Corvela::MENU, projeto.retornaProxModulo());
    EXPECT_EQ(15u, tab().retornaSelecionado());
    EXPECT_TRUE(mostra("Wins: 1", 4, 5, VERDE));
    EXPECT_FALSE(tabuleiroVazio());
    projeto.carregaModuloMem();
    EXPECT_EQ("Menu", ativo());

    entra(Jogo::NORMAL);
    quadros();
    EXPECT_EQ(0u, jogo().retornaVitorias() + jogo().retornaRecordeMovimentos() +
                      jogo().retornaRecordeTempo());
    EXPECT_TRUE(mostra("Wins: 0", 4, 5, VERDE));
    EXPECT_TRUE(mostra("Moves: 0", 4, 60, CIANO));
    EXPECT_TRUE(mostra("00:00:00", 4, 90, CIANO));
}

TEST_F(Jogando, SemFigurasSoAVoltaFuncionaEOTabuleiroDizOQueFalta)
{
    DadosProprios dados;
    dados.figura("largo.bmp", 320, 240, {0, 0, 200});
    testing::internal::CaptureStderr();
    entra(Jogo::NORMAL);
    testing::internal::GetCapturedStderr();
    ASSERT_TRUE(tab().retornaImagens().empty());
    for (SDLKey k : {SDLK_RIGHT, SDLK_DOWN, SDLK_LCTRL, SDLK_BACKSPACE, SDLK_RETURN})
        aperta(k);
    quadros();
    EXPECT_EQ(0u, jogo().retornaVitorias()) << "the unshuffled board is no win";
    EXPECT_EQ(0u, jogo().retornaMovimentos() + tab().retornaSelecionado());
    EXPECT_FALSE(tab().retornaAjuda() || jogo().retornaPausado() || jogo().retornaLimpo());
    EXPECT_TRUE(temTinta(tela(), 0, 0, ESQUERDA, 240)) << "the panel";
    // Three lines of white text, centred in the board's square.
    const Uint32 branco = SDL_MapRGB(tela()->format, 255, 255, 255);
    int x0 = 320, x1 = 0, y0 = 240, y1 = 0, faixas = 0;
    for (int y = 0, antes = 0; y < 240; ++y) {
        int linha = 0;
        for (int x = ESQUERDA; x < 320; ++x)
            if (pixela(tela(), x, y) == branco) {
                linha = 1;
                x0 = std::min(x0, x), x1 = std::max(x1, x), y0 = std::min(y0, y), y1 = y;
            }
        faixas += linha > antes;
        antes = linha;
    }
    EXPECT_EQ(3, faixas);
    EXPECT_NEAR(x0 - ESQUERDA, 319 - x1, CELULA);
    EXPECT_NEAR(y0, 239 - y1, CELULA);
    EXPECT_GT(x1 - x0, 20 * CELULA) << "a line, not a column of words";
    aperta(SDLK_ESCAPE);
    quadros();
    EXPECT_EQ("Menu", ativo());
}

// Impossible leaves a board no moves can solve, Normal one they can; Easy one that a solver
// wins in at most 11 moves, unless the shuffle ended solved and ran again (counted).
TEST_F(Jogando, DificuldadesEPartidaFacilJogadaPeloResolvedor)
{
    entra(Jogo::IMPOSSIVEL);
    EXPECT_FALSE(resolvedor::resolvivel(arranjo()));
    entra(Jogo::NORMAL);
    EXPECT_TRUE(resolvedor::resolvivel(arranjo()));
    EXPECT_NE(resolvedor::resolvido(4), arranjo());
    entra(Jogo::FACIL);
    std::vector<resolvedor::Passo> passos;
    ASSERT_TRUE(resolvedor::resolve(arranjo(), tab().retornaResolvidos() == 0 ? 11 : 40, passos));
    for (const resolvedor::Passo& p : passos) {
        ASSERT_FALSE(jogo().retornaLimpo());
        aciona(static_cast<unsigned>(p.posicao));
    }
    EXPECT_TRUE(jogo().retornaLimpo());
    EXPECT_EQ(passos.size(), jogo().retornaMovimentos());
}

// Each record only goes down, on its own; the first win sets both, even at 0 moves and 0 ms.
TEST_F(Jogando, RecordesDaVisitaSoDescemCadaUmPorSi)
{
    entra(9);
    quadros();
    aciona(15);
    ganha(1, 5);
    EXPECT_EQ(2u, jogo().retornaVitorias());
    EXPECT_EQ(0u, jogo().retornaRecordeMovimentos() + jogo().retornaRecordeTempo());

    entra(9);
    tab().move(15);  // before the first frame: no win at once
    ganha(5, 60);
    const Uint32 primeiro = tempoVitoria;
    EXPECT_EQ(11u, jogo().retornaRecordeMovimentos());
    EXPECT_EQ(primeiro, jogo().retornaRecordeTempo());
    aciona(15);
    ganha(7, 10);  // 16 moves, faster
    const Uint32 rapido = tempoVitoria;
    ASSERT_LT(rapido, primeiro);
    EXPECT_EQ(11u, jogo().retornaRecordeMovimentos());
    EXPECT_EQ(rapido, jogo().retornaRecordeTempo());
    aciona(15);
    ganha(2, 80);  // 6 moves, slower
    ASSERT_GT(tempoVitoria, rapido);
    EXPECT_EQ(6u, jogo().retornaRecordeMovimentos());
    EXPECT_EQ(rapido, jogo().retornaRecordeTempo());
    EXPECT_EQ(3u, jogo().retornaVitorias());
    EXPECT_TRUE(mostra("Moves: 6", 4, 60, CIANO));
    EXPECT_TRUE(mostra(Jogo::retornaTempoF(rapido), 4, 90, CIANO));
}

}  // namespace
