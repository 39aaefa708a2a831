// Tests of CAcumulador: counting the clock's frame lengths up to a limit, the restart that
// keeps the remainder, and the time text.
#include <gtest/gtest.h>

#include "engine/core/CAcumulador.h"
#include "engine/core/CRelogio.h"
#include "tests/apoio/Apoio.h"

namespace {

// A clock whose every frame is counted as exactly the milliseconds asked for.
struct Relogio {
    Relogio()
    {
        relogio.defFonteTicks(roteiro::Ticks::le, &ticks);
        relogio.inicializa();
    }
    void quadro(Uint32 ms)
    {
        ticks.passo = ms;
        relogio.ajustaIntervalos(ms, ms);
        relogio.atualiza();
    }
    roteiro::Ticks ticks;
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
    for (int i = 0; i < 3; ++i, a.atualiza())
        f.quadro(33);
    EXPECT_FALSE(a.terminou()) << "99 ms is under the limit";
    f.quadro(5020 - 99);
    a.atualiza();
    EXPECT_TRUE(a.terminou());
    f.quadro(33);
    a.reinicia();
    EXPECT_EQ(a.retornaTempo(), 4u) << "5020 restarted after a 33-ms frame";
    Relogio novo;  // no frame length yet: a restart starts at 0, and so without a clock
    a.inicializa(&novo.relogio, 10);
    a.reinicia();
    EXPECT_EQ(a.retornaTempo(), 0u);
    a.inicializa(nullptr, 10);
    a.reinicia();
}
