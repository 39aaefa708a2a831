// TelaMedida: the engine's stand-in for a playing frame.
#include "cenas/TelaMedida.h"

#include <string>
#include <vector>

#include "engine/files/diretorio.h"
#include "engine/media/CVideo.h"

namespace {

const int CELULA = 60;
const int BORDA_TABULEIRO = 80;
const int LADO = 4;
const unsigned LIMITE_CRONOMETRO = 30000;

std::string primeiraFigura()
{
    std::vector<std::string> nomes;
    listaDiretorio("data/bg", nomes, "bmp", false);
    return nomes.empty() ? std::string() : nomes.front();
}

}  // namespace

bool TelaMedida::init()
{
    figura.inicializa(CELULA, CELULA, 0, LADO * LADO - 1, nullptr, 0);
    texto.inicializa(80, 240, "data/fonts/coure.fon", 8);
    cronometro.inicializa(tempo(), LIMITE_CRONOMETRO);
    return figura.carregaImagem("data/bg/" + primeiraFigura());
}

void TelaMedida::ciclo()
{
    for (int i = 0; i < LADO * LADO; ++i)
        figura.desenha(BORDA_TABULEIRO + (i % LADO) * CELULA, (i / LADO) * CELULA,
                       static_cast<unsigned short>(i));
    const char* linhas[] = {"Wins: 3", "RECORDS", "Moves: 41"};
    int y = 5;
    for (const char* linha : linhas) {
        texto.escreveTexto(linha);
        texto.exibe(4, y, video()->retornaTela(), 100, 255, 255);
        y += 30;
    }
    texto.escreveTexto(cronometro.retornaTempoF());
    texto.exibe(4, 210, video()->retornaTela(), 255, 255, 255);
    cronometro.atualiza();
}
