// The main menu driven with real key events: the highlight read back from the screen's
// colours, the choice on release, the stored difficulty, the idle return to the intro, Quit.
#include <SDL_mixer.h>

#include "engine/media/CSprite.h"
#include "game/Menu.h"
#include "tests/apoio/TelasTeste.h"

namespace {

const Cor MAGENTA = {255, 0, 255};
const Cor CINZA = {50, 50, 50};
const int X_LINHAS = 80, Y_LINHAS = 70, ESPACO = 30, LARGURA_FAIXA = 170;

// Records the difficulty that the game screen finds when it starts.
struct JogoSonda : CModulo {
    static int vista;
    JogoSonda() { nomeClasse = "JogoSonda"; }
    bool init() override
    {
        vista = static_cast<Corvela*>(proj())->dificuldade;
        return true;
    }
    void ciclo() override {}
};
int JogoSonda::vista = -1;

class MenuTeste : public TelasTeste {
protected:
    void SetUp() override
    {
        TelasTeste::SetUp();
        JogoSonda::vista = -1;
        projeto.defFabrica(Corvela::JOGO, []() -> CModulo* { return new JogoSonda; });
        partida.entra(Corvela::MENU);
    }
    // Each row as the player sees it: 'M' highlighted in magenta, 'g' grey, '?' both or neither.
    std::string linhas()
    {
        std::string vistas;
        for (int i = 0; i < Menu::TOTAL_LINHAS; ++i) {
            const int y = Y_LINHAS + ESPACO * i;
            const bool m = contaCor(tela(), X_LINHAS, y, LARGURA_FAIXA, ESPACO, MAGENTA) > 0;
            const bool g = contaCor(tela(), X_LINHAS, y, LARGURA_FAIXA, ESPACO, CINZA) > 0;
            vistas += m && !g ? 'M' : g && !m ? 'g' : '?';
        }
        return vistas;
    }
    Menu* menu() { return static_cast<Menu*>(projeto.retornaModulo()); }
};

TEST_F(MenuTeste, NormalDestacadoSobreOTituloEMovimentoCircular)
{
    quadros();
    EXPECT_EQ("gMggg", linhas());
    CSprite titulo;
    ASSERT_TRUE(titulo.carregaImagem("data/gfx/title.bmp"));
    EXPECT_EQ(corEm(tela(), 300, 230), corEm(titulo.retornaSuperficie(), 300, 230));
    // The highlighted row starts with "> " at x 80, the others with two blanks.
    EXPECT_GT(contaCor(tela(), X_LINHAS, Y_LINHAS + ESPACO, 12, ESPACO, MAGENTA), 0);
    EXPECT_EQ(0, contaCor(tela(), 0, 0, X_LINHAS, 240, MAGENTA));
    const struct { SDLKey tecla; const char* vistas; } passos[] = {
        {SDLK_UP, "Mgggg"}, {SDLK_UP, "ggggM"}, {SDLK_DOWN, "Mgggg"}, {SDLK_DOWN, "gMggg"}};
    for (const auto& p : passos) {
        aperta(p.tecla);
        EXPECT_EQ(p.vistas, linhas());
    }
    aperta({SDLK_DOWN, SDLK_UP});
    EXPECT_EQ("Mgggg", linhas()) << "up is read first, and one move a frame";
    partida.toca(SDLK_DOWN);
    EXPECT_EQ("Mgggg", linhas()) << "a tap within one frame is no press";
    EXPECT_NE(nullptr, projeto.retornaSom()->retornaSom(0)) << "the focus sound";
    EXPECT_EQ(nullptr, projeto.retornaSom()->retornaSom(1)) << "the choice sound, not yet";
}

TEST_F(MenuTeste, EscolhaAoSoltarAAcaoGuardaADificuldadeAntesDoJogo)
{
    desce(SDLK_LCTRL);
    quadros(5);
    EXPECT_EQ("Menu", ativo()) << "holding the action key chooses nothing";
    desce(SDLK_UP);
    desce(SDLK_LCTRL, false);
    quadros();
    EXPECT_EQ("Mgggg", linhas()) << "released with up pressed: the move wins";
    EXPECT_EQ(1, projeto.dificuldade);

    // Rows reached by down presses from Normal; credits leave the difficulty as it was.
    const struct { int descidas, dificuldade; const char* tela; } escolhas[] = {
        {4, Menu::FACIL, "JogoSonda"}, {0, Menu::NORMAL, "JogoSonda"},
        {1, Menu::IMPOSSIVEL, "JogoSonda"}, {2, Menu::IMPOSSIVEL, "Creditos"}};
    for (const auto& e : escolhas) {
        partida.entra(Corvela::MENU);
        for (int i = 0; i < e.descidas; ++i)
            aperta(SDLK_DOWN);
        aperta(SDLK_LALT);  // left Alt acts like left Ctrl
        quadros();
        EXPECT_EQ(e.tela, ativo());
        EXPECT_EQ(e.dificuldade, projeto.dificuldade);
        EXPECT_EQ(e.dificuldade, JogoSonda::vista);
    }
    EXPECT_NE(nullptr, projeto.retornaSom()->retornaSom(1)) << "the choice sound";

    partida.entra(Corvela::MENU);
    aperta(SDLK_UP);
    aperta(SDLK_UP);
    partida.toca(SDLK_LCTRL);
    EXPECT_FALSE(projeto.retornaExecutando()) << "Quit";
}

// Keys other than up and down are no activity. A move restarts the count and its own frame
// is counted after it: 600 frames later the limit is reached, and a choice in that frame
// loses to the intro, asked for later in the frame.
TEST_F(MenuTeste, TrintaSegundosSemCimaOuBaixoVoltamAApresentacao)
{
    const SDLKey OUTRAS[] = {SDLK_RIGHT, SDLK_LEFT, SDLK_ESCAPE, SDLK_BACKSPACE, SDLK_RETURN};
    for (int n = 1; n <= 300; ++n)
        aperta(OUTRAS[n % 5]);
    EXPECT_EQ(14950u, menu()->retornaTempoOcioso());
    aperta(SDLK_DOWN);
    quadros(599);
    ASSERT_EQ("Menu", ativo());
    EXPECT_EQ(Mix_FadingMusic(), MIX_NO_FADING);
    EXPECT_EQ(30000u, menu()->retornaTempoOcioso());
    partida.toca(SDLK_LCTRL);
    EXPECT_EQ("Apresentacao", ativo());
    EXPECT_EQ(-1, JogoSonda::vista);
    EXPECT_EQ(Mix_FadingMusic(), MIX_FADING_OUT) << "the menu music fades over the intro";
}

}  // namespace
