// Input service: logical key states from real SDL key events, frame by frame.
#include <gtest/gtest.h>

#include <array>
#include <string>
#include <utility>
#include <vector>

#include "engine/core/CEvento.h"
#include "tests/apoio/Apoio.h"

namespace {

// The logical keys 0 to 9 with a state set, as "<key><D went down><A held><S went up> ".
std::string estadosDe(const CEvento& evento)
{
    std::string texto;
    for (unsigned char k = 0; k < 10; ++k) {
        const std::string e = std::string(evento.desceu(k) ? "D" : "") +
                              (evento.ativado(k) ? "A" : "") + (evento.subiu(k) ? "S" : "");
        texto += e.empty() ? "" : std::to_string(k) + e + " ";
    }
    return texto;
}

}  // namespace

TEST(Evento, EstadosQuadroAQuadroOUltimoEventoDaTeclaDecideAteOLimiteDeLigacoes)
{
    ASSERT_EQ(0, SDL_Init(SDL_INIT_VIDEO));
    CEvento evento;
    evento.carregaConfigTeclasPadrao();
    const auto estados = [&evento] { return estadosDe(evento); };
    const auto quadro = [&] { evento.descarregaFila(); return estados(); };
    EXPECT_EQ("", estados()) << "a binding starts with no state";

    // The default keys, in the order of their logical numbers.
    const SDLKey padrao[] = {SDLK_UP, SDLK_DOWN, SDLK_RIGHT, SDLK_LEFT, SDLK_LCTRL, SDLK_ESCAPE};
    for (char n = '0'; n <= '5'; ++n) {
        roteiro::empurraTecla(padrao[n - '0'], true);
        EXPECT_EQ(n + std::string("DA "), quadro());
        roteiro::empurraTecla(padrao[n - '0'], false);
        EXPECT_EQ(n + std::string("S "), quadro());
        EXPECT_EQ("", quadro());
    }

    // Each step: the key events pushed before a frame, the states after it.
    evento.adicionaTecla(4, SDLK_LALT);
    const std::pair<std::vector<std::pair<SDLKey, bool>>, const char*> passos[] = {
        {{{SDLK_LEFT, true}, {SDLK_LEFT, false}, {SDLK_RIGHT, true}}, "2DA 3S "},
        {{{SDLK_RIGHT, false}, {SDLK_RIGHT, true}}, "2DA "},
        {{{SDLK_RIGHT, false}, {SDLK_LCTRL, true}, {SDLK_LALT, true}, {SDLK_a, true}}, "2S 4DA "},
        {{{SDLK_LALT, false}}, "4AS "},  // Alt went up, Ctrl on the same logical key is held
    };
    for (const auto& [teclas, esperados] : passos) {
        for (const auto& [tecla, desce] : teclas)
            roteiro::empurraTecla(tecla, desce);
        EXPECT_EQ(esperados, quadro());
    }
    // Full, the list refuses a binding, saying so.
    while (evento.adicionaTecla(9, SDLK_z)) {
    }
    EXPECT_EQ(CEvento::MAX_TECLAS, evento.totTeclas());
    SDL_Quit();
}

