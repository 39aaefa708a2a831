// CEvento: SDL keyboard, controller and mouse events into logical key and pointer states.
#include "engine/core/CEvento.h"

#include <SDL.h>

namespace {

// Default bindings: (logical number, SDL key), in this order.
const struct {
    unsigned char codInt;
    int codSDL;
} TECLAS_PADRAO[] = {
    {0, SDLK_UP}, {1, SDLK_DOWN}, {3, SDLK_LEFT}, {2, SDLK_RIGHT}, {4, SDLK_LCTRL}, {5, SDLK_ESCAPE},
};

// The controller's default bindings: (logical number, controller input). Button numbers
// differ between pads: 0 and 1 are the two main face buttons on most; 6 and 7 are select and
// start on many, 8 and 9 on others; 12 to 15 are the D-pad (up, down, left, right) where it
// comes as buttons, as in a browser's standard layout.
const struct {
    unsigned char codInt;
    int codControle;
} CONTROLE_PADRAO[] = {
    {0, CEvento::CONTROLE_CIMA}, {1, CEvento::CONTROLE_BAIXO}, {2, CEvento::CONTROLE_DIREITA},
    {3, CEvento::CONTROLE_ESQUERDA}, {4, 0}, {5, 1}, {6, 2}, {6, 6}, {6, 8}, {7, 7}, {7, 9},
    {0, 12}, {1, 13}, {3, 14}, {2, 15},
};

// One bit per direction code, from CONTROLE_CIMA.
unsigned bit(int direcao)
{
    return 1u << (direcao - CEvento::CONTROLE_CIMA);
}

// A key or controller input going down or up, applied to every binding of its code.
void aplica(std::vector<CTecla>& ligacoes, int codigo, bool baixou)
{
    for (CTecla& tecla : ligacoes) {
        if (tecla.codigoSDL != codigo)
            continue;
        tecla.subiu = !baixou && tecla.ativado;
        tecla.ativado = baixou;
        tecla.desceu = tecla.ativado;
    }
}

void zeraEstados(std::vector<CTecla>& ligacoes)
{
    for (CTecla& tecla : ligacoes) {
        tecla.ativado = false;
        tecla.desceu = false;
        tecla.subiu = false;
    }
}

}  // namespace

CEvento::CEvento()
    : direcoesHat(0), direcoesEixos(0), ponteiro(0, SDL_BUTTON_LEFT), ponteiroMovido(false),
      cursorVisivel(false), ponteiroXY{-1, -1}, escala(1)
{
    nomeClasse = "CEvento";
}

CEvento::~CEvento()
{
    teclas.clear();
}

bool CEvento::adicionaTecla(unsigned char codInt, int codSDL)
{
    if (teclas.size() >= MAX_TECLAS)
        return false;
    teclas.push_back(CTecla(codInt, codSDL));
    return true;
}

void CEvento::carregaConfigTeclasPadrao()
{
    teclas.clear();
    for (const auto& padrao : TECLAS_PADRAO)
        adicionaTecla(padrao.codInt, padrao.codSDL);
}

void CEvento::carregaConfigControlePadrao()
{
    botoes.clear();
    for (const auto& padrao : CONTROLE_PADRAO)
        botoes.push_back(CTecla(padrao.codInt, padrao.codControle));
}

bool CEvento::abreControle()
{
    if (SDL_InitSubSystem(SDL_INIT_JOYSTICK) < 0 || SDL_NumJoysticks() < 1)
        return false;
    SDL_JoystickEventState(SDL_ENABLE);
    return SDL_JoystickOpen(0) != nullptr;
}

void CEvento::defEscala(Uint8 escala)
{
    this->escala = escala < 1 ? 1 : escala;
}

bool CEvento::verificaConfigTeclas() const
{
    return !teclas.empty();
}

void CEvento::descarregaFila()
{
    for (std::vector<CTecla>* ligacoes : {&teclas, &botoes}) {
        for (CTecla& tecla : *ligacoes) {
            tecla.desceu = false;
            tecla.subiu = false;
        }
    }
    ponteiro.desceu = false;
    ponteiro.subiu = false;
    ponteiroMovido = false;
    SDL_Event ev;
    while (SDL_PollEvent(&ev)) {
        switch (ev.type) {
        case SDL_KEYDOWN:
            // The system's cursor shows while the mouse is in use, and goes at a key.
            if (cursorVisivel) {
                cursorVisivel = false;
                SDL_ShowCursor(SDL_DISABLE);
            }
            aplica(teclas, ev.key.keysym.sym, true);
            break;
        case SDL_KEYUP:
            aplica(teclas, ev.key.keysym.sym, false);
            break;
        case SDL_JOYBUTTONDOWN:
        case SDL_JOYBUTTONUP:
        case SDL_JOYHATMOTION:
        case SDL_JOYAXISMOTION:
            trataControle(ev);
            break;
        case SDL_MOUSEMOTION:
        case SDL_MOUSEBUTTONDOWN:
        case SDL_MOUSEBUTTONUP:
            trataPonteiro(ev);
            break;
        default:
            break;  // the window's close button and the rest do nothing here
        }
    }
}

