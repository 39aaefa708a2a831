// CMensagem: set-up and drawing of the framed message.
#include "engine/media/CMensagem.h"

namespace {

struct Cor {
    unsigned r, g, b;
};

const Cor CHAVE_MOLDURA = {255, 0, 255};  // magenta
const Cor COR_LEGENDA = {255, 0, 0};
const Cor COR_TEXTO = {0, 0, 0};
const Uint8 ALFA_MOLDURA = 240;
const int BYTES_MINIMO_ALFA = 2;
const unsigned short TAMANHO_FONTE = 18;
const int LARGURA_LEGENDA = 90;
const int ALTURA_LEGENDA = 30;
const int LEGENDA_DX = -60;
const int LEGENDA_DY = 125;
const int TEXTO_MARGEM = 10;

}  // namespace

CMensagem::CMensagem() : visivel(true), pronto(false), alvo(nullptr)
{
    nomeClasse = "CMensagem";
}

bool CMensagem::inicializa(const std::string& imagem, const std::string& fonte,
                           SDL_Surface* alvo)
{
    pronto = false;
    moldura = std::make_unique<CSprite>();
    texto = std::make_unique<CTexto>();
    legenda = std::make_unique<CTexto>();

    if (!moldura->carregaImagem(imagem))
        return false;
    this->alvo = alvo;
    if (alvo == nullptr)
        return false;

    moldura->corTransparente(CHAVE_MOLDURA.r, CHAVE_MOLDURA.g, CHAVE_MOLDURA.b);
    // An 8-bit target would only dither the blend: keep the frame opaque there.
    if (alvo->format->BytesPerPixel >= BYTES_MINIMO_ALFA)
        SDL_SetAlpha(moldura->retornaSuperficie(), SDL_SRCALPHA | SDL_RLEACCEL, ALFA_MOLDURA);

    if (!texto->inicializa(moldura->retornaLargura(), moldura->retornaAltura(), fonte,
                           TAMANHO_FONTE))
        return false;
    if (!legenda->inicializa(LARGURA_LEGENDA, ALTURA_LEGENDA, fonte, TAMANHO_FONTE))
        return false;
    pronto = true;
    return true;
}

void CMensagem::escreveTexto(const std::string& texto)
{
    if (pronto)
        this->texto->escreveTexto(texto);
}

void CMensagem::exibe(int x, int y)
{
    if (!pronto || !visivel)
        return;
    moldura->desenha(x, y, alvo);
    legenda->exibe(x + LEGENDA_DX, y + LEGENDA_DY, alvo, COR_LEGENDA.r, COR_LEGENDA.g,
                   COR_LEGENDA.b);
    texto->exibe(x + TEXTO_MARGEM, y + TEXTO_MARGEM, alvo, COR_TEXTO.r, COR_TEXTO.g,
                 COR_TEXTO.b);
}
