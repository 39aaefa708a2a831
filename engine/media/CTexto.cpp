// CTexto: font set-up, word splitting and the fixed-pitch line layout.
#include "engine/media/CTexto.h"

#include <cstdio>

#include "engine/files/CArquivo.h"
#include "engine/media/abreMidia.h"
#include "engine/plataforma/plataforma.h"

namespace {

const int MASCARA_COMPONENTE = 0xFF;
const char* const CARACTERE_MEDIDA = "A";
const char ESPACO = ' ';

}  // namespace

unsigned CTexto::initTTF = 0;

SDL_Color CTexto::cor(int r, int g, int b)
{
    SDL_Color c;
    c.r = static_cast<Uint8>(r & MASCARA_COMPONENTE);
    c.g = static_cast<Uint8>(g & MASCARA_COMPONENTE);
    c.b = static_cast<Uint8>(b & MASCARA_COMPONENTE);
    c.unused = 0;
    return c;
}

CTexto::CTexto()
    : largura(0), altura(0), fonte(nullptr), larguraCaractere(0), alturaCaractere(0),
      tamanho(0), alvo(nullptr), proximoDesenho(0), formatoDesenhos()
{
    if (initTTF == 0)
        TTF_Init();
    ++initTTF;
    nomeClasse = "CTexto";
}

CTexto::~CTexto()
{
    limpaDesenhos();
    liberaFonte();
    if (--initTTF == 0)
        TTF_Quit();
}

bool CTexto::inicializa(int largura, int altura, const std::string& fonte,
                        unsigned short tamanho)
{
    this->largura = static_cast<Uint16>(largura);
    this->altura = static_cast<Uint16>(altura);
    this->tamanho = tamanho;
    limpaDesenhos();
    liberaFonte();

    SDL_RWops* fluxo = abreMidia(fonte);
    this->fonte = fluxo != nullptr ? plataforma::abreFonte(fluxo, fonte, tamanho) : nullptr;
    if (this->fonte != nullptr) {
        SDL_Surface* medida = plataforma::desenhaTexto(this->fonte, CARACTERE_MEDIDA, cor(0, 0, 0));
        larguraCaractere = medida != nullptr ? static_cast<Uint16>(medida->w) : 0;
        alturaCaractere = medida != nullptr ? static_cast<Uint16>(medida->h) : 0;
        SDL_FreeSurface(medida);
        // An empty cell (a size the font cannot draw) would break every layout after it.
        if (larguraCaractere == 0 || alturaCaractere == 0) {
            liberaFonte();
            SDL_SetError("Font draws no character at size %u", tamanho);
        }
    }
    if (this->fonte == nullptr) {
        fprintf(stderr, "Erro ao carregar fonte %s \t %s \n", fonte.c_str(), SDL_GetError());
        return false;
    }
    return true;
}

void CTexto::escreveTexto(const std::string& texto)
{
    this->texto = texto;
}

bool CTexto::carregaTexto(const std::string& arquivo)
{
    texto.clear();
    CArquivo leitor;
    if (!leitor.abrir(arquivo)) {
        fprintf(stderr, "Erro na abertura do arquivo %s\n", arquivo.c_str());
        return false;
    }
    for (; !leitor.fda(); leitor.proxima())
        texto += leitor.linha();
    leitor.fechar();
    return true;
}

void CTexto::exibe(int x, int y, SDL_Surface* alvo, int r, int g, int b)
{
    if (fonte == nullptr) {
        fprintf(stderr, "Erro ao tentar exibir texto, fonte não encontrada.\t %s \n",
                SDL_GetError());
        return;
    }
    this->alvo = alvo;
    if (palavras.empty())
        carregaString();

    size_t coluna = 0;
    int deslocamento = 0;
    for (size_t i = 0; i < palavras.size(); ++i) {
        if (i > 0)
            coluna += palavras[i - 1].size();
        if ((coluna + palavras[i].size()) * larguraCaractere >= largura) {
            coluna = 0;
            deslocamento += alturaCaractere;
        }
        blitaTexto(palavras[i], x + static_cast<int>(coluna * larguraCaractere),
                   y + deslocamento, r, g, b);
    }
    palavras.clear();
}

void CTexto::carregaString()
{
    std::string palavra;
    for (const char c : texto) {
        palavra += c;
        if (c == ESPACO) {
            palavras.push_back(palavra);
            palavra.clear();
        }
    }
    // The word in hand at the end; empty after a trailing space, which draws nothing.
    if (!texto.empty())
        palavras.push_back(palavra);
}

void CTexto::blitaTexto(const std::string& s, int x, int y, int r, int g, int b)
{
    if (fonte == nullptr || alvo == nullptr)
        return;
    SDL_Rect posicao = {static_cast<Sint16>(x), static_cast<Sint16>(y), 0, 0};
    SDL_Surface* guardado = desenhoGuardado(s, cor(r, g, b));
    if (guardado != nullptr) {
        SDL_BlitSurface(guardado, nullptr, alvo, &posicao);
        return;
    }
    SDL_Surface* desenho = plataforma::desenhaTexto(fonte, s.c_str(), cor(r, g, b));
    if (desenho == nullptr)
        return;  // an empty word renders to nothing
    SDL_BlitSurface(desenho, nullptr, alvo, &posicao);
    SDL_FreeSurface(desenho);
}

SDL_Surface* CTexto::desenhoGuardado(const std::string& s, SDL_Color c)
{
    const SDL_PixelFormat* formato = alvo->format;
    if (formato->palette != nullptr)
        return nullptr;  // mapping to a palette could merge the text with its background
    if (formato->BitsPerPixel != formatoDesenhos.BitsPerPixel ||
        formato->Rmask != formatoDesenhos.Rmask || formato->Gmask != formatoDesenhos.Gmask ||
        formato->Bmask != formatoDesenhos.Bmask || formato->Amask != formatoDesenhos.Amask) {
        limpaDesenhos();
        formatoDesenhos = *formato;
        formatoDesenhos.palette = nullptr;
    }
    const Uint32 chave = (Uint32(c.r) << 16) | (Uint32(c.g) << 8) | c.b;
    for (const Desenho& d : desenhos) {
        if (d.cor == chave && d.palavra == s)
            return d.superficie;
    }

    // The solid rendering has the background at palette index 0 as its colour key and the
    // text at index 1; converted, they stay apart in any format without a palette.
    SDL_Surface* desenho = plataforma::desenhaTexto(fonte, s.c_str(), c);
    if (desenho == nullptr)
        return nullptr;
    SDL_Surface* convertido = plataforma::desenhoNoFormato(desenho, alvo->format);
    SDL_FreeSurface(desenho);
    if (convertido == nullptr)
        return nullptr;
    const Desenho novo = {s, chave, convertido};
    if (desenhos.size() < DESENHOS_MAX) {
        desenhos.push_back(novo);
    } else {
        SDL_FreeSurface(desenhos[proximoDesenho].superficie);
        desenhos[proximoDesenho] = novo;
        proximoDesenho = (proximoDesenho + 1) % DESENHOS_MAX;
    }
    return convertido;
}

void CTexto::limpaDesenhos()
{
    for (Desenho& d : desenhos)
        SDL_FreeSurface(d.superficie);
    desenhos.clear();
    proximoDesenho = 0;
}

void CTexto::liberaFonte()
{
    if (fonte != nullptr) {
        plataforma::fechaFonte(fonte);
        fonte = nullptr;
    }
}
