// Frame clock: what each frame is counted as, the FPS window, and how much of each wait it
// sleeps through.
#include <gtest/gtest.h>

#include <deque>
#include <vector>

#include "tests/apoio/Apoio.h"
#include "engine/core/CRelogio.h"

namespace {

class RelogioTeste : public ::testing::Test {
protected:
    // Starts the clock at tick `inicio` through the scripted source.
    void comeca(Uint32 inicio)
    {
        ticks.fila = {inicio};
        ticks.passo = 1;
        relogio.defFonteTicks(roteiro::Ticks::le, &ticks);
        relogio.inicializa();
    }

    // Runs one frame whose polls read `leituras`, and returns the counted length.
    Uint32 quadro(std::initializer_list<Uint32> leituras)
    {
        ticks.fila.assign(leituras.begin(), leituras.end());
        relogio.atualiza();
        return relogio.retornaIntervalo();
    }

    roteiro::Ticks ticks;
    CRelogio relogio;
};

TEST_F(RelogioTeste, ContaCadaQuadroEntreMinimoEMaximo)
{
    comeca(1000);
    EXPECT_EQ(0u, relogio.retornaIntervalo());
    EXPECT_EQ("CRelogio", relogio.retornaNomeClasse());

    // Waits through short polls until 33 ms have passed.
    EXPECT_EQ(40u, quadro({1010, 1020, 1040}));
    EXPECT_TRUE(ticks.fila.empty());
    EXPECT_EQ(33u, quadro({1073}));
    // A slow frame (a module loading its files) is counted as 50 ms only.
    EXPECT_EQ(50u, quadro({1273}));
    // The next frame is measured from where the slow one really ended.
    EXPECT_EQ(35u, quadro({1308}));
}

TEST_F(RelogioTeste, ContadorQueVoltaAtrasRecomecaDali)
{
    comeca(5000);
    // The counter wrapped or was reset: the frame lasts intervaloMin from the new value.
    EXPECT_EQ(33u, quadro({100, 120, 133}));
    EXPECT_EQ(33u, quadro({166}));
}

TEST_F(RelogioTeste, PrimeiroQuadroContaDesdeAInicializacao)
{
    comeca(0);
    EXPECT_EQ(50u, quadro({900}));

    // reset forgets the time spent so far: the frame counts from the reset.
    comeca(0);
    ticks.fila = {400};
    relogio.reset();
    EXPECT_EQ(34u, quadro({434}));
}

TEST_F(RelogioTeste, JanelaDeFpsSomaQuadrosContados)
{
    roteiro::Ticks passo;
    passo.passo = 33;
    relogio.defFonteTicks(roteiro::Ticks::le, &passo);
    relogio.inicializa();
    for (int i = 0; i < 30; ++i)
        relogio.atualiza();
    EXPECT_EQ(0u, relogio.retornaFPS());
    relogio.atualiza();  // 31 x 33 = 1023: the window closes, the excess is dropped
    EXPECT_EQ(31u, relogio.retornaFPS());
    for (int i = 0; i < 30; ++i)
        relogio.atualiza();
    EXPECT_EQ(31u, relogio.retornaFPS());

    // Frames that really take 80 ms count as 50: twenty of them fill a window.
    passo.passo = 80;
    relogio.inicializa();
    for (int i = 0; i < 19; ++i)
        relogio.atualiza();
    EXPECT_EQ(0u, relogio.retornaFPS());
    relogio.atualiza();
    EXPECT_EQ(20u, relogio.retornaFPS());
}

TEST_F(RelogioTeste, AjustaIntervalosMudaEsperaELimite)
{
    comeca(100);
    relogio.ajustaIntervalos(0, 10);
    const unsigned antes = ticks.leituras;
    EXPECT_EQ(0u, quadro({100}));  // no wait at all: one poll
    EXPECT_EQ(antes + 1, ticks.leituras);
    EXPECT_EQ(10u, quadro({125}));
}

// Time that moves one millisecond per read (so polling ends) and, when slept through, by
// the request plus that sleep's scripted overshoot.
struct TempoFalso {
    Uint32 agora = 1000;
    std::deque<Uint32> sobras;
    std::vector<Uint32> pedidos;

