// The project and its module table: start, module switches, stopping, frame by frame.
#include <gtest/gtest.h>

#include <csignal>
#include <cstdlib>
#include <string>
#include <utility>

#include "engine/core/sinais.h"
#include "engine/media/pixela.h"
#include "game/Corvela.h"
#include "tests/apoio/Apoio.h"

namespace {

std::string diario;      // what the test screens went through, in order
int pedidoNoInit = -1;   // the module the next init asks for, once; -1 is refused
bool cobre = false;      // what cobreTela answers
Uint32 pixelNoCiclo = 0;  // the screen's first pixel as ciclo found it

struct TelaTeste : CModulo {
    explicit TelaTeste(const char* nome) : nome(nome) { anota("new"); }
    ~TelaTeste() override { anota("delete"); }
    void anota(const std::string& o) { diario += o + " " + nome + ", "; }
    bool init() override
    {
        anota("init");
        static_cast<Corvela*>(proj())->defProxModulo(std::exchange(pedidoNoInit, -1));
        return false;  // ignored by the project
    }
    bool cobreTela() const override { return cobre; }
    void ciclo() override
    {
        anota(evento()->ativado(4) ? "ciclo+tecla4" : "ciclo");
        pixelNoCiclo = pixela(video()->retornaTela(), 0, 0);
        SDL_FillRect(video()->retornaTela(), nullptr, 0xFFFF);
    }
    const char* nome;
};

}  // namespace

TEST(Projeto, UmQuadroDeCadaVezPedidosNoFimDoQuadroTelaLimpaTeclasEsquecidasNaTroca)
{
    roteiro::Ticks ticks;
    Corvela jogo;
    jogo.defFabrica(0, [] { return static_cast<CModulo*>(new TelaTeste("intro")); });
    jogo.defFabrica(1, [] { return static_cast<CModulo*>(new TelaTeste("menu")); });
    jogo.defFabrica(2, [] { return static_cast<CModulo*>(new TelaTeste("jogo")); });
    jogo.defFabrica(3, [] { return static_cast<CModulo*>(new TelaTeste("creditos")); });
    jogo.retornaRelogio()->defFonteTicks(roteiro::Ticks::le, &ticks);
    ASSERT_TRUE(jogo.init() && SDL_ShowCursor(SDL_QUERY) == SDL_DISABLE);
    // The intro asks for the menu, honoured after its first frame; a stop request ends the
    // loop once that frame, switch included, is over.
    pedidoNoInit = Corvela::MENU;
    std::raise(SIGTERM);
    jogo.execProj();
    EXPECT_EQ("new intro, init intro, ciclo intro, delete intro, new menu, init menu, ", diario);

    // The last request of a frame is the one, whatever its number: the switch builds nothing
    // for a number outside the table and forgets it, and the screen goes on.
    for (int fora : {-7, int(Corvela::NUM_MODULOS)}) {
        jogo.defProxModulo(Corvela::CREDITOS);
        jogo.defProxModulo(fora);
        EXPECT_EQ(fora, jogo.retornaProxModulo());
        jogo.executaQuadro();
        EXPECT_EQ(-1, jogo.retornaProxModulo());
    }
    jogo.defProxModulo(Corvela::CREDITOS);
    jogo.defProxModulo(Corvela::JOGO);
    diario.clear();
    jogo.executaQuadro();
    EXPECT_EQ(-1, jogo.retornaProxModulo());
    jogo.carregaModuloMem();  // nothing asked: nothing happens
    EXPECT_EQ("ciclo menu, delete menu, new jogo, init jogo, ", diario);
    // So are factories, writing nothing beside the table.
    for (int fora : {-1, int(Corvela::NUM_MODULOS)})
        jogo.defFabrica(fora, [] { return static_cast<CModulo*>(nullptr); });
    EXPECT_EQ(1, jogo.dificuldade);

    // Ctrl held from here on.
    roteiro::empurraTecla(SDLK_LCTRL, true);
    jogo.executaQuadro();
    EXPECT_EQ(0u, pixelNoCiclo) << "the last frame's paint was cleared to black";
    cobre = true;
    jogo.executaQuadro();
    EXPECT_EQ(0xFFFFu, pixelNoCiclo) << "a screen that paints it all is not cleared";
    jogo.defProxModulo(Corvela::CREDITOS);
    jogo.executaQuadro();
    jogo.executaQuadro();
    EXPECT_EQ(0u, pixelNoCiclo) << "the switch to another screen still clears it";
    // Forgotten at the switch, Ctrl's release is no key going up.
    roteiro::empurraTecla(SDLK_LCTRL, false);
    jogo.executaQuadro();
    EXPECT_FALSE(jogo.retornaEvento()->subiu(4));
    EXPECT_EQ("ciclo+tecla4 jogo, delete jogo, new creditos, init creditos, ciclo creditos, "
              "ciclo creditos, ", diario.substr(diario.rfind("ciclo+")));
}

// SIGINT and SIGTERM are a stop request only while a project lives; then the handlers found
// before it are back, project after project. Without a video mode the game does not start.
TEST(Projeto, SinaisDeParadaSoEnquantoOProjetoViveESemVideoNaoComeca)
{
    const std::string driver = std::getenv("SDL_VIDEODRIVER");
    setenv("SDL_VIDEODRIVER", "nenhum", 1);
    for (auto antes : {SIG_IGN, SIG_DFL}) {
        std::signal(SIGINT, antes);
        std::signal(SIGTERM, antes);
        {
            Corvela jogo;
            EXPECT_FALSE(jogo.init() || paradaPedida());
            std::raise(SIGINT);
            EXPECT_TRUE(paradaPedida());
        }
        EXPECT_TRUE(std::signal(SIGINT, antes) == antes && std::signal(SIGTERM, antes) == antes);
    }
    setenv("SDL_VIDEODRIVER", driver.c_str(), 1);
}
