// Tests of CAcumulador: counting by the clock's frame lengths, the limit, the restart and
// the time text. Depends on CAcumulador, CRelogio and the stepping tick source (Apoio.h).
#include <gtest/gtest.h>

#include "engine/core/CAcumulador.h"
#include "engine/core/CRelogio.h"
#include "tests/Apoio.h"

namespace {

// A clock whose every frame is counted as exactly the milliseconds asked for.
struct Relogio {
    Relogio()
    {
        relogio.defFonteTicks(apoio::TicksPasso::le, &ticks);
        relogio.inicializa();
    }
    void quadro(Uint32 ms)
    {
        ticks.passo = ms;
        relogio.ajustaIntervalos(ms, ms);
        relogio.atualiza();
    }
    apoio::TicksPasso ticks;
    CRelogio relogio;
};

}  // namespace

TEST(Acumulador, TextoDoTempoEmHorasMinutosSegundos)
{
    const std::pair<Uint32, const char*> casos[] = {
        {0, "00:00:00"},         {999, "00:00:00"},       {65000, "00:01:05"},
        {3599999, "00:59:59"},   {3600000, "01:00:00"},   {36000000, "10:00:00"},
        {359999999, "99:59:59"}, {360000000, "100:00:00"}};
    Relogio f;
    for (const auto& [ms, texto] : casos) {
        CAcumulador a(&f.relogio, 0);
        f.quadro(ms);
        a.atualiza();
        EXPECT_EQ(a.retornaTempoF(), texto) << ms << " ms";
    }
}

TEST(Acumulador, ContaQuadrosAteOLimiteEReiniciaComOResto)
{
    Relogio f;
    CAcumulador a(&f.relogio, 100);
    a.atualiza();  // before the clock's first frame nothing is counted
    for (int i = 0; i < 3; ++i) {
        f.quadro(33);
        a.atualiza();
    }
    EXPECT_FALSE(a.terminou()) << "99 ms is under the limit";
    f.quadro(33);
    a.atualiza();
    EXPECT_TRUE(a.terminou());
    a.mudaLimite(200);
    EXPECT_EQ(a.retornaTempo(), 132u);
    EXPECT_FALSE(a.terminou());

    f.quadro(5020 - 132);
    a.atualiza();
    f.quadro(33);
    a.reinicia();
    EXPECT_EQ(a.retornaTempo(), 4u) << "5020 restarted after a 33-ms frame";
    EXPECT_TRUE(CAcumulador(&f.relogio, 0).terminou()) << "a limit of 0 has passed at once";

    // Without a clock, or before its first frame, a restart starts from zero.
    a.inicializa(nullptr, 10);
    a.atualiza();
    EXPECT_EQ(a.retornaTempo(), 4u) << "inicializa keeps the time; no clock adds nothing";
    a.reinicia();
    EXPECT_EQ(a.retornaTempo(), 0u);
    Relogio novo;
    CAcumulador b(&f.relogio, 1000);
    b.atualiza();
    b.inicializa(&novo.relogio, 1000);
    b.reinicia();
    EXPECT_EQ(b.retornaTempo(), 0u);
}
