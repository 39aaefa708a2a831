// The main menu driven frame by frame with real key events: the highlight read back from the
// screen's colours, the choice on release, the stored difficulty, the idle return to the
// intro, and Quit.
#include <SDL_mixer.h>

#include "tests/apoio/TelasTeste.h"
#include "engine/media/CSprite.h"
#include "game/Apresentacao.h"
#include "game/Menu.h"

namespace {

const Cor MAGENTA = {255, 0, 255};
const Cor CINZA = {50, 50, 50};
const int X_LINHAS = 80, Y_LINHAS = 70, ESPACO = 30, LARGURA_FAIXA = 170;

// Records the difficulty that the game screen finds when it starts.
struct JogoSonda : CModulo {
    static int dificuldadeVista;
    JogoSonda() { nomeClasse = "JogoSonda"; }
    bool init() override
    {
        dificuldadeVista = static_cast<Corvela*>(proj())->dificuldade;
        return true;
    }
    void ciclo() override {}
};
int JogoSonda::dificuldadeVista = -1;

class MenuTeste : public TelasTeste {
protected:
    void SetUp() override
    {
        TelasTeste::SetUp();
        JogoSonda::dificuldadeVista = -1;
        jogo.defFabrica(Corvela::JOGO, cria<JogoSonda>);
        abre(Corvela::MENU);
    }

