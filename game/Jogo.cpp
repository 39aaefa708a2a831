// Jogo: set-up, the three per-frame states, the panel, the records and the time text.
#include "game/Jogo.h"

#include "engine/core/CEvento.h"
#include "engine/files/cadeias.h"
#include "engine/media/CSom.h"
#include "engine/media/CVideo.h"
#include "game/Corvela.h"

namespace {

const char* const MUSICA = "data/music/CHO7-31ko.ogg";
const char* const SOM_VITORIA = "data/sfx/grunz_success.wav";
const char* const PAINEL = "data/gfx/painel.bmp";
const char* const FONTE = "data/fonts/coure.fon";
const char* const MOLDURA = "data/gfx/mensagem.bmp";
const char* const TEXTO_MENSAGEM = "Mensagem de Texto de Teste Agora também com quebra de linha";

const unsigned char SLOT_VITORIA = 0;
const unsigned char VOLUME_MUSICA = 50;
const int REPETE_SEMPRE = -1;
const int LARGURA_PAINEL = 80;  // the text column at the left of the board
const int ALTURA_PAINEL = 240;
const unsigned short TAMANHO_FONTE = 8;
const unsigned LIMITE_TEMPORIZADOR = 30000;  // never tested: the game's time only grows
const unsigned char LADO = 4;                 // cells per side of the board
const unsigned EMBARALHA_FACIL = 12;
const unsigned EMBARALHA_NORMAL = 100;
// The exchange that makes the board unsolvable: no sequence of moves undoes it.
const unsigned char TROCA_IMPOSSIVEL_A = 15;
const unsigned char TROCA_IMPOSSIVEL_B = 14;

// Logical keys.
const unsigned char CIMA = 0;
const unsigned char BAIXO = 1;
const unsigned char DIREITA = 2;
const unsigned char ESQUERDA = 3;
const unsigned char ACAO = 4;
const unsigned char VOLTA = 5;
const unsigned char AJUDA = 6;
const unsigned char PAUSA = 7;

struct Cor { int r, g, b; };
const Cor VERDE = {0, 255, 0};
const Cor CIANO = {100, 255, 255};
const Cor BRANCO = {255, 255, 255};

// Panel lines: x of every line and the y of each.
const int X_TEXTO = 4;
const int X_TITULO = 12;
const int Y_TITULO = 12;  // "CLEAR!" and "PAUSED"
const int Y_VITORIAS = 5;
const int Y_RECORDES = 40;
const int Y_RECORDE_MOVIMENTOS = 60;
const int Y_RECORDE_TEMPO = 90;
const int Y_MOVIMENTOS = 180;
const int Y_TEMPO = 210;

const char* const LINHAS_SEM_IMAGENS[] = {"No pictures to play with.", "Put 240x240 BMP files",
                                          "in data/bg"};
const int LINHAS_SEM_IMAGENS_TOTAL = 3;
const int ESPACO_ENTRE_LINHAS = 4;

std::string decimal(Uint32 n)
{
    return itos(static_cast<int>(n));
}

void escreve(CTexto& texto, SDL_Surface* tela, const std::string& linha, int x, int y, Cor cor)
{
    texto.escreveTexto(linha);
    texto.exibe(x, y, tela, cor.r, cor.g, cor.b);
}

}  // namespace

Jogo::Jogo()
    : vitorias(0), movimentos(0), recordeTempo(0), recordeMovimentos(0), limpo(false),
      pausado(false)
{
    nomeClasse = "Jogo";
}

bool Jogo::init()
{
    som()->carregaMusica(MUSICA);
    som()->carregaSom(SOM_VITORIA, SLOT_VITORIA, true);
    som()->volumeMus(VOLUME_MUSICA);
    painel.carregaImagem(PAINEL);
    texto.inicializa(LARGURA_PAINEL, ALTURA_PAINEL, FONTE, TAMANHO_FONTE);
    temporizador.inicializa(tempo(), LIMITE_TEMPORIZADOR);
    tabuleiro.inicializa(video()->retornaLargura(), video()->retornaAltura(), LADO);
    if (semImagens()) {
        // The only lines left to write are the board-wide notice.
        texto.inicializa(video()->retornaAltura(), video()->retornaAltura(), FONTE,
                         TAMANHO_FONTE);
    }
    mensagem.inicializa(MOLDURA, FONTE, video()->retornaTela());
    mensagem.escreveTexto(TEXTO_MENSAGEM);
    // Without a picture there is nothing to play: the board stays as set up.
    if (!semImagens())
        ordenaPorDificuldade();
    vitorias = 0;
    movimentos = 0;
    recordeTempo = 0;
    recordeMovimentos = 0;
    som()->tocaMusica(REPETE_SEMPRE);
    limpo = false;
    pausado = false;
    return true;
}

void Jogo::ordenaPorDificuldade()
{
    switch (static_cast<Corvela*>(proj())->dificuldade) {
    case FACIL:
        tabuleiro.embaralha(EMBARALHA_FACIL);
        break;
    case NORMAL:
        tabuleiro.embaralha(EMBARALHA_NORMAL);
        break;
    case IMPOSSIVEL:
        tabuleiro.troca(TROCA_IMPOSSIVEL_A, TROCA_IMPOSSIVEL_B);
        tabuleiro.embaralha(EMBARALHA_NORMAL);
        break;
    default:
        break;
    }
}

