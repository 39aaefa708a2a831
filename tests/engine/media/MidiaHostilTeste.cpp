// Hostile and missing media files against the loaders: WAV headers that crash SDL's decoders,
// paths that are not regular files, BMP headers with impossible sizes, a font size that draws
// nothing. Each is refused as a missing file is, with the same line and consequences.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <string>
#include <utility>
#include <vector>

#include "engine/media/CSom.h"
#include "engine/media/CSprite.h"
#include "engine/media/CTexto.h"
#include "engine/media/DisplayText.h"
#include "engine/media/cabecalhos.h"
#include "tests/apoio/ArquivosBrutos.h"
#include "tests/apoio/MidiaTeste.h"

using namespace testing::internal;

struct CasoWav {
    const char* nome;
    std::string bytes;
    bool aceito;
    bool ehMusica = false;  // accepted and played by the music stream too (PCM)
};

// One row a header; the header check, the sound loader and the music loader all read it.
static std::vector<CasoWav> casosWav()
{
    const std::string lista = bruto::pedaco("LIST", std::string(4, 'x'));
    return {
        {"pcm16", bruto::wav(bruto::PCM16, 400), true, true},
        {"pcm8_estereo", bruto::wav({1, 2, 11025, 8, 2, 0}, 400, lista), true, true},
        {"ima", bruto::wav({0x11, 1, 22050, 4, 256, 505}, 1024), true},  // 505 samples a block
        {"ms", bruto::wav({2, 1, 22050, 4, 256, 500}, 1024), true},
        {"oito_canais", bruto::wav({1, 8, 44100, 16, 16, 0}, 160), true, true},
        // Division by zero in SDL's ADPCM decoders.
        {"ima_bloco_zero", bruto::wav({0x11, 1, 22050, 4, 0, 0}, 1024), false},
        {"ms_bloco_zero", bruto::wav({2, 1, 22050, 4, 0, 0}, 1024), false},
        // Endless converter set-up in SDL: no channels, or no (or too small) a rate.
        {"zero_canais", bruto::wav({1, 0, 22050, 16, 0, 0}, 400), false},
        {"nove_canais", bruto::wav({1, 9, 22050, 16, 18, 0}, 360), false},
        {"taxa_zero", bruto::wav({1, 1, 0, 16, 2, 0}, 400), false},
        {"taxa_um", bruto::wav({1, 1, 1, 16, 2, 0}, 400), false},
        {"taxa_enorme", bruto::wav({1, 1, 2147483647u, 16, 2, 0}, 400), false},
        {"bits_24", bruto::wav({1, 1, 22050, 24, 3, 0}, 400), false},
        {"bloco_incoerente", bruto::wav({1, 2, 22050, 16, 2, 0}, 400), false},
        {"ima_amostras_erradas", bruto::wav({0x11, 1, 22050, 4, 256, 2000}, 1024), false},
        {"formato_3", bruto::wav({3, 1, 22050, 32, 4, 0}, 400), false},
        {"dados_alem_do_arquivo", bruto::wav(bruto::PCM16, 400, "", 0xFFFFFFF0u), false},
        {"pedaco_impar", bruto::wav(bruto::PCM16, 400, bruto::pedaco("LIST", "abc")), false},
        // Both loaders skip only "fact" and "LIST" on the way to the format; the mixer's music
        // loader frees any other chunk twice.
        {"dados_antes_do_formato", std::string("RIFF\x24\0\0\0WAVE", 12) +
             bruto::pedaco("data", "ab") + bruto::wav(bruto::PCM16, 4).substr(12), false},
        {"pedaco_estranho_antes_do_formato", std::string("RIFF\x24\x01\0\0WAVE", 12) +
             bruto::pedaco(std::string("fm\x10\0", 4), "WAVE") +
             bruto::wav(bruto::PCM16, 0).substr(12), false},
        {"sem_dados", bruto::wav(bruto::PCM16, 0).substr(0, 36), false},
        {"vazio", "", false},
        {"ogg_como_som", "OggS" + std::string(60, '\0'), false},
    };
}

// Paths that never reach a decoder: missing, a FIFO with no writer, a directory, a device.
static std::vector<std::string> especiais(const DiretorioTemporario& temp, const std::string& ext)
{
    const std::string fifo = temp.caminho("fifo" + ext);
    EXPECT_EQ(0, mkfifo(fifo.c_str(), 0600));
    return {temp.caminho("falta" + ext), fifo, temp.caminho(""), "/dev/zero"};
}

using MidiaHostil = MidiaTeste;

