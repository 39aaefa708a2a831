// Tests of the visit's records, reached by real games with chosen moves and times, and of the
// time text that shows them.
#include <gtest/gtest.h>

#include "tests/TelaJogo.h"

TEST(Recordes, TempoEmTexto)
{
    EXPECT_EQ("00:00:00", Jogo::retornaTempoF(0));
    EXPECT_EQ("00:00:00", Jogo::retornaTempoF(999));
    EXPECT_EQ("00:01:05", Jogo::retornaTempoF(65000));
    EXPECT_EQ("01:00:00", Jogo::retornaTempoF(3600000));
    EXPECT_EQ("100:00:00", Jogo::retornaTempoF(360000000));
    EXPECT_EQ("1193:02:47", Jogo::retornaTempoF(4294967295UL)) << "the timer's largest value";
}

TEST_F(TelaJogo, RecordesDaVisitaSoDescemCadaUmPorSi)
{
    entra(Jogo::NORMAL);
    venceCom(95, 83400);
    EXPECT_EQ(95u, jogo().retornaRecordeMovimentos());
    EXPECT_EQ(83400u, jogo().retornaRecordeTempo());
    EXPECT_TRUE(mostra("Moves: 95", 4, 60, CIANO));
    EXPECT_TRUE(mostra("00:01:23", 4, 90, CIANO));
    quadro();
    EXPECT_TRUE(mostra("Moves: 95", 4, 180, CIANO));
    EXPECT_TRUE(mostra("00:01:23", 4, 210, CIANO));

    aperta(SDLK_LCTRL);
    venceCom(120, 61000);
    EXPECT_EQ(2u, jogo().retornaVitorias());
    EXPECT_EQ(95u, jogo().retornaRecordeMovimentos());
    EXPECT_EQ(61000u, jogo().retornaRecordeTempo());
    EXPECT_TRUE(mostra("Moves: 95", 4, 60, CIANO));
    EXPECT_TRUE(mostra("00:01:01", 4, 90, CIANO));

    aperta(SDLK_LCTRL);
    venceCom(95, 61000);  // equal to both
    EXPECT_EQ(95u, jogo().retornaRecordeMovimentos());
    EXPECT_EQ(61000u, jogo().retornaRecordeTempo());
}

// A record of 0 is a real record: the first win sets both records whatever they are, and a
// later, longer game does not take its place.
TEST_F(TelaJogo, PrimeiraVitoriaFixaOsRecordesMesmoEmZero)
{
    entra(9);  // no shuffle: the first frame finds the board solved
    quadro();
    ASSERT_EQ(1u, jogo().retornaVitorias());
    EXPECT_EQ(0u, jogo().retornaRecordeMovimentos());
    EXPECT_EQ(0u, jogo().retornaRecordeTempo());

    tab().seleciona(15);
    aperta(SDLK_LCTRL);  // the next game; the same key moves tile 15 into the hole
    ASSERT_EQ(1u, jogo().retornaMovimentos());
    venceCom(5, 4000);
    EXPECT_EQ(2u, jogo().retornaVitorias());
    EXPECT_EQ(0u, jogo().retornaRecordeMovimentos());
    EXPECT_EQ(0u, jogo().retornaRecordeTempo());
}
