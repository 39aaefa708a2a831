// Tabuleiro: the board's set-up, rules (cursor, moves, swaps, shuffle, solved and stuck
// tests, searches), its picture list and its drawing. Depends on Bloco, the media classes,
// itos and listaDiretorio.
#include "game/Tabuleiro.h"

#include <cstdio>
#include <cstdlib>
#include <ctime>

#include "engine/files/cadeias.h"
#include "engine/files/diretorio.h"
#include "engine/media/CVideo.h"

namespace {

const char* const DIRETORIO_IMAGENS = "data/bg";
const char* const FONTE_AJUDA = "data/fonts/coure.fon";
const char* const ARQUIVO_SELECAO = "data/gfx/selecao.bmp";
const char* const ARQUIVO_BURACO = "data/gfx/buraco.bmp";
const int LADO_QUADRO = 60;       // a tile's frame in the picture, and the help text's area
const int LADO_IMAGEM = 240;      // the only picture size whose frames match the board
const unsigned short TAMANHO_FONTE_AJUDA = 8;

// The shuffle's directions; 0/1 and 2/3 undo each other.
enum { CIMA, BAIXO, ESQUERDA, DIREITA };
const int DIRECAO_INICIAL = DIREITA;

// The solved board with 14 and 15 exchanged: the only board "Impossible" can lead back to.
const Uint8 TRAVADO[] = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 15, 14, 0};

// The flat cell drawn when the picture is gone: a mid grey with a darker rim.
const Uint8 CINZA_CELULA = 128;
const Uint8 CINZA_BORDA = 72;

int oposta(int d) { return d ^ 1; }

Bloco* vizinho(Bloco* b, int d)
{
    switch (d) {
    case CIMA: return b->cima;
    case BAIXO: return b->baixo;
    case ESQUERDA: return b->esquerda;
    default: return b->direita;
    }
}

// A 60x60 flat grey cell at (x, y): a tile's stand-in when the picture is missing.
void desenhaCelulaLisa(SDL_Surface* tela, int x, int y)
{
    SDL_Rect borda = {static_cast<Sint16>(x), static_cast<Sint16>(y), LADO_QUADRO, LADO_QUADRO};
    SDL_FillRect(tela, &borda, SDL_MapRGB(tela->format, CINZA_BORDA, CINZA_BORDA, CINZA_BORDA));
    SDL_Rect miolo = {static_cast<Sint16>(x + 1), static_cast<Sint16>(y + 1), LADO_QUADRO - 2,
                      LADO_QUADRO - 2};
    SDL_FillRect(tela, &miolo, SDL_MapRGB(tela->format, CINZA_CELULA, CINZA_CELULA, CINZA_CELULA));
}

}  // namespace

Tabuleiro::Tabuleiro()
    : tamanho(0), esquerda(0), topo(0), larguraTela(0), alturaTela(0), selecionado(0),
      ajuda(false), resolvidos(0)
{
}

// A size the cell array cannot hold, or 0, is refused: the board is left empty and every
// rule then finds no cell.
void Tabuleiro::inicializa(unsigned int largura, unsigned int altura, unsigned char n)
{
    if (n < 1 || n > TAMANHO_MAX) {
        tamanho = 0;
        return;
    }
    tamanho = n;
    larguraTela = static_cast<Uint16>(largura);
    alturaTela = static_cast<Uint16>(altura);
    esquerda = static_cast<Sint16>(static_cast<Uint16>(larguraTela - alturaTela));
    topo = 0;

    textoAjuda.inicializa(LADO_QUADRO, LADO_QUADRO, FONTE_AJUDA, TAMANHO_FONTE_AJUDA);
    listaImagensDir();
    if (spriteSelecao.carregaImagem(ARQUIVO_SELECAO))
        spriteSelecao.corTransparente(255, 0, 255);
    spriteBuraco.carregaImagem(ARQUIVO_BURACO);
    imagemAtual.clear();
    if (imagens.empty())
        imagem.limpaSuperficie();
    else if (imagem.carregaImagem(std::string(DIRETORIO_IMAGENS) + "/" + imagens[0]))
        imagemAtual = imagens[0];
    imagem.inicializa(LADO_QUADRO, LADO_QUADRO, 0, n * n - 1, nullptr, 0);

    Uint8 k = 1;
    for (unsigned r = 0; r < n; ++r) {
        for (unsigned c = 0; c < n; ++c, ++k) {
            Bloco& b = blocos[r][c];
            b.numero = b.posicao = k;
            b.cima = r > 0 ? &blocos[r - 1][c] : nullptr;
            b.baixo = r + 1 < n ? &blocos[r + 1][c] : nullptr;
            b.esquerda = c > 0 ? &blocos[r][c - 1] : nullptr;
            b.direita = c + 1 < n ? &blocos[r][c + 1] : nullptr;
        }
    }
    blocos[n - 1][n - 1].numero = blocos[n - 1][n - 1].posicao = 0;
}

