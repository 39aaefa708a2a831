// CSpriteAnimado: frame grid arithmetic, the back-and-forth animation and frame draws.
#include "engine/media/CSpriteAnimado.h"

#include <climits>
#include <cstdio>

CSpriteAnimado::CSpriteAnimado()
    : quadroAtual(0), passo(1), iniciado(false), larguraQuadro(0), alturaQuadro(0),
      quadroInicial(0), quadroFinal(0)
{
    nomeClasse = "CSpriteAnimado";
}

void CSpriteAnimado::inicializa(int larguraQuadro, int alturaQuadro, int quadroInicial,
                                int quadroFinal, CRelogio* relogio, unsigned intervalo)
{
    this->larguraQuadro = larguraQuadro;
    this->alturaQuadro = alturaQuadro;
    ajustaQuadros(quadroInicial, quadroFinal);
    acumulador = std::make_unique<CAcumulador>(relogio, intervalo);
}

void CSpriteAnimado::ajustaQuadros(int quadroInicial, int quadroFinal)
{
    this->quadroInicial = quadroInicial;
    this->quadroFinal = quadroFinal;
}

void CSpriteAnimado::ajustaIntervalo(unsigned intervalo)
{
    if (acumulador)
        acumulador->mudaLimite(intervalo);
}

bool CSpriteAnimado::anima(int x, int y)
{
    if (!visivel)
        return false;
    if (superficie == nullptr) {
        fprintf(stderr, "Impossivel animar: %s\t %s\n", arquivo.c_str(), SDL_GetError());
        arquivo.clear();
        return false;
    }
    SDL_Surface* tela = telaAtiva();
    if (tela == nullptr || colunas() == 0)
        return false;
    passoAnimacao(x, y, tela);
    return true;
}

void CSpriteAnimado::anima(int x, int y, SDL_Surface* alvo)
{
    if (visivel && alvo != nullptr && colunas() > 0)
        passoAnimacao(x, y, alvo);
}

bool CSpriteAnimado::desenha(int x, int y, unsigned short quadro)
{
    return visivel && desenha(x, y, quadro, telaAtiva());
}

bool CSpriteAnimado::desenha(int x, int y, unsigned short quadro, SDL_Surface* alvo)
{
    SDL_Rect origem;
    if (!visivel || alvo == nullptr || !retanguloQuadro(quadro, origem))
        return false;
    quadroAtual = quadro;
    guardaPosicao(x, y);
    SDL_BlitSurface(superficie, &origem, alvo, &destino);
    return true;
}

int CSpriteAnimado::colunas() const
{
    if (superficie == nullptr || larguraQuadro <= 0 || alturaQuadro <= 0)
        return 0;
    return superficie->w / larguraQuadro;
}

bool CSpriteAnimado::retanguloQuadro(int quadro, SDL_Rect& origem) const
{
    const int total = colunas();
    if (total == 0 || quadro < 0)
        return false;
    // The offsets are worked out wide: the row's can pass an int. A frame whose offset is
    // past 16 bits lies beyond any sheet, and cutting it to 16 bits would wrap it onto
    // another frame: it gets an empty rectangle, so it draws nothing, as SDL would clip it.
    const long long coluna = static_cast<long long>(quadro % total) * larguraQuadro;
    const long long linha = static_cast<long long>(quadro / total) * alturaQuadro;
    const bool cabe = coluna <= SHRT_MAX && linha <= SHRT_MAX;
    origem.x = cabe ? static_cast<Sint16>(coluna) : 0;
    origem.y = cabe ? static_cast<Sint16>(linha) : 0;
    origem.w = cabe ? static_cast<Uint16>(larguraQuadro) : 0;
    origem.h = cabe ? static_cast<Uint16>(alturaQuadro) : 0;
    return true;
}

void CSpriteAnimado::rebate()
{
    if (quadroFinal <= quadroInicial) {
        quadroAtual = quadroInicial;
        return;
    }
    if (quadroAtual > quadroFinal) {
        quadroAtual = quadroFinal - 1;
        passo = -passo;
    }
    if (quadroAtual < quadroInicial) {
        quadroAtual = quadroInicial + 1;
        passo = -passo;
    }
}

void CSpriteAnimado::passoAnimacao(int x, int y, SDL_Surface* alvo)
{
    if (!iniciado) {
        quadroAtual = quadroInicial;
        passo = 1;
    }
    rebate();

    // A local rectangle, so the size getters keep the sheet's size.
    SDL_Rect local = {static_cast<Sint16>(x), static_cast<Sint16>(y), 0, 0};
    SDL_Rect origem;
    if (retanguloQuadro(quadroAtual, origem))
        SDL_BlitSurface(superficie, &origem, alvo, &local);

    if (acumulador && acumulador->terminou()) {
        // At the int's edge (a range ending there) turn as the bounce would.
        if ((passo > 0 && quadroAtual == INT_MAX) || (passo < 0 && quadroAtual == INT_MIN)) {
            passo = -passo;
            quadroAtual += passo;
        }
        quadroAtual += passo;
        acumulador->reinicia();
    }
    iniciado = true;
    if (acumulador)
        acumulador->atualiza();
    guardaPosicao(x, y);
}
