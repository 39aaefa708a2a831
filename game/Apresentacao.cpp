// Apresentacao: the intro's fade, logo, text and timing.
#include "game/Apresentacao.h"

#include "engine/media/CVideo.h"
#include "engine/plataforma/plataforma.h"
#include "game/Corvela.h"

namespace {

const SDL_Color FUNDO = {10, 10, 200, 0};
const SDL_Color CINZA_TRANSPARENTE = {102, 102, 102, 0};
const SDL_Color COR_TEXTO = {255, 255, 255, 0};
const unsigned INTERVALO_QUADRO = 300;  // ms per logo frame
const char* const FONTE = "data/fonts/coure.fon";
const unsigned short TAMANHO_FONTE = 8;

// The text lines hang under the logo, slightly indented.
const int RECUO_TEXTO = 3;
const int Y_PRIMEIRA_LINHA = 80;
const int Y_SEGUNDA_LINHA = 90;

}  // namespace

Apresentacao::Apresentacao() : alfa(0), composto(false)
{
    nomeClasse = "Apresentacao";
}

bool Apresentacao::init()
{
    duracao.inicializa(tempo(), DURACAO);
    atrasoTexto.inicializa(tempo(), ATRASO_TEXTO);
    texto.inicializa(Corvela::LARGURA_TELA, Corvela::ALTURA_TELA, FONTE, TAMANHO_FONTE);
    logo.inicializa(LARGURA_QUADRO, ALTURA_QUADRO, 0, QUADROS - 1, tempo(), INTERVALO_QUADRO);
    logo.carregaImagem("data/gfx/Orvalek.bmp");
    logo.corTransparente(CINZA_TRANSPARENTE.r, CINZA_TRANSPARENTE.g, CINZA_TRANSPARENTE.b);
    alfa = 0;
    composto = false;
    return true;
}

void Apresentacao::ciclo()
{
    SDL_Surface* tela = video()->retornaTela();
    const Uint32 fundo = SDL_MapRGB(tela->format, FUNDO.r, FUNDO.g, FUNDO.b);
    SDL_FillRect(tela, nullptr, fundo);

    // A logo that failed to load was reported once by its load; it is simply left out, and
    // its place is taken from the sheet it should have been, so the text does not move.
    SDL_Surface* figura = logo.retornaSuperficie();
    if (alfa < ALFA_FINAL) {
        if (figura != nullptr)
            SDL_SetAlpha(figura, SDL_SRCALPHA, alfa);
        alfa = static_cast<Uint8>(alfa + PASSO_ALFA);
    } else if (!composto && figura != nullptr) {
        // The fade is over, so the logo looks the same against the blue in every frame left:
        // blend its sheet over the blue once and copy that from now on. Blending each frame
        // cost more than the rest of the frame together. Without the copy (no memory, a
        // conversion that fails, or in the browser, which blends on its canvas) the logo
        // keeps its sheet and goes on being blended.
        SDL_Surface* composta = plataforma::compostaSobreCor(figura, tela, fundo);
        if (composta != nullptr) {
            logo.copiaSuperficie(composta);
            SDL_FreeSurface(composta);
            figura = logo.retornaSuperficie();
        }
        composto = true;
    }
    const int largura = figura != nullptr ? logo.retornaLargura() : LARGURA_QUADRO * QUADROS;
    const int altura = figura != nullptr ? logo.retornaAltura() : ALTURA_QUADRO;
    const int x = video()->retornaLargura() / 2 - largura / 6;
    const int y = video()->retornaAltura() / 2 - altura / 2;
    if (figura != nullptr)
        logo.anima(x, y);

    if (atrasoTexto.terminou()) {
        texto.escreveTexto("Orvalek");
        texto.exibe(x + RECUO_TEXTO, y + Y_PRIMEIRA_LINHA, tela, COR_TEXTO.r, COR_TEXTO.g,
                    COR_TEXTO.b);
        texto.escreveTexto("Presents");
        texto.exibe(x + RECUO_TEXTO, y + Y_SEGUNDA_LINHA, tela, COR_TEXTO.r, COR_TEXTO.g,
                    COR_TEXTO.b);
    }
    if (duracao.terminou())
        static_cast<Corvela*>(proj())->defProxModulo(Corvela::MENU);

    duracao.atualiza();
    atrasoTexto.atualiza();
}