void Tabuleiro::seleciona(unsigned int p)
{
    const unsigned total = tamanho * tamanho;
    if (p <= total)
        selecionado = static_cast<Uint8>(p);
    if (selecionado == total)
        selecionado = 0;
}

bool Tabuleiro::move(unsigned int p)
{
    Bloco* b = buscaPosicao(p);
    if (b == nullptr)
        return false;
    for (int d = CIMA; d <= DIREITA; ++d) {
        Bloco* v = vizinho(b, d);
        if (v != nullptr && v->numero == 0) {
            v->numero = b->numero;
            b->numero = 0;
            return true;
        }
    }
    return false;
}

void Tabuleiro::troca(unsigned char a, unsigned char b)
{
    Bloco* x = buscaNumero(a);
    Bloco* y = buscaNumero(b);
    if (x == nullptr || y == nullptr)
        return;
    const Uint8 numero = x->numero;
    x->numero = y->numero;
    y->numero = numero;
}

int Tabuleiro::posicaoEm(int x, int y) const
{
    if (tamanho == 0)
        return -1;
    const int passo = static_cast<int>(alturaTela / tamanho);
    const int c = x - esquerda < 0 ? -1 : (x - esquerda) / passo;
    const int r = y - topo < 0 ? -1 : (y - topo) / passo;
    if (c < 0 || r < 0 || c >= tamanho || r >= tamanho)
        return -1;
    return blocos[r][c].posicao;
}

// With fewer than 2 steps, or a board too small for the hole to move, no attempt is made
// and the solved re-check is skipped: it could only ever find the board as it was.
void Tabuleiro::embaralha(unsigned int passos)
{
    srand(static_cast<unsigned>(time(0)));
    if (passos < 2 || tamanho < 2)
        return;
    unsigned restantes = passos;
    int ultima = DIRECAO_INICIAL;
    do {
        for (unsigned i = 1; i < restantes; ++i) {
            Bloco* buraco = buscaNumero(0);
            const int d = rand() % 4;
            Bloco* v = vizinho(buraco, d);
            if (v == nullptr)
                continue;
            if (ultima == oposta(d))
                ++restantes;
            else
                troca(0, v->numero);
            ultima = d;
        }
    } while (venceu());
}

bool Tabuleiro::venceu()
{
    if (tamanho == 0)
        return false;
    const unsigned total = tamanho * tamanho;
    unsigned esperado = 1;
    for (unsigned r = 0; r < tamanho; ++r) {
        for (unsigned c = 0; c < tamanho; ++c, ++esperado) {
            if (esperado == total)
                esperado = 0;
            if (blocos[r][c].numero != esperado)
                return false;
        }
    }
    ++resolvidos;
    return true;
}

bool Tabuleiro::travou() const
{
    if (tamanho == 0)
        return false;
    for (unsigned r = 0; r < tamanho; ++r)
        for (unsigned c = 0; c < tamanho; ++c)
            if (blocos[r][c].numero != TRAVADO[r * tamanho + c])
                return false;
    return true;
}

