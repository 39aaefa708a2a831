// The main menu driven with real key events: the highlight read back from the screen's
// colours, the choice on release, the stored difficulty, the idle return to the intro, Quit.
#include <SDL_mixer.h>

#include "game/Menu.h"
#include "tests/apoio/TelasTeste.h"

namespace {

const Cor CINZA = {50, 50, 50};
const int X_LINHAS = 80, Y_LINHAS = 70, ESPACO = 30;

class MenuTeste : public TelasTeste {
protected:
    // Each row as the player sees it: 'M' highlighted in magenta, 'g' grey, '?' both or neither.
    std::string linhas()
    {
        std::string vistas;
        for (int y = Y_LINHAS; y < Y_LINHAS + 5 * ESPACO; y += ESPACO) {
            const bool m = contaCor(tela(), X_LINHAS, y, 170, ESPACO, MAGENTA) > 0;
            const bool g = contaCor(tela(), X_LINHAS, y, 170, ESPACO, CINZA) > 0;
            vistas += m && !g ? 'M' : g && !m ? 'g' : '?';
        }
        return vistas;
    }
    Uint32 ocioso() { return static_cast<Menu*>(projeto.retornaModulo())->retornaTempoOcioso(); }
};

TEST_F(MenuTeste, NormalDestacadoSobreOTituloEMovimentoCircular)
{
    partida.entra(Corvela::MENU);
    quadros();
    EXPECT_EQ("gMggg", linhas());
    // The highlighted row starts with "> " at x 80, the others with two blanks.
    EXPECT_TRUE(contaCor(tela(), X_LINHAS, Y_LINHAS + ESPACO, 12, ESPACO, MAGENTA) > 0 &&
                contaCor(tela(), 0, 0, X_LINHAS, 240, MAGENTA) == 0);
    const char* vistas[] = {"Mgggg", "ggggM", "Mgggg", "gMggg"};  // up, up, down, down
    for (int i = 0; i < 4; ++i) {
        aperta(i < 2 ? SDLK_UP : SDLK_DOWN);
        EXPECT_EQ(vistas[i], linhas());
    }
    aperta({SDLK_DOWN, SDLK_UP});
    EXPECT_EQ("Mgggg", linhas()) << "up is read first, and one move a frame";
    partida.toca(SDLK_DOWN);
    EXPECT_EQ("Mgggg", linhas()) << "a tap within one frame is no press";
    EXPECT_NE(nullptr, projeto.retornaSom()->retornaSom(0)) << "the focus sound";
}

TEST_F(MenuTeste, EscolhaAoSoltarAAcaoGuardaADificuldade)
{
    partida.entra(Corvela::MENU);
    desce(SDLK_LCTRL);
    quadros(5);
    EXPECT_EQ("Menu", ativo()) << "holding the action key chooses nothing";
    desce(SDLK_UP);
    desce(SDLK_LCTRL, false);
    quadros();
    EXPECT_EQ("Mgggg", linhas()) << "released with up pressed: the move wins";
    // Rows reached by down presses from Normal; credits leave the difficulty as it was.
    const struct { int descidas, dificuldade; const char* tela; } escolhas[] = {
        {4, Menu::FACIL, "Jogo"}, {0, Menu::NORMAL, "Jogo"}, {1, Menu::IMPOSSIVEL, "Jogo"},
        {2, Menu::IMPOSSIVEL, "Creditos"}, {3, Menu::IMPOSSIVEL, "Menu"}};
    partida.comeca();  // the project running, for Quit to end it
    for (const auto& e : escolhas) {
        ASSERT_TRUE(projeto.retornaExecutando());
        partida.entra(Corvela::MENU);
        for (int i = 0; i < e.descidas; ++i)
            aperta(SDLK_DOWN);
        aperta(SDLK_LALT);  // left Alt acts like left Ctrl
        quadros();
        EXPECT_TRUE(e.tela == ativo() && e.dificuldade == projeto.dificuldade) << e.descidas;
    }
    EXPECT_FALSE(projeto.retornaExecutando()) << "Quit";
    EXPECT_NE(nullptr, projeto.retornaSom()->retornaSom(1)) << "the choice sound";
}

// Keys other than up and down are no activity. A move restarts the count and its own frame
// is counted after it: 600 frames later the limit is reached, and a choice in that frame
// loses to the intro, asked for later in the frame.
TEST_F(MenuTeste, TrintaSegundosSemCimaOuBaixoVoltamAApresentacao)
{
    partida.entra(Corvela::MENU);
    const SDLKey OUTRAS[] = {SDLK_RIGHT, SDLK_LEFT, SDLK_ESCAPE, SDLK_BACKSPACE, SDLK_RETURN};
    for (int n = 1; n <= 300; ++n)
        aperta(OUTRAS[n % 5]);
    EXPECT_EQ(14950u, ocioso());
    aperta(SDLK_DOWN);
    quadros(599);
    ASSERT_EQ("Menu", ativo());
    EXPECT_TRUE(Mix_FadingMusic() == MIX_NO_FADING && ocioso() == 30000u);
    partida.toca(SDLK_LCTRL);
    EXPECT_EQ("Apresentacao", ativo());
    EXPECT_EQ(Mix_FadingMusic(), MIX_FADING_OUT) << "the menu music fades over the intro";
}

// The pointer over a row highlights it (with the sound and the idle count restarted), a press
// on a row chooses it at once; the rows' bands run from x 80 to 239, 30 pixels from y 70.
TEST_F(MenuTeste, PonteiroDestacaALinhaEEscolheAoApertar)
{
    partida.entra(Corvela::MENU);
    quadros(10);
    const Uint32 ocupado = ocioso();
    roteiro::empurraPonteiro(SDL_MOUSEMOTION, 80, 189);
    quadros();
    EXPECT_TRUE(linhas() == "gggMg" && ocioso() < ocupado);
    for (const auto& p : {std::pair<Uint16, Uint16>{79, 100}, {240, 100}, {200, 69}, {200, 220}}) {
        roteiro::empurraPonteiro(SDL_MOUSEMOTION, p.first, p.second);
        quadros();
    }
    EXPECT_EQ("gggMg", linhas()) << "beside, above or below the rows";
    partida.clica(239, 70);
    EXPECT_TRUE(ativo() == "Jogo" && projeto.dificuldade == Menu::FACIL);
    // In a window three times the screen the same rows lie three times as far.
    projeto.retornaVideo()->defEscala(3);
    ASSERT_TRUE(partida.inicia() && SDL_GetVideoSurface()->w == 960);
    partida.comeca();  // the project running, for Quit to end it
    partida.entra(Corvela::MENU);
    partida.clica(300, 219 * 3);
    EXPECT_EQ("Menu", ativo());
    EXPECT_FALSE(projeto.retornaExecutando()) << "Quit";
}

}  // namespace
