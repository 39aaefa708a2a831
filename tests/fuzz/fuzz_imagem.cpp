// fuzz_imagem: libFuzzer target for BMP pictures as the game loads them. Arbitrary bytes are
// loaded by CSprite behind the header check, given the colour key, drawn whole, in part and
// frame by frame on the 320x240x16 screen and read back with pixela; a 240x240 picture is
// then the one picture of data/bg, and the board is set up from that directory (the list, the
// picture), drawn, and moved on to the next picture, as the game screen does. Depends on
// libFuzzer, SDL, CSpriteAnimado, pixela, Tabuleiro and the targets' shared set-up.
#include <filesystem>

#include "engine/media/CSpriteAnimado.h"
#include "engine/media/pixela.h"
#include "game/Tabuleiro.h"
#include "tests/fuzz/alvo.h"

const int LADO_QUADRO = 60;
const int LADO_IMAGEM = 240;
const unsigned char LADO_TABULEIRO = 4;
const fuzz::ArquivoMemoria entrada;
const DiretorioTemporario dir;

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    namespace fs = std::filesystem;
    fuzz::preparaSdl(true);
    // The board's own pictures come from the game's data/; data/bg is the fuzzer's.
    const fs::path origem = fs::current_path();
    fs::create_directories(dir.caminho("data/bg"));
    fs::create_directory_symlink(origem / "data" / "gfx", dir.caminho("data/gfx"));
    fs::create_directory_symlink(origem / "data" / "fonts", dir.caminho("data/fonts"));
    fs::create_symlink(entrada.caminho, dir.caminho("data/bg/entrada.bmp"));
    fs::current_path(dir.caminho(""));
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dados, std::size_t tamanho)
{
    CSpriteAnimado imagem;
    if (!imagem.carregaImagem(entrada.escreve(dados, tamanho)))
        return 0;
    SDL_Surface* superficie = imagem.retornaSuperficie();
    VERIFICA(superficie != nullptr && superficie->w > 0 && superficie->h > 0);
    imagem.corTransparente(255, 0, 255);
    imagem.desenha(0, 0);
    imagem.desenha(-7, 100, 3, 5, 200, 200);
    imagem.inicializa(LADO_QUADRO, LADO_QUADRO, 0, 15, nullptr, 0);
    for (unsigned short quadro = 0; quadro < 16; ++quadro)
        imagem.desenha(quadro * 20, quadro * 15, quadro);
    pixela(superficie, unsigned(superficie->w - 1), unsigned(superficie->h - 1));
    pixela(SDL_GetVideoSurface(), 319, 239, pixela(superficie, 0, 0));

    // The board lists a picture only when the same loader makes it 240x240; any other input
    // would set it up without a picture, the same for every input.
    if (superficie->w != LADO_IMAGEM || superficie->h != LADO_IMAGEM)
        return 0;
    Tabuleiro tabuleiro;
    tabuleiro.inicializa(320, 240, LADO_TABULEIRO);
    tabuleiro.exibe(true);
    tabuleiro.carregaProximaImagem();
    tabuleiro.trocaAjuda();
    tabuleiro.exibe(false);
    return 0;
}