void Jogo::ciclo()
{
    bool toque = evento()->ponteiroDesceu();
    if (limpo) {
        if (!evento()->desceu(ACAO) && !toque) {
            desenhaLimpo();
            return;
        }
        // The key that leaves "CLEAR!" is seen again by the playing step below; a press, which
        // lands on some tile of the new board, is not.
        toque = false;
        limpo = false;
        tabuleiro.carregaProximaImagem();
        ordenaPorDificuldade();
        movimentos = 0;
        temporizador.reinicia();
    }
    if (pausado) {
        if (evento()->desceu(PAUSA))
            pausado = false;
        else
            escreve(texto, video()->retornaTela(), "PAUSED", X_TITULO, Y_TITULO, VERDE);
        return;
    }
    if (semImagens()) {
        pedeMenu();
        desenhaSemImagens();
        return;
    }
    trataTeclas(toque);
    if (tabuleiro.venceu()) {
        ++vitorias;
        atualizaRecordes();
        som()->tocaSom(SLOT_VITORIA, 0, false);
        limpo = true;
    }
    desenhaJogo();
    temporizador.atualiza();
}

bool Jogo::cobreTela() const
{
    return !pausado && tabuleiro.cobre() &&
           painel.cobre(tabuleiro.retornaEsquerda(), video()->retornaAltura());
}

bool Jogo::pedeMenu()
{
    if (!evento()->subiu(VOLTA))
        return false;
    static_cast<Corvela*>(proj())->defProxModulo(Corvela::MENU);
    return true;
}

void Jogo::trataTeclas(bool toque)
{
    const CEvento* teclas = evento();
    const unsigned n = tabuleiro.retornaTamanho();
    const unsigned celulas = n * n;
    const unsigned ultimaLinha = (n - 1) * n;  // positions above this one are the bottom row
    const unsigned s = tabuleiro.retornaSelecionado();

    if (pedeMenu())
        return;
    if (teclas->desceu(DIREITA))
        tabuleiro.seleciona(s + 1);
    else if (teclas->desceu(ESQUERDA))
        tabuleiro.seleciona(s == 0 ? celulas - 1 : s - 1);
    else if (teclas->desceu(BAIXO))
        tabuleiro.seleciona(s > ultimaLinha ? s - ultimaLinha : s + n);
    else if (teclas->desceu(CIMA))
        tabuleiro.seleciona(s < n ? s + ultimaLinha : s - n);
    else if (teclas->desceu(ACAO)) {
        if (tabuleiro.move(s))
            ++movimentos;
    } else if (teclas->desceu(AJUDA))
        tabuleiro.trocaAjuda();
    else if (teclas->desceu(PAUSA))
        pausado = true;
    else if (toque)
        tocaCelula(tabuleiro.posicaoEm(teclas->ponteiroX(), teclas->ponteiroY()));
}

void Jogo::tocaCelula(int p)
{
    if (p < 0)
        return;
    // As the cursor keys and the action key would: the cell selected, then moved if it can.
    tabuleiro.seleciona(static_cast<unsigned>(p));
    if (tabuleiro.move(static_cast<unsigned>(p)))
        ++movimentos;
}

void Jogo::atualizaRecordes()
{
    const Uint32 t = temporizador.retornaTempo();
    const bool primeira = vitorias == 1;
    if (primeira || t < recordeTempo)
        recordeTempo = t;
    if (primeira || movimentos < recordeMovimentos)
        recordeMovimentos = movimentos;
}

std::string Jogo::retornaTempoF(unsigned long ms)
{
    return textoTempo(ms);
}

void Jogo::desenhaJogo()
{
    SDL_Surface* tela = video()->retornaTela();
    tabuleiro.exibe(true);
    painel.desenha(0, 0);
    escreve(texto, tela, "Wins: " + decimal(vitorias), X_TEXTO, Y_VITORIAS, VERDE);
    escreve(texto, tela, "RECORDS", X_TEXTO, Y_RECORDES, CIANO);
    escreve(texto, tela, "Moves: " + decimal(recordeMovimentos), X_TEXTO, Y_RECORDE_MOVIMENTOS,
            CIANO);
    escreve(texto, tela, retornaTempoF(recordeTempo), X_TEXTO, Y_RECORDE_TEMPO, CIANO);
    escreve(texto, tela, "Moves: " + decimal(movimentos), X_TEXTO, Y_MOVIMENTOS, BRANCO);
    escreve(texto, tela, temporizador.retornaTempoF(), X_TEXTO, Y_TEMPO, BRANCO);
}

void Jogo::desenhaLimpo()
{
    SDL_Surface* tela = video()->retornaTela();
    tabuleiro.exibe(false);
    painel.desenha(0, 0);
    escreve(texto, tela, "CLEAR!", X_TITULO, Y_TITULO, VERDE);
    escreve(texto, tela, "Moves: " + decimal(movimentos), X_TEXTO, Y_MOVIMENTOS, CIANO);
    escreve(texto, tela, retornaTempoF(temporizador.retornaTempo()), X_TEXTO, Y_TEMPO, CIANO);
}

void Jogo::desenhaSemImagens()
{
    painel.desenha(0, 0);
    const int lado = video()->retornaAltura();
    const int alturaLinha = texto.retornaAlturaCaractere() + ESPACO_ENTRE_LINHAS;
    int y = (lado - LINHAS_SEM_IMAGENS_TOTAL * alturaLinha) / 2;
    for (const char* linha : LINHAS_SEM_IMAGENS) {
        const int largura = static_cast<int>(std::string(linha).size()) *
                            texto.retornaLarguraCaractere();
        escreve(texto, video()->retornaTela(), linha,
                tabuleiro.retornaEsquerda() + (lado - largura) / 2, y, BRANCO);
        y += alturaLinha;
    }
}
