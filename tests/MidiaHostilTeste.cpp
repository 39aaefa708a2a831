// Hostile media files against the loaders: WAV headers that crash SDL's decoders, files
// that are not regular files, BMP headers with impossible sizes, a font size that draws
// nothing. Each is refused as a missing file is, with the same lines and consequences.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <string>
#include <vector>

#include "MidiaHostil.h"
#include "engine/media/CSom.h"
#include "engine/media/CSprite.h"
#include "engine/media/CTexto.h"
#include "engine/media/cabecalhos.h"
#include "tests/MidiaTeste.h"

using namespace testing::internal;
using hostil::FormatoWav;

namespace {

struct CasoWav {
    const char* nome;
    std::string bytes;
    bool aceito;
    bool ehMusica = false;  // accepted and played by the music stream too (PCM)
};

// IMA ADPCM of one channel in 256-byte blocks: 505 samples a block.
FormatoWav ima(unsigned alinhamento, unsigned amostras)
{
    return {0x11, 1, 22050, 4, alinhamento, amostras};
}

std::vector<CasoWav> casosWav()
{
    const std::string lista = hostil::pedaco("LIST", std::string(4, 'x'));
    return {
        {"pcm16", hostil::wav({}, 400), true, true},
        {"pcm8_estereo", hostil::wav({1, 2, 11025, 8, 2}, 400, lista), true, true},
        {"ima", hostil::wav(ima(256, 505), 1024), true},
        {"ms", hostil::wav({2, 1, 22050, 4, 256, 500}, 1024), true},
        {"oito_canais", hostil::wav({1, 8, 44100, 16, 16}, 160), true, true},
        // Division by zero in SDL's ADPCM decoders.
        {"ima_bloco_zero", hostil::wav(ima(0, 0), 1024), false},
        {"ms_bloco_zero", hostil::wav({2, 1, 22050, 4, 0, 0}, 1024), false},
        // Endless converter set-up in SDL: no channels, or no (or too small) a rate.
        {"zero_canais", hostil::wav({1, 0, 22050, 16, 0}, 400), false},
        {"nove_canais", hostil::wav({1, 9, 22050, 16, 18}, 360), false},
        {"taxa_zero", hostil::wav({1, 1, 0, 16, 2}, 400), false},
        {"taxa_um", hostil::wav({1, 1, 1, 16, 2}, 400), false},
        {"taxa_enorme", hostil::wav({1, 1, 2147483647u, 16, 2}, 400), false},
        {"bits_24", hostil::wav({1, 1, 22050, 24, 3}, 400), false},
        {"bloco_incoerente", hostil::wav({1, 2, 22050, 16, 2}, 400), false},
        {"ima_amostras_erradas", hostil::wav(ima(256, 2000), 1024), false},
        {"formato_3", hostil::wav({3, 1, 22050, 32, 4}, 400), false},
        {"dados_alem_do_arquivo", hostil::wav({}, 400, "", 0xFFFFFFF0u), false},
        {"pedaco_impar_antes", hostil::wav({}, 400, hostil::pedaco("LIST", "abc")), false},
        // Both loaders skip only "fact" and "LIST" on the way to the format; the mixer's music
        // loader frees any other chunk twice.
        {"dados_antes_do_formato", std::string("RIFF\x24\0\0\0WAVE", 12) +
                                       hostil::pedaco("data", "ab") +
                                       hostil::wav({}, 4).substr(12), false},
        {"pedaco_estranho_antes_do_formato",
         std::string("RIFF\x24\x01\0\0WAVE", 12) +
             hostil::pedaco(std::string("fm\x10\0", 4), "WAVE") + hostil::wav({}, 0).substr(12),
         false},
        {"sem_dados", hostil::wav({}, 0).substr(0, 36), false},
        {"vazio", "", false},
        {"ogg_como_som", "OggS" + std::string(60, '\0'), false},
    };
}

class SomHostil : public ::testing::Test {
protected:
    std::string escreve(const CasoWav& caso)
    {
        return temp.escreve(std::string(caso.nome) + ".wav", caso.bytes);
    }
    DiretorioTemporario temp;
};

TEST_F(SomHostil, CabecalhoWavDecideOQueChegaAoSdl)
{
    for (const CasoWav& caso : casosWav()) {
        SDL_RWops* fluxo =
            SDL_RWFromConstMem(caso.bytes.data(), static_cast<int>(caso.bytes.size()));
        EXPECT_EQ(caso.aceito, confereWav(fluxo)) << caso.nome << ": " << SDL_GetError();
        EXPECT_EQ(0, SDL_RWtell(fluxo)) << caso.nome;
        SDL_RWclose(fluxo);
    }
}

// A refused music file is a missing one: its line, then no music; the game goes on. The
// accepted ones play (the music stream plays PCM WAV only; ADPCM fails in the mixer). A
// directory, an empty file, a FIFO and a device never reach the mixer.
TEST_F(SomHostil, MusicaRecusadaEhMusicaQueFalta)
{
    CSom som;
    ASSERT_EQ(0, mkfifo(temp.caminho("fifo.ogg").c_str(), 0600));
    std::vector<std::pair<std::string, bool>> arquivos = {
        {temp.caminho("fifo.ogg"), false},   {temp.caminho(""), false},
        {temp.escreve("vazio.ogg", ""), false}, {"/dev/zero", false},
        {temp.escreve("mod.ogg", std::string(2000, 'M')), false},
        {"data/music/nintendo.ogg", true},
    };
    for (const CasoWav& caso : casosWav())
        arquivos.push_back({escreve(caso), caso.ehMusica});
    for (const auto& [arquivo, toca] : arquivos) {
        CaptureStderr();
        som.carregaMusica(arquivo);
        const std::string erro = GetCapturedStderr();
        if (!toca) {
            EXPECT_EQ(0u, erro.find("Erro na abertura do arquivo " + arquivo + ": ")) << erro;
            EXPECT_EQ(nullptr, som.retornaMusica()) << arquivo;
            continue;
        }
        EXPECT_EQ("", erro);
        ASSERT_NE(nullptr, som.retornaMusica()) << arquivo;
        som.tocaMusica(-1);
        EXPECT_EQ(1, Mix_PlayingMusic()) << arquivo;
    }
}

// Every accepted WAV loads as a sound; the ones SDL would crash on end the game as a missing
// sound effect does: its line, status 255.
TEST_F(SomHostil, SomRecusadoEncerraComoSomQueFalta)
{
    for (const CasoWav& caso : casosWav()) {
        const std::string arquivo = escreve(caso);
        if (caso.aceito) {
            CSom som;
            som.carregaSom(arquivo, 0, true);
            EXPECT_NE(nullptr, som.retornaSom(0)) << caso.nome << ": " << SDL_GetError();
            continue;
        }
        EXPECT_EXIT(
            {
                CSom som;
                som.carregaSom(arquivo, 0, true);
            },
            ::testing::ExitedWithCode(255), "^Erro na abertura do arquivo " + arquivo + ": ")
            << caso.nome;
    }
    ASSERT_EQ(0, mkfifo(temp.caminho("fifo.wav").c_str(), 0600));
    const std::string especiais[] = {temp.caminho("fifo.wav"), temp.caminho(""), "/dev/zero"};
    for (const std::string& especial : especiais) {
        EXPECT_EXIT(
            {
                CSom som;
                som.carregaSom(especial, 0, true);
            },
            ::testing::ExitedWithCode(255),
            "^Erro na abertura do arquivo " + especial + ": .*not a regular file")
            << especial;
    }
}

using ImagemHostil = MidiaTeste;

// Sides of zero, of -2^31, past any screen; depths SDL has no layout for; RLE; files that
// are not files. Each fails as a missing picture does; a sane one still loads.
TEST_F(ImagemHostil, CabecalhoBmpImpossivelEhImagemQueFalta)
{
    ASSERT_EQ(0, mkfifo(temp.caminho("fifo.bmp").c_str(), 0600));
    ASSERT_EQ(0, mkdir(temp.caminho("x.bmp").c_str(), 0700));
    const std::vector<std::string> recusados = {
        temp.escreve("altura_minima.bmp", hostil::bmp(4, -2147483647 - 1, 24, 0, 48)),
        temp.escreve("altura_zero.bmp", hostil::bmp(4, 0, 24, 0, 48)),
        temp.escreve("largura_zero.bmp", hostil::bmp(0, 4, 24, 0, 48)),
        temp.escreve("enorme.bmp", hostil::bmp(100000, 100000, 32, 0, 64)),
        temp.escreve("bits_0.bmp", hostil::bmp(4, 4, 0, 0, 64)),
        temp.escreve("bits_7.bmp", hostil::bmp(4, 4, 7, 0, 64)),
        temp.escreve("rle8.bmp", hostil::bmp(4, 4, 8, 1, 64)),
        temp.escreve("truncado.bmp", hostil::bmp(4, 4, 24, 0, 48).substr(0, 20)),
        temp.caminho("fifo.bmp"), temp.caminho("x.bmp"), "/dev/zero",
    };
    CSprite s;
    for (const std::string& arquivo : recusados) {
        CaptureStderr();
        EXPECT_FALSE(s.carregaImagem(arquivo)) << arquivo;
        EXPECT_EQ(0u, GetCapturedStderr().find("Erro ao carregar a imagem " + arquivo + "\t "))
            << arquivo;
        EXPECT_EQ(nullptr, s.retornaSuperficie());
        EXPECT_EQ("", s.retornaArquivo());
    }
    ASSERT_TRUE(s.carregaImagem(temp.escreve("topo.bmp", hostil::bmp(4, -4, 24, 0, 48))));
    EXPECT_EQ(4, s.retornaAltura());
}

// At 65535 points the font measures an empty cell: a failed set-up, as a missing font.
TEST_F(ImagemHostil, FonteSemCelulaEhFonteQueFalta)
{
    CTexto texto;
    CaptureStderr();
    EXPECT_FALSE(texto.inicializa(80, 80, "data/fonts/Sans Bold.ttf", 65535));
    EXPECT_EQ(0u, GetCapturedStderr().find("Erro ao carregar fonte data/fonts/Sans Bold.ttf \t "));
    EXPECT_FALSE(texto.temFonte());
    ASSERT_EQ(0, mkfifo(temp.caminho("fifo.ttf").c_str(), 0600));
    CaptureStderr();
    EXPECT_FALSE(texto.inicializa(80, 80, temp.caminho("fifo.ttf"), 8));
    EXPECT_EQ(0u, GetCapturedStderr().find("Erro ao carregar fonte " + temp.caminho("fifo.ttf")));
    EXPECT_TRUE(texto.inicializa(80, 80, FONTE_CELULA, 8));
    EXPECT_EQ(CELULA, texto.retornaLarguraCaractere());
}

}  // namespace
