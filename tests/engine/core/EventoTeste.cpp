// Input service: logical key states from real SDL key events.
#include <gtest/gtest.h>

#include "tests/apoio/Apoio.h"
#include "engine/core/CEvento.h"

namespace {

using roteiro::empurraTecla;

class EventoTeste : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_EQ(0, SDL_Init(SDL_INIT_VIDEO));
        ASSERT_NE(nullptr, SDL_SetVideoMode(320, 240, 16, 0));
        evento.carregaConfigTeclasPadrao();
        evento.adicionaTecla(4, SDLK_LALT);
    }
    void TearDown() override { SDL_Quit(); }

    CEvento evento;
};

TEST_F(EventoTeste, EstadosDeUmaTeclaQuadroAQuadro)
{
    empurraTecla(SDLK_UP, true);
    evento.descarregaFila();
    EXPECT_TRUE(evento.desceu(0));
    EXPECT_TRUE(evento.ativado(0));
    EXPECT_FALSE(evento.subiu(0));
    EXPECT_FALSE(evento.desceu(1));

    // Held: no longer "went down", still held.
    evento.descarregaFila();
    EXPECT_FALSE(evento.desceu(0));
    EXPECT_TRUE(evento.ativado(0));

    empurraTecla(SDLK_UP, false);
    evento.descarregaFila();
    EXPECT_TRUE(evento.subiu(0));
    EXPECT_FALSE(evento.ativado(0));

    // "Went up" lasts exactly one frame.
    evento.descarregaFila();
    EXPECT_FALSE(evento.subiu(0));
}

TEST_F(EventoTeste, UltimoEventoDoQuadroDecide)
{
    // Pressed and released between two frames.
    empurraTecla(SDLK_LEFT, true);
    empurraTecla(SDLK_LEFT, false);
    evento.descarregaFila();
    EXPECT_FALSE(evento.desceu(3));
    EXPECT_TRUE(evento.subiu(3));
    EXPECT_FALSE(evento.ativado(3));

    // Released and pressed again between two frames.
    empurraTecla(SDLK_RIGHT, true);
    evento.descarregaFila();
    empurraTecla(SDLK_RIGHT, false);
    empurraTecla(SDLK_RIGHT, true);
    evento.descarregaFila();
    EXPECT_TRUE(evento.desceu(2));
    EXPECT_FALSE(evento.subiu(2));
    EXPECT_TRUE(evento.ativado(2));
}

TEST_F(EventoTeste, DuasTeclasNoMesmoNumeroLogico)
{
    empurraTecla(SDLK_LCTRL, true);
    evento.descarregaFila();
    empurraTecla(SDLK_LALT, true);
    evento.descarregaFila();
    EXPECT_TRUE(evento.desceu(4));
    empurraTecla(SDLK_LALT, false);
    evento.descarregaFila();
    // Alt went up while Ctrl is still held: both answers hold for the one logical key.
    EXPECT_TRUE(evento.subiu(4));
    EXPECT_TRUE(evento.ativado(4));
    evento.descarregaFila();
    EXPECT_FALSE(evento.subiu(4));
    EXPECT_TRUE(evento.ativado(4));
}

TEST_F(EventoTeste, ZeraEsqueceTeclaSeguradaEOutrosEventosNaoContam)
{
    empurraTecla(SDLK_ESCAPE, true);
    evento.descarregaFila();
    evento.zera();
    EXPECT_FALSE(evento.ativado(5));
    // Released after the switch: it was not held here, so it does not count as "went up".
    empurraTecla(SDLK_ESCAPE, false);
    evento.descarregaFila();
    EXPECT_FALSE(evento.subiu(5));
    EXPECT_FALSE(evento.desceu(5));

    SDL_Event sair = {};
    sair.type = SDL_QUIT;
    SDL_PushEvent(&sair);
    empurraTecla(SDLK_a, true);  // bound to nothing
    evento.descarregaFila();
    for (unsigned char k = 0; k < 8; ++k) {
        EXPECT_FALSE(evento.desceu(k));
        EXPECT_FALSE(evento.ativado(k));
    }
}

TEST_F(EventoTeste, ListaDeTeclas)
{
    EXPECT_EQ(7u, evento.totTeclas());
    evento.carregaConfigTeclasPadrao();
    EXPECT_EQ(6u, evento.totTeclas());
    EXPECT_TRUE(evento.verificaConfigTeclas());

    // The same pair twice: both bindings change together.
    evento.adicionaTecla(0, SDLK_UP);
    empurraTecla(SDLK_UP, true);
    evento.descarregaFila();
    EXPECT_TRUE(evento.desceu(0));

    // The list stops where the 8-bit walks stop.
    while (evento.adicionaTecla(9, SDLK_z)) {
    }
    EXPECT_EQ(CEvento::MAX_TECLAS, evento.totTeclas());
    empurraTecla(SDLK_z, true);
    evento.descarregaFila();
    EXPECT_TRUE(evento.ativado(9));
}

TEST(EventoVazio, SemTeclasNadaResponde)
{
    CEvento evento;
    EXPECT_FALSE(evento.verificaConfigTeclas());
    EXPECT_FALSE(evento.desceu(0));
    EXPECT_EQ("CEvento", evento.retornaNomeClasse());
}

}  // namespace
