// Asset generator: writes every picture: the interface pictures in gfx/ and the puzzle
// pictures in bg/. Depends on gfx.h and fundos.h (the painters) and base.h (the BMP writer).
#include "tools/gerador/imagens/imagens.h"

#include "tools/gerador/imagens/fundos.h"
#include "tools/gerador/imagens/gfx.h"

namespace {

struct Fundo {
    const char* arquivo;
    Imagem (*desenha)();
};

const Fundo FUNDOS[] = {
    {"bg/01_vale.bmp", desenhaVale},       {"bg/02_vila.bmp", desenhaVila},
    {"bg/03_porto.bmp", desenhaPorto},     {"bg/04_flores.bmp", desenhaFlores},
    {"bg/05_colcha.bmp", desenhaColcha},   {"bg/06_aquarela.bmp", desenhaAquarela},
    {"bg/07_fractal.bmp", desenhaFractal}, {"bg/08_vitral.bmp", desenhaVitral},
};

}  // namespace

bool geraImagens(const std::string& raiz)
{
    const std::string gfx = raiz + "/gfx/";
    bool ok = true;
    Imagem titulo(1, 1, Cor{});
    ok = desenhaTitulo(titulo) && salvaBmp(titulo, gfx + "title.bmp") && ok;
    ok = salvaBmp(desenhaPainel(), gfx + "painel.bmp") && ok;
    ok = salvaBmp(desenhaLogo(), gfx + "Orvalek.bmp", &CHAVE_CINZA) && ok;
    ok = salvaBmp(desenhaSelecao(), gfx + "selecao.bmp", &CHAVE_MAGENTA) && ok;
    ok = salvaBmp(desenhaBuraco(), gfx + "buraco.bmp") && ok;
    ok = salvaBmp(desenhaMensagem(), gfx + "mensagem.bmp", &CHAVE_MAGENTA) && ok;
    for (const Fundo& f : FUNDOS)
        ok = salvaBmp(f.desenha(), raiz + "/" + f.arquivo) && ok;
    return ok;
}