// The controller and the pointer, frame by frame: the controller's inputs give the same states
// as keys, a stick within its dead zone or a stream of events on a held direction gives
// nothing new, and the pointer keeps a click seen within one frame, at the point it went down,
// in screen pixels whatever the window's scale.
TEST(Evento, ControleComoTeclasEPonteiroEmPixelsDaTela)
{
    ASSERT_EQ(0, SDL_Init(SDL_INIT_VIDEO));
    CEvento evento;
    evento.carregaConfigControlePadrao();
    const auto estados = [&evento] { evento.descarregaFila(); return estadosDe(evento); };
    using roteiro::empurraControle;
    const int EIXO = SDL_JOYAXISMOTION, HAT = SDL_JOYHATMOTION;
    // Each step: the controller events pushed before a frame, the states after it.
    const std::pair<std::vector<std::array<int, 3>>, const char*> passos[] = {
        {{{HAT, SDL_HAT_UP, 0}}, "0DA "},
        {{{HAT, SDL_HAT_RIGHTUP, 0}}, "0A 2DA "},
        {{{EIXO, -9000, 1}, {HAT, SDL_HAT_CENTERED, 0}}, "0A 2S "},  // the stick holds up
        {{{EIXO, -20000, 1}, {EIXO, -8000, 1}}, "0S "},  // back inside the dead zone
        {{{EIXO, 8001, 1}, {EIXO, -8001, 0}, {EIXO, 8001, 2}}, "1DA 3DA "},
        {{{EIXO, 8000, 0}, {EIXO, 0, 1}, {SDL_JOYBUTTONDOWN, 0, 0}}, "1S 3S 4DA "},
        {{{SDL_JOYBUTTONUP, 0, 0}, {SDL_JOYBUTTONDOWN, 1, 0}, {SDL_JOYBUTTONDOWN, 8, 0}},
         "4S 5DA 6DA "},
        {{{SDL_JOYBUTTONDOWN, 9, 0}, {SDL_JOYBUTTONDOWN, 4, 0}}, "5A 6A 7DA "},
        {{{SDL_JOYBUTTONDOWN, 15, 0}, {SDL_JOYBUTTONDOWN, 12, 0}}, "0DA 2DA 5A 6A 7A "},  // D-pad
    };
    for (const auto& [eventos, esperados] : passos) {
        for (const auto& [tipo, valor, eixo] : eventos)
            empurraControle(static_cast<Uint8>(tipo), valor, static_cast<Uint8>(eixo));
        EXPECT_EQ(esperados, estados());
    }
    evento.zera();
    empurraControle(SDL_JOYBUTTONUP, 9);
    EXPECT_EQ("", estados()) << "released after a switch: not a release";

    EXPECT_FALSE(evento.abreControle()) << "none plugged in";

    using roteiro::empurraPonteiro;
    EXPECT_EQ(-1, evento.ponteiroX());
    const auto ponteiro = [&evento] {
        return std::string(evento.ponteiroDesceu() ? "D" : "") +
               (evento.ponteiroAtivado() ? "A" : "") + (evento.ponteiroSubiu() ? "S" : "") +
               (evento.ponteiroMoveu() ? "M" : "") + std::to_string(evento.ponteiroX()) + "," +
               std::to_string(evento.ponteiroY());
    };
    SDL_ShowCursor(SDL_DISABLE);
    empurraPonteiro(SDL_MOUSEMOTION, 10, 20);
    empurraPonteiro(SDL_MOUSEBUTTONDOWN, 50, 50, SDL_BUTTON_RIGHT);
    EXPECT_EQ("", estados());
    EXPECT_EQ("M10,20", ponteiro()) << "only the left button";
    EXPECT_EQ(SDL_ENABLE, SDL_ShowCursor(SDL_QUERY)) << "the cursor shows as the mouse moves";
    roteiro::empurraTecla(SDLK_a, true);
    estados();
    EXPECT_EQ(SDL_DISABLE, SDL_ShowCursor(SDL_QUERY)) << "and goes at a key";
    empurraPonteiro(SDL_MOUSEMOTION, 10, 20);
    estados();
    EXPECT_EQ(SDL_ENABLE, SDL_ShowCursor(SDL_QUERY)) << "to come back as the mouse moves";
    evento.defEscala(3);
    empurraPonteiro(SDL_MOUSEBUTTONDOWN, 959, 719);
    empurraPonteiro(SDL_MOUSEMOTION, 900, 600);
    empurraPonteiro(SDL_MOUSEBUTTONUP, 900, 600);
    estados();
    EXPECT_EQ("DSM319,239", ponteiro()) << "a click within one frame, where it went down";
    estados();
    EXPECT_EQ("319,239", ponteiro());
    empurraPonteiro(SDL_MOUSEBUTTONDOWN, 30, 60);
    estados();
    EXPECT_EQ("DAM10,20", ponteiro());
    empurraPonteiro(SDL_MOUSEMOTION, 300, 60);
    estados();
    EXPECT_EQ("AM100,20", ponteiro()) << "held while it moves";
    evento.zera();
    empurraPonteiro(SDL_MOUSEBUTTONUP, 300, 60);
    estados();
    EXPECT_EQ("M100,20", ponteiro()) << "held across a switch: no release";
    SDL_Quit();
}