// The header check alone says which WAV files reach SDL. A
// refused music file is a missing one: its line, then no music; the game goes on. A refused
// sound effect ends the game as a missing one does: its line, status 255. The music stream
// plays PCM WAV only (ADPCM fails in the mixer).
TEST_F(MidiaHostil, WavRecusadoEhSomOuMusicaQueFalta)
{
    std::vector<std::string> sons = especiais(temp, ".wav");
    // Each music file, and whether it plays.
    std::vector<std::pair<std::string, bool>> musicas = {{"data/music/nintendo.ogg", true},
        {temp.escreve("mod.ogg", std::string(2000, 'M')), false}};
    for (const std::string& especial : especiais(temp, ".ogg"))
        musicas.push_back({especial, false});
    {
        CSom som;
        for (const CasoWav& caso : casosWav()) {
            SDL_RWops* fluxo = SDL_RWFromConstMem(caso.bytes.data(), int(caso.bytes.size()));
            EXPECT_EQ(caso.aceito, confereWav(fluxo)) << caso.nome << ": " << SDL_GetError();
            SDL_RWclose(fluxo);
            const std::string arquivo = temp.escreve(std::string(caso.nome) + ".wav", caso.bytes);
            musicas.push_back({arquivo, caso.ehMusica});
            caso.aceito ? som.carregaSom(arquivo, 0, true) : sons.push_back(arquivo);
            EXPECT_TRUE(!caso.aceito || som.retornaSom(0) != nullptr) << caso.nome;
        }
        for (const auto& [arquivo, toca] : musicas) {
            CaptureStderr();
            som.carregaMusica(arquivo);
            som.tocaMusica(-1);
            EXPECT_EQ(toca ? std::string() : "Erro na abertura do arquivo " + arquivo + ": " +
                                                 SDL_GetError() + "\n",
                      GetCapturedStderr());
            EXPECT_EQ(toca, som.retornaMusica() != nullptr && Mix_PlayingMusic() == 1) << arquivo;
        }
    }
    for (const std::string& arquivo : sons)
        EXPECT_EXIT(CSom().carregaSom(arquivo, 0, true), ::testing::ExitedWithCode(255),
                    "^Erro na abertura do arquivo " + arquivo + ": ");
}

// Sides of zero, of -2^31, past any screen; depths SDL has no layout for; RLE; paths that
// are not files: each picture fails as a missing one does, its header check saying why; a
// sane top-down one still loads. A font that cannot be opened, or that at 65535 points
// measures an empty cell, fails too: its line, and no font, which drawing reports.
// DisplayText's own font, looked for in the working directory, ends the game when missing.
TEST_F(MidiaHostil, ImagemOuFonteRecusadaEhArquivoQueFalta)
{
    std::vector<std::pair<std::string, std::string>> imagens;  // the file, and SDL's reason
    for (const std::string& especial : especiais(temp, ".bmp"))
        imagens.push_back({especial, ""});
    const std::string TAMANHO = "BMP size out of range", BITS = "BMP pixel depth not supported";
    for (const auto& [bytes, motivo] : std::vector<std::pair<std::string, std::string>>{
             {bruto::bmp(4, -2147483647 - 1, 24, 0, 48), TAMANHO},
             {bruto::bmp(4, 0, 24, 0, 48), TAMANHO}, {bruto::bmp(0, 4, 24, 0, 48), TAMANHO},
             {bruto::bmp(100000, 4, 32, 0, 64), TAMANHO},
             {bruto::bmp(4, 100000, 32, 0, 64), TAMANHO},
             {bruto::bmp(4, 4, 0, 0, 64), BITS}, {bruto::bmp(4, 4, 2, 0, 64), BITS},
             {bruto::bmp(4, 4, 8, 1, 64), ""},  // RLE
             {bruto::bmp(4, 4, 24, 0, 48).substr(0, 20), "Not a BMP file"}})
        imagens.push_back({temp.escreve(std::to_string(imagens.size()) + ".bmp", bytes), motivo});
    CSprite s;
    for (const auto& [arquivo, motivo] : imagens) {
        CaptureStderr();
        EXPECT_FALSE(s.carregaImagem(arquivo)) << arquivo;
        EXPECT_EQ("Erro ao carregar a imagem " + arquivo + "\t " + SDL_GetError() + "\n",
                  GetCapturedStderr());
        EXPECT_EQ(0u, std::string(SDL_GetError()).find(motivo)) << arquivo;
        EXPECT_TRUE(s.retornaSuperficie() == nullptr && s.retornaArquivo().empty()) << arquivo;
    }
    ASSERT_TRUE(s.carregaImagem(temp.escreve("topo.bmp", bruto::bmp(4, -4, 24, 0, 48))));
    EXPECT_EQ(4, s.retornaAltura());

    const std::string grande = "data/fonts/Sans Bold.ttf";
    std::vector<std::string> fontes = especiais(temp, ".ttf");
    fontes.push_back(grande);
    CTexto texto;
    for (const std::string& arquivo : fontes) {
        CaptureStderr();
        EXPECT_FALSE(texto.inicializa(80, 80, arquivo, arquivo == grande ? 65535 : 8));
        texto.exibe(0, 0, tela, 255, 255, 255);
        EXPECT_EQ("Erro ao carregar fonte " + arquivo + " \t " + SDL_GetError() + " \n" +
                      "Erro ao tentar exibir texto, fonte não encontrada.\t " + SDL_GetError() +
                      " \n", GetCapturedStderr());
        EXPECT_FALSE(texto.temFonte());
    }
    EXPECT_TRUE(texto.inicializa(80, 80, FONTE_CELULA, 8));
    EXPECT_EXIT(if (chdir(temp.caminho("").c_str()) == 0)
                    DisplayText(tela, "x", 0, 0, 8, 255, 255, 255),
                testing::ExitedWithCode(255), "^Erro ao carregar fonte:\t");
}