    static Uint32 le(void* c) { return static_cast<TempoFalso*>(c)->agora++; }
    static void dorme(Uint32 ms, void* c)
    {
        TempoFalso* t = static_cast<TempoFalso*>(c);
        t->pedidos.push_back(ms);
        t->agora += ms;
        if (!t->sobras.empty()) {
            t->agora += t->sobras.front();
            t->sobras.pop_front();
        }
    }
};

TEST(RelogioSono, DormeAteAMargemEContaOsMesmosQuadros)
{
    TempoFalso tf;
    CRelogio relogio;
    relogio.defFonteTicks(TempoFalso::le, &tf);
    relogio.defDormidor(TempoFalso::dorme, &tf);
    relogio.inicializa();
    EXPECT_EQ(CRelogio::SOBRA_INICIAL + CRelogio::FOLGA, relogio.retornaMargem());

    // Each frame reads 1 ms in, sleeps all but the assumed 11 ms and polls to exactly 33.
    // The read after waking is 1 ms late: that is the overshoot measured.
    Uint32 fim = 0;
    for (Uint32 i = 0; i < CRelogio::JANELA_SONOS; ++i) {
        relogio.atualiza();
        ASSERT_EQ(33u, relogio.retornaIntervalo());
        fim = tf.agora;
    }
    EXPECT_EQ(1000u + 33 * CRelogio::JANELA_SONOS + 1, fim);
    // The window closes at the last of those sleeps: the margin becomes what was seen (1 ms)
    // plus the folga, and the rest of that frame is slept through down to it.
    std::vector<Uint32> esperados(CRelogio::JANELA_SONOS, 21);
    esperados.push_back(8);
    EXPECT_EQ(esperados, tf.pedidos);
    EXPECT_EQ(2u, relogio.retornaMargem());

    tf.pedidos.clear();
    relogio.atualiza();
    EXPECT_EQ(33u, relogio.retornaIntervalo());
    EXPECT_EQ(std::vector<Uint32>{30}, tf.pedidos);

    // A sleep that overshoots its margin makes that frame late; the next one keeps clear.
    tf.sobras = {5};
    relogio.atualiza();
    EXPECT_EQ(37u, relogio.retornaIntervalo());
    EXPECT_EQ(7u, relogio.retornaMargem());
    relogio.atualiza();
    EXPECT_EQ(33u, relogio.retornaIntervalo());
    EXPECT_EQ(25u, tf.pedidos.back());

    // The bad sleep is forgotten two windows later.
    for (Uint32 i = 0; i < 2 * CRelogio::JANELA_SONOS; ++i)
        relogio.atualiza();
    EXPECT_EQ(2u, relogio.retornaMargem());

    // A frame whose work already used its time, or a clock without a minimum, never sleeps.
    tf.pedidos.clear();
    relogio.reset();
    tf.agora += 40;
    relogio.atualiza();
    relogio.ajustaIntervalos(0, 50);
    relogio.atualiza();
    EXPECT_TRUE(tf.pedidos.empty());
}

TEST(RelogioSono, FonteRoteirizadaDesligaOSono)
{
    TempoFalso tf;
    roteiro::Ticks ticks;
    ticks.passo = 1;
    CRelogio relogio;
    relogio.defDormidor(TempoFalso::dorme, &tf);
    relogio.defFonteTicks(roteiro::Ticks::le, &ticks);
    relogio.inicializa();
    relogio.atualiza();
    EXPECT_EQ(33u, relogio.retornaIntervalo());
    EXPECT_TRUE(tf.pedidos.empty());

    // A sleeper given after the source is used, with a fresh estimate.
    relogio.defFonteTicks(TempoFalso::le, &tf);
    relogio.defDormidor(TempoFalso::dorme, &tf);
    relogio.inicializa();
    relogio.atualiza();
    EXPECT_EQ(std::vector<Uint32>{21}, tf.pedidos);
}

TEST(RelogioSDL, SemFonteUsaOContadorDoSDL)
{
    ASSERT_EQ(0, SDL_Init(SDL_INIT_TIMER));
    CRelogio relogio;
    roteiro::Ticks ticks;
    relogio.defFonteTicks(roteiro::Ticks::le, &ticks);
    relogio.defFonteTicks(nullptr, nullptr);
    relogio.inicializa();
    const Uint32 inicio = SDL_GetTicks();
    relogio.atualiza();
    EXPECT_GE(SDL_GetTicks() - inicio, 33u);
    EXPECT_EQ(0u, ticks.leituras);
    SDL_Quit();
}

}  // namespace
