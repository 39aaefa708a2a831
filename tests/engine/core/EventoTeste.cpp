// Input service: logical key states from real SDL key events, frame by frame.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "engine/core/CEvento.h"
#include "tests/apoio/Apoio.h"

TEST(Evento, EstadosQuadroAQuadroOUltimoEventoDaTeclaDecideAteOLimiteDeLigacoes)
{
    ASSERT_EQ(0, SDL_Init(SDL_INIT_VIDEO));
    CEvento evento;
    evento.carregaConfigTeclasPadrao();
    // The logical keys 0 to 9 with a state set, as "<key><D went down><A held><S went up> ".
    const auto estados = [&evento] {
        std::string texto;
        for (unsigned char k = 0; k < 10; ++k) {
            const std::string e = std::string(evento.desceu(k) ? "D" : "") +
                                  (evento.ativado(k) ? "A" : "") + (evento.subiu(k) ? "S" : "");
            texto += e.empty() ? "" : std::to_string(k) + e + " ";
        }
        return texto;
    };
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
