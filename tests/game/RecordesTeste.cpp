// Tests of the visit's records, reached by real games with chosen moves and times.
#include <gtest/gtest.h>

#include "tests/apoio/TelaJogo.h"

TEST_F(TelaJogo, RecordesDaVisitaSoDescemCadaUmPorSi)
{
    EXPECT_EQ("1193:02:47", Jogo::retornaTempoF(4294967295UL)) << "hours are not wrapped";
    entra(Jogo::NORMAL);
    venceCom(95, 83400);
    EXPECT_TRUE(mostra("Moves: 95", 4, 60, CIANO));
    EXPECT_TRUE(mostra("00:01:23", 4, 90, CIANO));
    quadro();
    EXPECT_TRUE(mostra("Moves: 95", 4, 180, CIANO));
    EXPECT_TRUE(mostra("00:01:23", 4, 210, CIANO));

    // Each record only goes down, on its own; an equal game changes nothing.
    const struct { Uint32 movimentos, tempo, recordeMovimentos, recordeTempo; } vitorias[] = {
        {120, 61000, 95, 61000}, {95, 61000, 95, 61000}, {90, 70000, 90, 61000}};
    for (const auto& v : vitorias) {
        aperta(SDLK_LCTRL);
        venceCom(v.movimentos, v.tempo);
        EXPECT_EQ(v.recordeMovimentos, jogo().retornaRecordeMovimentos()) << v.movimentos;
        EXPECT_EQ(v.recordeTempo, jogo().retornaRecordeTempo()) << v.tempo;
    }
    EXPECT_EQ(4u, jogo().retornaVitorias());
    EXPECT_TRUE(mostra("Moves: 90", 4, 60, CIANO));
    EXPECT_TRUE(mostra("00:01:01", 4, 90, CIANO));
}

// A record of 0 is a real record: a later, longer game does not take its place.
TEST_F(TelaJogo, PrimeiraVitoriaFixaOsRecordesMesmoEmZero)
{
    entra(9);  // no shuffle: the first frame finds the board solved
    quadro();
    ASSERT_EQ(1u, jogo().retornaVitorias());
    tab().seleciona(15);
    aperta(SDLK_LCTRL);  // the next game; the same key moves tile 15 into the hole
    venceCom(5, 4000);
    EXPECT_EQ(2u, jogo().retornaVitorias());
    EXPECT_EQ(0u, jogo().retornaRecordeMovimentos() + jogo().retornaRecordeTempo());
}
