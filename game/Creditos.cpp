// Creditos: page timing, drawing and the way back to the menu.
#include "game/Creditos.h"

#include "engine/core/CEvento.h"
#include "engine/media/CSom.h"
#include "engine/media/CVideo.h"
#include "game/Corvela.h"
#include "game/paginasCreditos.h"

namespace {

const int TECLA_VOLTA = 5;
const unsigned char VOLUME_MUSICA = 50;
const int LARGURA_TEXTO = 240;
const int ALTURA_TEXTO = 240;
const unsigned short TAMANHO_FONTE = 24;
const SDL_Color COR_AMARELO = {255, 255, 0, 0};
const SDL_Color COR_BRANCO = {255, 255, 255, 0};
// The page during which the music fades out: the last one.
const std::size_t PAGINA_FADE = creditos::TOTAL_PAGINAS - 1;

}  // namespace

Creditos::Creditos() : pagina(0)
{
    nomeClasse = "Creditos";
}

bool Creditos::init()
{
    som()->carregaMusica("data/music/3VIL-42ko.ogg");
    som()->volumeMus(VOLUME_MUSICA);
    som()->tocaMusica(-1);
    tempoPagina.inicializa(tempo(), TEMPO_PAGINA);
    texto.inicializa(LARGURA_TEXTO, ALTURA_TEXTO, "data/fonts/coure.fon", TAMANHO_FONTE);
    pagina = 0;
    return true;
}

void Creditos::ciclo()
{
    Corvela* projeto = static_cast<Corvela*>(proj());
    if (evento()->desceu(TECLA_VOLTA) || evento()->ponteiroDesceu())
        projeto->defProxModulo(Corvela::MENU);
    // Past the last page the counter stays put: the menu takes over at the end of this frame.
    if (tempoPagina.terminou() && pagina < creditos::TOTAL_PAGINAS) {
        ++pagina;
        tempoPagina.reinicia();
    }
    if (pagina < creditos::TOTAL_PAGINAS) {
        desenhaPagina();
        if (pagina == PAGINA_FADE)
            som()->fadeOutMus(SEGUNDOS_FADE);
    } else {
        projeto->defProxModulo(Corvela::MENU);
    }
    tempoPagina.atualiza();
}

void Creditos::desenhaPagina()
{
    SDL_Surface* tela = video()->retornaTela();
    const creditos::Pagina& folha = creditos::PAGINAS[pagina];
    for (std::size_t i = 0; i < folha.total; ++i) {
        const creditos::Linha& linha = folha.linhas[i];
        const SDL_Color& cor = linha.cor == creditos::AMARELO ? COR_AMARELO : COR_BRANCO;
        texto.escreveTexto(linha.texto);
        texto.exibe(creditos::X_LINHAS, linha.y, tela, cor.r, cor.g, cor.b);
    }
}
