// CAcumulador: the clock's frame lengths summed up to a limit, the restart that keeps the
// remainder, and the time text.
#include <gtest/gtest.h>

#include <cstdint>
#include <utility>

#include "engine/core/CAcumulador.h"
#include "engine/core/CRelogio.h"
#include "tests/apoio/Apoio.h"

TEST(Acumulador, SomaOsQuadrosAteOLimiteReiniciaComORestoEEscreveOTempo)
{
    roteiro::Ticks ticks;
    CRelogio relogio;
    relogio.defFonteTicks(roteiro::Ticks::le, &ticks);
    relogio.inicializa();
    relogio.ajustaIntervalos(0, UINT32_MAX);  // every frame counted as it comes
    const auto quadro = [&](Uint32 ms) { ticks.passo = ms; relogio.atualiza(); };
    CAcumulador a(&relogio, 100);
    for (int i = 0; i < 3; ++i, a.atualiza())
        quadro(33);
    EXPECT_FALSE(a.terminou()) << "99 ms is under the limit";
    quadro(5020 - 99);
    a.atualiza();
    EXPECT_TRUE(a.terminou());
    quadro(33);
    a.reinicia();
    EXPECT_EQ(a.retornaTempo(), 4u) << "5020 restarted after a 33-ms frame";
    CRelogio novo;  // no frame counted yet: a restart starts at 0
    a.inicializa(&novo, 10);
    a.reinicia();
    EXPECT_EQ(a.retornaTempo(), 0u);

    const std::pair<Uint32, const char*> textos[] = {
        {999, "00:00:00"}, {65000, "00:01:05"}, {3600000, "01:00:00"}, {36000000, "10:00:00"}};
    for (const auto& [ms, texto] : textos) {
        CAcumulador b(&relogio, 0);
        quadro(ms);
        b.atualiza();
        EXPECT_EQ(b.retornaTempoF(), texto) << ms << " ms";
    }
}
