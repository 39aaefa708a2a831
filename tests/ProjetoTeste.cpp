// The project and its module table: start, module switches, stopping, frame by frame.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "Apoio.h"
#include "engine/media/pixela.h"
#include "game/Corvela.h"

namespace {

// What the test screens saw, in order.
std::vector<std::string> diario;

// A screen that writes its life into the diary and does what the test tells it to.
struct TelaTeste : CModulo {
    static int pedidoNoInit;   // module requested from init, -1 none
    static int pedidoNoCiclo;  // module requested from each ciclo, -1 none
    static bool terminaNoCiclo;
    static Uint32 intervaloNoCiclo;
    static bool cobre;           // what cobreTela answers
    static Uint32 pixelNoCiclo;  // the screen's first pixel as ciclo found it

    explicit TelaTeste(const char* nome) : nome(nome) { diario.push_back(std::string("new ") + nome); }
    ~TelaTeste() override { diario.push_back(std::string("delete ") + nome); }

    bool init() override
    {
        diario.push_back(std::string("init ") + nome);
        if (pedidoNoInit >= 0) {
            static_cast<Corvela*>(proj())->defProxModulo(pedidoNoInit);
            pedidoNoInit = -1;
        }
        return false;  // ignored by the project
    }

    bool cobreTela() const override { return cobre; }

    void ciclo() override
    {
        diario.push_back(std::string("ciclo ") + nome);
        intervaloNoCiclo = tempo()->retornaIntervalo();
        SDL_Surface* tela = video()->retornaTela();
        pixelNoCiclo = pixela(tela, 0, 0);
        SDL_FillRect(tela, nullptr, 0xFFFF);
        Corvela* projeto = static_cast<Corvela*>(proj());
        if (pedidoNoCiclo >= 0)
            projeto->defProxModulo(pedidoNoCiclo);
        if (terminaNoCiclo)
            projeto->termina();
        if (evento()->ativado(4))
            diario.push_back(std::string("tecla4 ") + nome);
    }

    const char* nome;
};
int TelaTeste::pedidoNoInit = -1;
int TelaTeste::pedidoNoCiclo = -1;
bool TelaTeste::terminaNoCiclo = false;
Uint32 TelaTeste::intervaloNoCiclo = 0;
bool TelaTeste::cobre = false;
Uint32 TelaTeste::pixelNoCiclo = 0;

class ProjetoTeste : public ::testing::Test {
protected:
    void SetUp() override
    {
        diario.clear();
        TelaTeste::pedidoNoInit = -1;
        TelaTeste::pedidoNoCiclo = -1;
        TelaTeste::terminaNoCiclo = false;
        TelaTeste::cobre = false;
        jogo.defFabrica(0, [] { return static_cast<CModulo*>(new TelaTeste("intro")); });
        jogo.defFabrica(1, [] { return static_cast<CModulo*>(new TelaTeste("menu")); });
        jogo.defFabrica(2, [] { return static_cast<CModulo*>(new TelaTeste("jogo")); });
        jogo.defFabrica(3, [] { return static_cast<CModulo*>(new TelaTeste("creditos")); });
        jogo.retornaRelogio()->defFonteTicks(apoio::TicksPasso::le, &ticks);
        jogo.retornaRelogio()->inicializa();
        ASSERT_TRUE(jogo.init());
    }

    // Builds the intro as execProj does, without entering the endless loop.
    void comeca()
    {
        jogo.defProxModulo(Corvela::APRESENTACAO);
        jogo.carregaModuloMem();
    }