void CEvento::trataControle(const SDL_Event& ev)
{
    // Every event type keeps the device's index in the same place.
    if (ev.jbutton.which != 0)
        return;
    const unsigned antes = direcoes();
    if (ev.type == SDL_JOYBUTTONDOWN || ev.type == SDL_JOYBUTTONUP) {
        aplica(botoes, ev.jbutton.button, ev.type == SDL_JOYBUTTONDOWN);
        return;
    }
    if (ev.type == SDL_JOYHATMOTION) {
        if (ev.jhat.hat != 0)
            return;
        direcoesHat = ((ev.jhat.value & SDL_HAT_UP) ? bit(CONTROLE_CIMA) : 0) |
                      ((ev.jhat.value & SDL_HAT_DOWN) ? bit(CONTROLE_BAIXO) : 0) |
                      ((ev.jhat.value & SDL_HAT_RIGHT) ? bit(CONTROLE_DIREITA) : 0) |
                      ((ev.jhat.value & SDL_HAT_LEFT) ? bit(CONTROLE_ESQUERDA) : 0);
    } else if (ev.jaxis.axis <= 1) {
        // Axis 0 is the left stick's x, axis 1 its y (down positive).
        const int menor = ev.jaxis.axis == 0 ? CONTROLE_ESQUERDA : CONTROLE_CIMA;
        const int maior = ev.jaxis.axis == 0 ? CONTROLE_DIREITA : CONTROLE_BAIXO;
        direcoesEixos &= ~(bit(menor) | bit(maior));
        if (ev.jaxis.value < -ZONA_MORTA)
            direcoesEixos |= bit(menor);
        else if (ev.jaxis.value > ZONA_MORTA)
            direcoesEixos |= bit(maior);
    }
    // A direction goes down or up only when it changes: the stick sends a stream of events
    // while it is held, and the hat and the stick may hold the same direction.
    const unsigned depois = direcoes();
    for (int d = CONTROLE_CIMA; d <= CONTROLE_ESQUERDA; ++d) {
        if ((antes ^ depois) & bit(d))
            aplica(botoes, d, (depois & bit(d)) != 0);
    }
}

void CEvento::trataPonteiro(const SDL_Event& ev)
{
    const bool movimento = ev.type == SDL_MOUSEMOTION;
    if (movimento && !cursorVisivel) {
        cursorVisivel = true;
        SDL_ShowCursor(SDL_ENABLE);
    }
    if (!movimento && ev.button.button != SDL_BUTTON_LEFT)
        return;
    // Where a press happened stays the frame's answer: a click that drags on is still
    // a click where it went down.
    if (!ponteiro.desceu) {
        ponteiroXY[0] = (movimento ? ev.motion.x : ev.button.x) / escala;
        ponteiroXY[1] = (movimento ? ev.motion.y : ev.button.y) / escala;
    }
    ponteiroMovido = true;
    if (ev.type == SDL_MOUSEBUTTONDOWN) {
        ponteiro.desceu = true;
        ponteiro.ativado = true;
    } else if (ev.type == SDL_MOUSEBUTTONUP) {
        ponteiro.subiu = ponteiro.subiu || ponteiro.ativado;
        ponteiro.ativado = false;
    }
}

bool CEvento::consulta(unsigned char codInt, bool CTecla::*estado) const
{
    for (const std::vector<CTecla>* ligacoes : {&teclas, &botoes}) {
        for (const CTecla& tecla : *ligacoes) {
            if (tecla.codigoInt == codInt && tecla.*estado)
                return true;
        }
    }
    return false;
}

bool CEvento::desceu(unsigned char codInt) const
{
    return consulta(codInt, &CTecla::desceu);
}

bool CEvento::subiu(unsigned char codInt) const
{
    return consulta(codInt, &CTecla::subiu);
}

bool CEvento::ativado(unsigned char codInt) const
{
    return consulta(codInt, &CTecla::ativado);
}

bool CEvento::possuiTecla(unsigned char codInt) const
{
    for (const CTecla& tecla : teclas) {
        if (tecla.codigoInt == codInt)
            return true;
    }
    return false;
}

void CEvento::zera()
{
    zeraEstados(teclas);
    zeraEstados(botoes);
    // The directions the hat and stick hold stay known: one held across a switch, like a held
    // key, goes down again only after it has come back.
    ponteiro.ativado = false;
    ponteiro.desceu = false;
    ponteiro.subiu = false;
    ponteiroMovido = false;
}