    // Each row's band as the player sees it: 'M' highlighted in magenta, 'g' ordinary grey,
    // '?' both or neither.
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
    std::string comTecla(SDLKey tecla)
    {
        aperta(tecla);
        return linhas();
    }
    // Moves the highlight to row alvo from Normal with down presses, one per frame.
    void vaiPara(int alvo)
    {
        for (int i = Menu::NORMAL; i != alvo; i = (i + 1) % Menu::TOTAL_LINHAS)
            comTecla(SDLK_DOWN);
    }
};

TEST_F(MenuTeste, TituloELinhasComNormalDestacadoEMovimentoCircular)
{
    // The title alone has none of the rows' colours where the rows go.
    CSprite titulo;
    ASSERT_TRUE(titulo.carregaImagem("data/gfx/title.bmp"));
    titulo.desenha(0, 0);
    for (Cor c : {MAGENTA, CINZA})
        ASSERT_EQ(0, contaCor(tela(), X_LINHAS, Y_LINHAS, LARGURA_FAIXA, 5 * ESPACO, c)) << c;

    quadros(1);
    EXPECT_EQ("gMggg", linhas());
    EXPECT_EQ(corEm(tela(), 300, 230), corEm(titulo.retornaSuperficie(), 300, 230));
    // The highlighted row starts with "> " at x 80, the others with two blanks.
    EXPECT_GT(contaCor(tela(), X_LINHAS, Y_LINHAS + ESPACO, 12, ESPACO, MAGENTA), 0);
    EXPECT_EQ(0, contaCor(tela(), 0, 0, X_LINHAS, 240, MAGENTA));

    for (const char* vistas : {"Mgggg", "ggggM"})  // up on the first row wraps to Quit
        EXPECT_EQ(vistas, comTecla(SDLK_UP));
    for (const char* vistas : {"Mgggg", "gMggg"})  // and down on Quit to the first row
        EXPECT_EQ(vistas, comTecla(SDLK_DOWN));
    // Up and down in one frame: up is tested first and the frame takes one move only.
    roteiro::empurraTecla(SDLK_UP, true);
    roteiro::empurraTecla(SDLK_DOWN, true);
    quadros(1);
    EXPECT_EQ("Mgggg", linhas());
    // Both held: nothing moves until a key goes down again; a tap within one frame is no
    // press at all.
    EXPECT_EQ("Mgggg", comTecla(SDLK_RIGHT));
    toca(SDLK_DOWN);
    quadros(1);
    EXPECT_EQ("Mgggg", linhas());
    // The focus sound went to slot 0; the choice sound has not been loaded yet.
    EXPECT_NE(nullptr, jogo.retornaSom()->retornaSom(0));
    EXPECT_EQ(nullptr, jogo.retornaSom()->retornaSom(1));
    EXPECT_EQ("Menu", ativo());
}

TEST_F(MenuTeste, AcaoSoAoSoltarEDificuldadeGuardadaAntesDoJogo)
{
    roteiro::empurraTecla(SDLK_LCTRL, true);
    quadros(5);
    EXPECT_EQ("Menu", ativo()) << "holding the action key chooses nothing";
    // Released in the same frame as an up press: the move wins, no choice.
    roteiro::empurraTecla(SDLK_UP, true);
    roteiro::empurraTecla(SDLK_LCTRL, false);
    quadros(1);
    EXPECT_EQ("Menu", ativo());
    EXPECT_EQ("Mgggg", linhas());
    EXPECT_EQ(1, jogo.dificuldade);

    for (int linha : {Menu::IMPOSSIVEL, Menu::FACIL, Menu::NORMAL}) {
        abre(Corvela::MENU);
        vaiPara(linha);
        roteiro::empurraTecla(SDLK_LALT, true);  // left Alt acts like left Ctrl
        quadros(1);
        roteiro::empurraTecla(SDLK_LALT, false);
        quadros(1);
        EXPECT_EQ(linha, JogoSonda::dificuldadeVista) << linha;
        EXPECT_EQ("JogoSonda", ativo());
        EXPECT_NE(nullptr, jogo.retornaSom()->retornaSom(1)) << "the choice sound was loaded";
    }

    abre(Corvela::MENU);
    vaiPara(Menu::CREDITOS);
    toca(SDLK_LCTRL);
    quadros(1);
    EXPECT_EQ("Creditos", ativo());
    EXPECT_EQ(Menu::NORMAL, JogoSonda::dificuldadeVista) << "credits leave the difficulty";
}

TEST_F(MenuTeste, TrintaSegundosSemCimaOuBaixoVoltamAApresentacao)
{
    // Keys other than up and down do not count as activity, each pressed for a frame.
    const SDLKey OUTRAS[] = {SDLK_RIGHT, SDLK_LEFT, SDLK_ESCAPE, SDLK_BACKSPACE, SDLK_RETURN};
    for (int n = 1; n <= 300; ++n)
        aperta(OUTRAS[n % 5]);
    EXPECT_EQ(14950u, static_cast<Menu*>(jogo.retornaModulo())->retornaTempoOcioso());
    // A move restarts the count (the restart keeps what is below one frame: nothing here),
    // and its own frame is counted after it: 600 frames later the limit is reached.
    aperta(SDLK_DOWN);
    quadros(599);
    ASSERT_EQ("Menu", ativo());
    EXPECT_EQ(Mix_FadingMusic(), MIX_NO_FADING);
    EXPECT_EQ(30000u, static_cast<Menu*>(jogo.retornaModulo())->retornaTempoOcioso());
    quadros(1);
    EXPECT_EQ("Apresentacao", ativo());
    EXPECT_EQ(Mix_FadingMusic(), MIX_FADING_OUT) << "the menu music fades over the intro";
}

TEST_F(MenuTeste, EscolhaNoQuadroDoLimiteOciosoPerdeParaAApresentacao)
{
    quadros(601);  // the first frame counted nothing: 30000 ms counted from frame 602 on
    ASSERT_EQ("Menu", ativo());
    toca(SDLK_LCTRL);  // Normal chosen in the frame where the idle time is up
    quadros(1);
    EXPECT_EQ("Apresentacao", ativo()) << "the idle request comes later in the frame";
    EXPECT_EQ(-1, JogoSonda::dificuldadeVista);
    EXPECT_EQ(1, jogo.dificuldade);
}

// Quit, reached from Normal by two ups (the second wraps), ends the project's run.
TEST_F(MenuTeste, QuitTerminaOProjeto)
{
    comTecla(SDLK_UP);
    EXPECT_EQ("ggggM", comTecla(SDLK_UP));
    toca(SDLK_LCTRL);
    quadros(1);
    EXPECT_FALSE(jogo.retornaExecutando());
    EXPECT_EQ(Menu::SAIR, static_cast<Menu*>(jogo.retornaModulo())->retornaSelecao());
}

}  // namespace
