// Menu: highlight, choice, drawing and idle return of the main menu.
#include "game/Menu.h"

#include <string>

#include "engine/core/CEvento.h"
#include "engine/media/CSom.h"
#include "engine/media/CVideo.h"
#include "game/Corvela.h"

namespace {

const char* const ROTULOS[Menu::TOTAL_LINHAS] = {"Easy", "Normal", "Impossible", "Credits",
                                                 "Quit"};
const char* const MARCA_DESTAQUE = "> ";
const char* const MARCA_COMUM = "  ";

const int TECLA_CIMA = 0;
const int TECLA_BAIXO = 1;
const int TECLA_ACAO = 4;

const unsigned char SLOT_FOCO = 0;
const unsigned char SLOT_ESCOLHA = 1;
const unsigned char VOLUME_MUSICA = 50;
const int SEGUNDOS_FADE = 3;

const int Y_PRIMEIRA_LINHA = 70;
const int ESPACO_LINHAS = 30;
const SDL_Color COR_DESTAQUE = {255, 0, 255, 0};
const SDL_Color COR_COMUM = {50, 50, 50, 0};

// The rows' text area is wider than the screen: no row ever breaks.
const int LARGURA_TEXTO = 500;
const int ALTURA_TEXTO = 400;
const unsigned short TAMANHO_FONTE = 18;

}  // namespace

Menu::Menu() : selecao(NORMAL)
{
    nomeClasse = "Menu";
}

bool Menu::init()
{
    titulo.carregaImagem("data/gfx/title.bmp");
    som()->carregaMusica("data/music/nintendo.ogg");
    som()->volumeMus(VOLUME_MUSICA);
    som()->tocaMusica(-1);
    selecao = NORMAL;
    tempoOcioso.inicializa(tempo(), LIMITE_OCIOSO);
    texto.inicializa(LARGURA_TEXTO, ALTURA_TEXTO, "data/fonts/Sans Bold.ttf", TAMANHO_FONTE);
    return true;
}

void Menu::ciclo()
{
    trataTeclas();
    desenha();
    if (tempoOcioso.terminou()) {
        som()->fadeOutMus(SEGUNDOS_FADE);
        static_cast<Corvela*>(proj())->defProxModulo(Corvela::APRESENTACAO);
    }
    tempoOcioso.atualiza();
}

bool Menu::cobreTela() const
{
    return titulo.cobre(video()->retornaLargura(), video()->retornaAltura());
}

void Menu::trataTeclas()
{
    const CEvento* teclas = evento();
    if (teclas->desceu(TECLA_CIMA))
        moveDestaque(selecao <= FACIL ? SAIR : selecao - 1);
    else if (teclas->desceu(TECLA_BAIXO))
        moveDestaque(selecao >= SAIR ? FACIL : selecao + 1);
    else if (teclas->subiu(TECLA_ACAO))
        escolhe();
    else if (teclas->ponteiroMoveu())
        apontaLinha(teclas->ponteiroX(), teclas->ponteiroY(), teclas->ponteiroDesceu());
}

void Menu::apontaLinha(int x, int y, bool toque)
{
    // Each row takes its whole band under the text, between the text's left edge and the
    // same margin on the right.
    const int margem = video()->retornaLargura() >> 2;
    const int linha = y < Y_PRIMEIRA_LINHA ? -1 : (y - Y_PRIMEIRA_LINHA) / ESPACO_LINHAS;
    if (x < margem || x >= video()->retornaLargura() - margem || linha < 0 ||
        linha >= TOTAL_LINHAS)
        return;
    if (toque) {
        selecao = linha;
        escolhe();
    } else if (linha != selecao) {
        moveDestaque(linha);
    }
}

void Menu::moveDestaque(int novaSelecao)
{
    selecao = novaSelecao;
    som()->carregaSom("data/sfx/opc_foco.wav", SLOT_FOCO, true);
    som()->tocaSom(SLOT_FOCO, 0, false);
    tempoOcioso.reinicia();
}

void Menu::escolhe()
{
    som()->carregaSom("data/sfx/opc_escolha.wav", SLOT_ESCOLHA, true);
    som()->tocaSom(SLOT_ESCOLHA, 0, false);
    Corvela* projeto = static_cast<Corvela*>(proj());
    switch (selecao) {
    case FACIL:
    case NORMAL:
    case IMPOSSIVEL:
        // Stored first: the game screen reads it in its init, at the end of this frame.
        projeto->dificuldade = static_cast<Uint8>(selecao);
        projeto->defProxModulo(Corvela::JOGO);
        break;
    case CREDITOS:
        projeto->defProxModulo(Corvela::CREDITOS);
        break;
    default:
        projeto->termina();
        break;
    }
}

void Menu::desenha()
{
    SDL_Surface* tela = video()->retornaTela();
    titulo.desenha(0, 0);
    const int x = video()->retornaLargura() >> 2;
    for (int i = 0; i < TOTAL_LINHAS; ++i) {
        const bool destacada = i == selecao;
        const SDL_Color& cor = destacada ? COR_DESTAQUE : COR_COMUM;
        texto.escreveTexto(std::string(destacada ? MARCA_DESTAQUE : MARCA_COMUM) + ROTULOS[i]);
        texto.exibe(x, Y_PRIMEIRA_LINHA + ESPACO_LINHAS * i, tela, cor.r, cor.g, cor.b);
    }
}