    apoio::TicksPasso ticks;
    Corvela jogo;
};

TEST_F(ProjetoTeste, InitPreparaVideoTituloETeclas)
{
    EXPECT_EQ("Corvela", jogo.retornaNomeClasse());
    EXPECT_EQ(1, jogo.dificuldade);
    EXPECT_EQ(320, jogo.retornaVideo()->retornaLargura());
    EXPECT_EQ(16, jogo.retornaVideo()->retornaTela()->format->BitsPerPixel);
    EXPECT_EQ("SDL Corvela", jogo.retornaVideo()->retornaTitulo());
    EXPECT_EQ(SDL_DISABLE, SDL_ShowCursor(SDL_QUERY));
    EXPECT_EQ(9u, jogo.retornaEvento()->totTeclas());
    EXPECT_EQ(nullptr, jogo.retornaModulo());
    EXPECT_EQ(-1, jogo.retornaProxModulo());
}

TEST_F(ProjetoTeste, PrimeiroQuadroEPedidoFeitoNoInit)
{
    TelaTeste::pedidoNoInit = Corvela::MENU;
    comeca();
    EXPECT_EQ(Corvela::MENU, jogo.retornaProxModulo());  // honoured after the first frame
    EXPECT_EQ((std::vector<std::string>{"new intro", "init intro"}), diario);

    jogo.executaQuadro();
    // The first ciclo sees no counted frame yet.
    EXPECT_EQ(0u, TelaTeste::intervaloNoCiclo);
    EXPECT_EQ((std::vector<std::string>{"new intro", "init intro", "ciclo intro", "delete intro",
                                        "new menu", "init menu"}),
              diario);
    EXPECT_EQ(-1, jogo.retornaProxModulo());
}

TEST_F(ProjetoTeste, TelaLimpaAntesDoCicloSalvoParaQuemACobre)
{
    comeca();
    jogo.executaQuadro();
    jogo.executaQuadro();
    EXPECT_EQ(0u, TelaTeste::pixelNoCiclo) << "the last frame's paint was cleared to black";
    TelaTeste::cobre = true;
    jogo.executaQuadro();
    EXPECT_EQ(0xFFFFu, TelaTeste::pixelNoCiclo) << "a screen that paints it all is not cleared";
    TelaTeste::pedidoNoCiclo = Corvela::MENU;
    jogo.executaQuadro();
    TelaTeste::pedidoNoCiclo = -1;
    jogo.executaQuadro();
    EXPECT_EQ(0u, TelaTeste::pixelNoCiclo) << "the switch to another screen still clears it";
}

TEST_F(ProjetoTeste, UltimoPedidoDoQuadroEhOQueValeENumeroDesconhecidoNaoTrocaNada)
{
    comeca();
    CModulo* intro = jogo.retornaModulo();
    // An unknown number replaces the menu asked for before it; the switch then builds
    // nothing, forgets it, and the intro goes on.
    for (int desconhecido : {4, -7}) {
        jogo.defProxModulo(Corvela::MENU);
        jogo.defProxModulo(desconhecido);
        EXPECT_EQ(desconhecido, jogo.retornaProxModulo());
        jogo.executaQuadro();
        EXPECT_EQ(intro, jogo.retornaModulo());
        EXPECT_EQ(-1, jogo.retornaProxModulo());
    }
    EXPECT_EQ("ciclo intro", diario.back());

    // Credits asked early in the frame, the game by ciclo: the game is built.
    jogo.defProxModulo(Corvela::CREDITOS);
    TelaTeste::pedidoNoCiclo = Corvela::JOGO;
    jogo.executaQuadro();
    EXPECT_EQ("new jogo", diario[diario.size() - 2]);
    EXPECT_EQ(0, std::count(diario.begin(), diario.end(), "new creditos"));
}

TEST_F(ProjetoTeste, TerminaAindaCompletaOQuadro)
{
    comeca();
    TelaTeste::terminaNoCiclo = true;
    TelaTeste::pedidoNoCiclo = Corvela::CREDITOS;
    jogo.executaQuadro();
    EXPECT_FALSE(jogo.retornaExecutando());
    // The frame was counted by the clock and the requested module built and initialised.
    EXPECT_EQ(33u, jogo.retornaRelogio()->retornaIntervalo());
    EXPECT_EQ("init creditos", diario.back());
}

TEST_F(ProjetoTeste, TeclaSeguradaNaTrocaNaoPassaParaONovoModulo)
{
    comeca();
    apoio::empurraTecla(SDLK_LCTRL, true);
    jogo.executaQuadro();
    EXPECT_EQ("tecla4 intro", diario.back());
    jogo.defProxModulo(Corvela::MENU);
    jogo.executaQuadro();
    jogo.executaQuadro();
    EXPECT_EQ("ciclo menu", diario.back());  // Ctrl still physically down, forgotten here
    apoio::empurraTecla(SDLK_LCTRL, false);
    jogo.executaQuadro();
    EXPECT_FALSE(jogo.retornaEvento()->subiu(4));
}

TEST_F(ProjetoTeste, MilQuadrosNoRitmoDoRelogio)
{
    comeca();
    for (int i = 0; i < 1000; ++i)
        jogo.executaQuadro();
    EXPECT_EQ(1000, std::count(diario.begin(), diario.end(), "ciclo intro"));
    EXPECT_EQ(31u, jogo.retornaRelogio()->retornaFPS());  // 31 x 33 ms close a window
}

TEST_F(ProjetoTeste, ExecProjRodaAteTerminaEEntaoRetorna)
{
    TelaTeste::terminaNoCiclo = true;
    jogo.execProj();
    EXPECT_FALSE(jogo.retornaExecutando());
    EXPECT_EQ((std::vector<std::string>{"new intro", "init intro", "ciclo intro"}), diario);
    EXPECT_EQ(-1, jogo.retornaProxModulo());
}

TEST(CorvelaPadrao, TabelaDeModulosSemTelasDeTeste)
{
    Corvela jogo;
    ASSERT_TRUE(jogo.init());
    for (int n = Corvela::APRESENTACAO; n < Corvela::NUM_MODULOS; ++n) {
        jogo.defProxModulo(n);
        jogo.carregaModuloMem();
        ASSERT_NE(nullptr, jogo.retornaModulo());
        EXPECT_EQ(jogo.retornaVideo(), jogo.retornaModulo()->video());
        EXPECT_EQ(jogo.retornaSom(), jogo.retornaModulo()->som());
    }
}

TEST(ModuloSemProjeto, AcessoresDevolvemNulo)
{
    TelaTeste tela("solta");
    EXPECT_EQ(nullptr, tela.proj());
    EXPECT_EQ(nullptr, tela.evento());
    EXPECT_EQ(nullptr, tela.video());
    EXPECT_EQ(nullptr, tela.som());
    EXPECT_EQ(nullptr, tela.tempo());
}

}  // namespace