Bloco* Tabuleiro::buscaNumero(unsigned int k)
{
    if (k > static_cast<unsigned>(tamanho * tamanho))
        return nullptr;
    Bloco* achado = nullptr;
    for (unsigned r = 0; r < tamanho; ++r)
        for (unsigned c = 0; c < tamanho; ++c)
            if (blocos[r][c].numero == k)
                achado = &blocos[r][c];
    return achado;
}

Bloco* Tabuleiro::buscaPosicao(unsigned int k)
{
    if (k > static_cast<unsigned>(tamanho * tamanho))
        return nullptr;
    Bloco* achado = nullptr;
    for (unsigned r = 0; r < tamanho; ++r)
        for (unsigned c = 0; c < tamanho; ++c)
            if (blocos[r][c].posicao == k)
                achado = &blocos[r][c];
    return achado;
}

// Without any usable picture nothing is drawn: the game screen says why instead. A picture
// that failed to load leaves flat numbered cells, so the game can still be played.
void Tabuleiro::exibe(bool jogando)
{
    SDL_Surface* tela = CVideo::telaAtual();
    if (tamanho == 0 || imagens.empty() || tela == nullptr)
        return;
    const bool semImagem = imagem.retornaSuperficie() == nullptr;
    const unsigned passo = alturaTela / tamanho;
    const unsigned quadroBuraco = tamanho * tamanho - 1;
    for (unsigned r = 0; r < tamanho; ++r) {
        for (unsigned c = 0; c < tamanho; ++c) {
            const Bloco& b = blocos[r][c];
            const int x = esquerda + static_cast<int>(c * passo);
            const int y = static_cast<int>(r * passo);
            if (jogando && b.numero == 0)
                spriteBuraco.desenha(x, y);
            else if (semImagem)
                desenhaCelulaLisa(tela, x, y);
            else
                imagem.desenha(x, y, b.numero == 0 ? quadroBuraco : b.numero - 1u);
            if (jogando && b.posicao == selecionado)
                spriteSelecao.desenha(x, y);
            if (b.numero != 0 && ((jogando && ajuda) || semImagem))
                escreveNumero(tela, x, y, b.numero);
        }
    }
}

bool Tabuleiro::cobre() const
{
    const int lado = tamanho * LADO_QUADRO;
    // A lost picture is drawn as flat cells, which cover too.
    return !imagens.empty() && lado >= alturaTela &&
           spriteBuraco.cobre(LADO_QUADRO, LADO_QUADRO) &&
           (imagem.retornaSuperficie() == nullptr || imagem.cobre(lado, lado));
}

// A missing font leaves the numbers out quietly rather than reporting it for every tile of
// every frame.
void Tabuleiro::escreveNumero(SDL_Surface* tela, int x, int y, Uint8 numero)
{
    if (!textoAjuda.temFonte())
        return;
    textoAjuda.escreveTexto(itos(numero));
    textoAjuda.exibe(x, y, tela, 255, 255, 255);
}

void Tabuleiro::listaImagensDir()
{
    imagens.clear();
    std::vector<std::string> nomes;
    listaDiretorio(DIRETORIO_IMAGENS, nomes, "bmp", false);
    for (const std::string& nome : nomes) {
        const std::string caminho = std::string(DIRETORIO_IMAGENS) + "/" + nome;
        // The sprite's own checked loader: a FIFO, a device or a hostile header among the
        // names never reaches SDL's decoder.
        SDL_Surface* s = CSprite::leImagem(caminho);
        if (s == nullptr)
            continue;
        if (s->w == LADO_IMAGEM && s->h == LADO_IMAGEM)
            imagens.push_back(nome);
        SDL_FreeSurface(s);
    }
    for (const std::string& nome : imagens)
        puts(nome.c_str());
    if (imagens.empty())
        fprintf(stderr, "Nenhuma imagem 240x240 utilizavel em %s\n", DIRETORIO_IMAGENS);
}

void Tabuleiro::carregaProximaImagem()
{
    if (imagens.empty())
        return;
    const std::string& nome = imagens[resolvidos % imagens.size()];
    if (imagem.carregaImagem(std::string(DIRETORIO_IMAGENS) + "/" + nome))
        imagemAtual = nome;
    else
        imagemAtual.clear();
}
