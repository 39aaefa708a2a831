// CTexto: font set-up, word splitting and the fixed-pitch line layout.
#include "engine/media/CTexto.h"

#include <cstdio>

#include "engine/files/CArquivo.h"
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
      tamanho(0), alvo(nullptr)
{
    if (initTTF == 0)
        TTF_Init();
    ++initTTF;
    nomeClasse = "CTexto";
}

CTexto::~CTexto()
{
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
    liberaFonte();

    this->fonte = plataforma::abreFonte(fonte.c_str(), tamanho);
    if (this->fonte == nullptr) {
        fprintf(stderr, "Erro ao carregar fonte %s \t %s \n", fonte.c_str(), SDL_GetError());
        return false;
    }
    SDL_Surface* medida = plataforma::desenhaTexto(this->fonte, CARACTERE_MEDIDA, cor(0, 0, 0));
    larguraCaractere = medida != nullptr ? static_cast<Uint16>(medida->w) : 0;
    alturaCaractere = medida != nullptr ? static_cast<Uint16>(medida->h) : 0;
    SDL_FreeSurface(medida);
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
    if (fonte == nullptr)
        return;
    SDL_Surface* desenho = plataforma::desenhaTexto(fonte, s.c_str(), cor(r, g, b));
    if (desenho == nullptr)
        return;  // an empty word renders to nothing
    if (alvo != nullptr) {
        SDL_Rect posicao = {static_cast<Sint16>(x), static_cast<Sint16>(y), 0, 0};
        SDL_BlitSurface(desenho, nullptr, alvo, &posicao);
    }
    SDL_FreeSurface(desenho);
}

void CTexto::liberaFonte()
{
    if (fonte != nullptr) {
        plataforma::fechaFonte(fonte);
        fonte = nullptr;
    }
}
