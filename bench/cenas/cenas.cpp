// cenas: the measured screens and how each is reached.
#include "cenas/cenas.h"

#include "cenas/TelaMedida.h"
#include "game/Apresentacao.h"
#include "game/Jogo.h"

namespace cenas {

namespace {

CModulo* criaTelaMedida()
{
    return new TelaMedida;
}

// The engine's own frame, on every module number so no switch leaves it.
bool preparaMotor(Partida& b)
{
    for (int n = 0; n < Corvela::NUM_MODULOS; ++n)
        b.jogo().defFabrica(n, criaTelaMedida);
    b.entra(Corvela::APRESENTACAO);
    return true;
}

// A screen brought `quadros` frames in, then held on that frame.
bool preparaParada(Partida& b, int modulo, unsigned quadros)
{
    b.entra(modulo);
    b.quadros(quadros);
    b.congela();
    return true;
}

// The intro after its first frame, which draws nothing of the logo (alpha 0): each of the
// frames after it blends the logo at the next alpha, up to the last step of the fade.
bool preparaDesvanecimento(Partida& b)
{
    b.entra(Corvela::APRESENTACAO);
    b.quadros(1);
    return true;
}

Jogo& jogoAtivo(Partida& b)
{
    return *static_cast<Jogo*>(b.jogo().retornaModulo());
}

// A Normal game as the menu starts it; its time runs.
void entraNoJogo(Partida& b)
{
    b.jogo().dificuldade = Jogo::NORMAL;
    b.entra(Corvela::JOGO);
    b.quadros(1);
}

bool preparaJogo(Partida& b)
{
    entraNoJogo(b);
    b.aperta(SDLK_BACKSPACE);
    b.quadros(1);
    return jogoAtivo(b).retornaTabuleiro().retornaAjuda() && !jogoAtivo(b).retornaLimpo();
}

bool preparaLimpo(Partida& b)
{
    entraNoJogo(b);
    Tabuleiro& t = jogoAtivo(b).retornaTabuleiro();
    for (unsigned k = 1; k < 16; ++k)
        t.troca(static_cast<unsigned char>(k), t.buscaPosicao(k)->numero);
    b.quadros(1);  // the win
    return jogoAtivo(b).retornaLimpo();
}

}  // namespace

const std::vector<Cena>& todas()
{
    static const std::vector<Cena> lista = {
        {"motor", "engine only: cleared screen, 16 tiles, four panel lines", preparaMotor, 0},
        {"desvanecimento", "intro's fade: the logo blended at a new alpha each frame",
         preparaDesvanecimento, Apresentacao::ALFA_FINAL / Apresentacao::PASSO_ALFA - 1},
        {"apresentacao", "intro at 2.6 s: the logo animating, its two lines",
         [](Partida& b) { return preparaParada(b, Corvela::APRESENTACAO, 80); }, 0},
        {"menu", "main menu: title picture, five rows",
         [](Partida& b) { return preparaParada(b, Corvela::MENU, 1); }, 0},
        {"jogo", "game screen playing, tile numbers on, time running", preparaJogo, 0},
        {"limpo", "game screen showing CLEAR!", preparaLimpo, 0},
        {"creditos", "credits, second page (the most text)",
         [](Partida& b) { return preparaParada(b, Corvela::CREDITOS, 220); }, 0},
    };
    return lista;
}

const Cena* procura(const std::string& nome)
{
    for (const Cena& c : todas())
        if (nome == c.nome)
            return &c;
    return nullptr;
}

}  // namespace cenas
