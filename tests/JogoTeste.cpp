// Tests of the game screen driven by real key events, one frame at a time: the win and
// "CLEAR!", the next pictures, the cursor and the order of the keys, pause, the way back to
// the menu, the screen without pictures, the shuffles and a game played by a solver.
#include <SDL_mixer.h>
#include <gtest/gtest.h>

#include <filesystem>

#include "game/Menu.h"
#include "tests/Resolvedor.h"
#include "tests/TelaJogo.h"

namespace {

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
        SDL_Surface* t = SDL_GetVideoSurface();
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

class Jogando : public TelaJogo {
protected:
    // Whether the board area shows the current picture whole, pixel for pixel.
    bool mostraFiguraInteira()
    {
        Superficie lida(SDL_LoadBMP(("data/bg/" + tab().retornaImagemAtual()).c_str()),
                        SDL_FreeSurface);
        Superficie figura(SDL_DisplayFormat(lida.get()), SDL_FreeSurface);
        for (int j = 0; j < LADO_TABULEIRO; ++j)
            for (int i = 0; i < LADO_TABULEIRO; ++i)
                if (pixela(figura.get(), i, j) != pixela(tela(), ESQUERDA_TABULEIRO + i, j))
                    return false;
        return true;
    }
    resolvedor::Arranjo arranjo()
    {
        resolvedor::Arranjo a;
        for (unsigned i = 0; i < 16; ++i)
            a.push_back(tab().retornaBloco(i / 4, i % 4).numero);
        return a;
    }
    // Solved but for tile 15, under the cursor at position 0 beside the hole.
    void quaseResolvido()
    {
        ordena();
        tab().move(15);
    }
};

TEST_F(Jogando, VitoriaContaTocaOSomEMostraClear)
{
    entra(Jogo::NORMAL);
    EXPECT_EQ(1, Mix_PlayingMusic());
    quadro();
    quaseResolvido();
    const Uint32 antes = tempo();
    aperta(SDLK_LCTRL);
    EXPECT_EQ(1u, jogo().retornaVitorias());
    EXPECT_EQ(1u, jogo().retornaRecordeMovimentos());
    EXPECT_EQ(antes, jogo().retornaRecordeTempo());
    EXPECT_NE(0, Mix_Playing(0));
    EXPECT_TRUE(jogo().retornaLimpo());
    // The winning frame is still a playing frame, with the new count and records.
    EXPECT_TRUE(mostra("Wins: 1", 4, 5, VERDE));
    EXPECT_TRUE(mostra("Moves: 1", 4, 60, CIANO));
    EXPECT_FALSE(mostraFiguraInteira()) << "the hole is drawn";

    quadro();
    EXPECT_TRUE(mostra("CLEAR!", 12, 12, VERDE));
    EXPECT_TRUE(mostra("Moves: 1", 4, 180, CIANO));
    EXPECT_TRUE(mostra(Jogo::retornaTempoF(tempo()), 4, 210, CIANO));
    EXPECT_TRUE(mostraFiguraInteira());

    // On "CLEAR!" the time stands and only the action key is heard.
    const Uint32 parado = tempo();
    for (SDLKey k : {SDLK_ESCAPE, SDLK_RETURN, SDLK_RIGHT, SDLK_BACKSPACE})
        aperta(k);
    quadro();
    EXPECT_EQ(parado, tempo());
    EXPECT_EQ(-1, projeto.retornaProxModulo());
    EXPECT_FALSE(jogo().retornaPausado() || tab().retornaAjuda() || tab().retornaSelecionado());
    EXPECT_TRUE(mostra("CLEAR!", 12, 12, VERDE));

    aperta(SDLK_LALT);  // action's second key: the next game, shuffled again
    EXPECT_FALSE(jogo().retornaLimpo() || tab().venceu());
    EXPECT_LT(tempo(), 100u);
}

TEST_F(Jogando, FigurasSeguemAListaEATeclaQueSaiDoClearAgeDeNovo)
{
    DadosProprios dados;
    for (Uint8 k = 0; k < 3; ++k)
        dados.figura("p" + std::to_string(k) + ".bmp", 240, 240, {Uint8(80 * k), 0, 200});
    entra(9);  // a difficulty that leaves the board solved: every game is won at once
    const std::vector<std::string> lista = tab().retornaImagens();
    ASSERT_EQ(3u, lista.size());
    auto corDaVitoria = [&](int v) {
        return SDL_MapRGB(tela()->format, 80 * (lista[v % 3][1] - '0'), 0, 200);
    };
    quadro();
    for (int v = 0; v < 4; ++v) {
        quadro();
        ASSERT_TRUE(mostra("CLEAR!", 12, 12, VERDE));
        EXPECT_EQ(lista[v % 3], tab().retornaImagemAtual());
        EXPECT_EQ(corDaVitoria(v), pixela(tela(), 200, 120));
        if (v < 3) {
            aperta(SDLK_LCTRL);
            EXPECT_EQ(v + 2u, jogo().retornaVitorias());
        }
    }
    // With the cursor beside the hole, the key that leaves "CLEAR!" also moves that tile.
    tab().seleciona(15);
    aperta(SDLK_LCTRL);
    EXPECT_FALSE(jogo().retornaLimpo());
    EXPECT_EQ(1u, jogo().retornaMovimentos());
    EXPECT_EQ(15, tab().retornaBloco(3, 3).numero);
    EXPECT_TRUE(mostra("Moves: 1", 4, 180, BRANCO));
    EXPECT_EQ(corDaVitoria(4), pixela(tela(), ESQUERDA_TABULEIRO + 30, 30));
}

TEST_F(Jogando, CursorDaVoltaEUmaTeclaPorQuadroNaOrdemDaTabela)
{
    entra(Jogo::NORMAL);
    // Cells by reading index i (position i + 1, the last one 0): right and left walk the
    // index, up and down the row within the column, all of them round.
    const struct { SDLKey tecla; int passo; bool linha; } teclas[] = {
        {SDLK_RIGHT, 1, false}, {SDLK_LEFT, 15, false}, {SDLK_DOWN, 1, true}, {SDLK_UP, 3, true}};
    for (unsigned p = 0; p < 16; ++p)
        for (const auto& t : teclas) {
            const int i = p == 0 ? 15 : static_cast<int>(p) - 1;
            const int j = t.linha ? ((i / 4 + t.passo) % 4) * 4 + i % 4 : (i + t.passo) % 16;
            tab().seleciona(p);
            aperta(t.tecla);
            EXPECT_EQ(j == 15 ? 0 : j + 1, tab().retornaSelecionado())
                << "from " << p << " with key " << t.tecla;
        }
    // Two keys in one frame: only the first in the order right, left, down, up, action.
    const struct { SDLKey primeira, segunda; unsigned esperado; } pares[] = {
        {SDLK_RIGHT, SDLK_LEFT, 6}, {SDLK_LEFT, SDLK_DOWN, 4}, {SDLK_DOWN, SDLK_UP, 9},
        {SDLK_UP, SDLK_LCTRL, 1}};
    for (const auto& par : pares) {
        tab().seleciona(5);
        aperta({par.segunda, par.primeira});
        EXPECT_EQ(par.esperado, tab().retornaSelecionado()) << par.primeira << " goes first";
    }
    EXPECT_EQ(0u, jogo().retornaMovimentos());

    // A refused move is not counted; then action, help, pause.
    quaseResolvido();  // the hole at position 15
    for (unsigned longe : {10u, 15u, 5u}) {  // diagonal, the hole itself, far away
        tab().seleciona(longe);
        aperta(SDLK_LCTRL);
    }
    EXPECT_EQ(0u, jogo().retornaMovimentos());
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
    quadro();
    aperta(SDLK_RETURN);  // the frame that pauses is still played and drawn
    ASSERT_TRUE(jogo().retornaPausado());
    EXPECT_FALSE(tabuleiroVazio());
    const Uint32 t = tempo();
    const unsigned selecionado = tab().retornaSelecionado();
    for (SDLKey k : {SDLK_RIGHT, SDLK_LCTRL, SDLK_ESCAPE})
        aperta(k);
    quadro();
    EXPECT_EQ(t, tempo());
    EXPECT_EQ(selecionado, tab().retornaSelecionado());
    EXPECT_EQ(0u, jogo().retornaMovimentos());
    EXPECT_EQ(-1, projeto.retornaProxModulo());
    EXPECT_TRUE(mostra("PAUSED", 12, 12, VERDE));
    SDL_Rect pausa = {12, 12, 6 * CELULA, 13};
    SDL_FillRect(tela(), &pausa, 0);
    EXPECT_FALSE(temTinta(tela(), 0, 0, 320, 240)) << "only the word is drawn";

    aperta(SDLK_RETURN);
    EXPECT_FALSE(jogo().retornaPausado());
    EXPECT_FALSE(temTinta(tela(), 0, 0, 320, 240)) << "the frame that resumes is blank";
    EXPECT_EQ(t, tempo());
    quadro();
    EXPECT_FALSE(tabuleiroVazio());
    EXPECT_GT(tempo(), t);
}

TEST_F(Jogando, VoltaAoMenuENovaVisitaComecaDoZero)
{
    entra(Jogo::NORMAL);
    quaseResolvido();
    aperta(SDLK_LCTRL);
    aperta(SDLK_LCTRL);  // won, and on to the next game
    ASSERT_EQ(1u, jogo().retornaVitorias());
    apoio::empurraTecla(SDLK_ESCAPE, true);
    quadro();
    EXPECT_EQ(-1, projeto.retornaProxModulo()) << "pressing back is not enough";

    // Back released and right pressed in one frame: only the menu is asked for, and the
    // frame is drawn (run by hand to look at it before the switch).
    const unsigned selecionado = tab().retornaSelecionado();
    apoio::empurraTecla(SDLK_ESCAPE, false);
    apoio::empurraTecla(SDLK_RIGHT, true);
    projeto.retornaEvento()->descarregaFila();
    SDL_FillRect(tela(), nullptr, 0);
    jogo().ciclo();
    EXPECT_EQ(Corvela::MENU, projeto.retornaProxModulo());
    EXPECT_EQ(selecionado, tab().retornaSelecionado());
    EXPECT_TRUE(mostra("Wins: 1", 4, 5, VERDE));
    EXPECT_FALSE(tabuleiroVazio());
    projeto.carregaModuloMem();
    EXPECT_EQ("Menu", modulo());

    entra(Jogo::NORMAL);
    quadro();
    EXPECT_EQ(0u, jogo().retornaVitorias() + jogo().retornaRecordeMovimentos() +
                      jogo().retornaRecordeTempo());
    EXPECT_TRUE(mostra("Wins: 0", 4, 5, VERDE));
    EXPECT_TRUE(mostra("Moves: 0", 4, 60, CIANO));
    EXPECT_TRUE(mostra("00:00:00", 4, 90, CIANO));
}

TEST_F(Jogando, SemFigurasSoAVoltaFuncionaEOTabuleiroDizOQueFalta)
{
    for (bool semPasta : {false, true}) {
        DadosProprios dados;
        dados.figura("largo.bmp", 320, 240, {0, 0, 200});
        if (semPasta)
            std::filesystem::remove_all("data/bg");
        testing::internal::CaptureStderr();
        entra(Jogo::NORMAL);
        EXPECT_NE(std::string::npos, testing::internal::GetCapturedStderr().find("data/bg"));
        ASSERT_TRUE(tab().retornaImagens().empty());
        for (SDLKey k : {SDLK_RIGHT, SDLK_DOWN, SDLK_LCTRL, SDLK_BACKSPACE, SDLK_RETURN})
            aperta(k);
        quadro();
        EXPECT_EQ(0u, jogo().retornaVitorias()) << "the unshuffled board is no win";
        EXPECT_EQ(0u, jogo().retornaMovimentos() + tab().retornaSelecionado());
        EXPECT_FALSE(tab().retornaAjuda() || jogo().retornaPausado() || jogo().retornaLimpo());
        EXPECT_TRUE(temTinta(tela(), 0, 0, ESQUERDA_TABULEIRO, 240)) << "the panel";

        // Three lines of white text, centred in the board's square.
        const Uint32 branco = SDL_MapRGB(tela()->format, 255, 255, 255);
        int x0 = 320, x1 = 0, y0 = 240, y1 = 0, faixas = 0;
        for (int y = 0, antes = 0; y < 240; ++y) {
            int linha = 0;
            for (int x = ESQUERDA_TABULEIRO; x < 320; ++x)
                if (pixela(tela(), x, y) == branco) {
                    linha = 1;
                    x0 = std::min(x0, x), x1 = std::max(x1, x), y0 = std::min(y0, y), y1 = y;
                }
            faixas += linha > antes;
            antes = linha;
        }
        EXPECT_EQ(3, faixas);
        EXPECT_NEAR(x0 - ESQUERDA_TABULEIRO, 319 - x1, CELULA);
        EXPECT_NEAR(y0, 239 - y1, CELULA);
        EXPECT_GT(x1 - x0, 20 * CELULA) << "a line, not a column of words";

        aperta(SDLK_ESCAPE);
        quadro();
        EXPECT_EQ("Menu", modulo());
    }
}

TEST_F(Jogando, DificuldadesEPartidaFacilJogadaPeloResolvedor)
{
    entra(Jogo::IMPOSSIVEL);
    EXPECT_FALSE(resolvedor::resolvivel(arranjo()));
    entra(Jogo::NORMAL);
    EXPECT_TRUE(resolvedor::resolvivel(arranjo()));
    EXPECT_NE(resolvedor::resolvido(4), arranjo());
    entra(7);
    EXPECT_EQ(resolvedor::resolvido(4), arranjo());

    entra(Jogo::FACIL);
    // Eleven attempts at most, unless the shuffle ended solved and ran again (counted).
    std::vector<resolvedor::Passo> passos;
    ASSERT_TRUE(resolvedor::resolve(arranjo(), tab().retornaResolvidos() == 0 ? 11 : 40, passos));
    ASSERT_FALSE(passos.empty());
    for (const resolvedor::Passo& p : passos) {
        ASSERT_FALSE(jogo().retornaLimpo());
        aciona(static_cast<unsigned>(p.posicao));
    }
    EXPECT_TRUE(jogo().retornaLimpo());
    EXPECT_EQ(passos.size(), jogo().retornaMovimentos());
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
        entra(Jogo::NORMAL);
        quaseResolvido();
        quadro();
        aperta(SDLK_BACKSPACE);  // the tile numbers
        aperta(SDLK_RETURN);     // paused from the next frame on
        quadro();
        aperta(SDLK_RETURN);
        aperta(SDLK_LCTRL);  // won: "CLEAR!" from the next frame on
        quadro();
        projeto.defProxModulo(Corvela::MENU);
        quadro();
        quadro();
        aperta(SDLK_DOWN);
        return std::move(gravacao);
    };
    const Gravacao limpa = roteiro(SemLimpeza<Jogo, false>::cria, SemLimpeza<Menu, false>::cria);
    const Gravacao suja = roteiro(SemLimpeza<Jogo, true>::cria, SemLimpeza<Menu, true>::cria);
    EXPECT_EQ("ccc..ccccc", suja.cobertos);
    ASSERT_EQ(limpa.quadros.size(), suja.quadros.size());
    for (size_t i = 0; i < suja.quadros.size(); ++i)
        EXPECT_TRUE(iguais(limpa.quadros[i].get(), suja.quadros[i].get())) << "frame " << i;
}

}  // namespace
