// The shipped data/ tree and the DisplayText font beside it: what the generator writes today
// is what is committed, and every file loads through the loaders the screens use (sprites,
// text, sound service).
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "engine/files/diretorio.h"
#include "engine/media/CSom.h"
#include "engine/media/CSprite.h"
#include "engine/media/CTexto.h"
#include "engine/media/pixela.h"
#include "tools/gerador/fontes/fontes.h"
#include "tools/gerador/imagens/imagens.h"
#include "tools/gerador/som/sons.h"
#include "tests/apoio/ArquivosTemporarios.h"

namespace {

namespace fs = std::filesystem;
using testing::internal::CaptureStderr;
using testing::internal::GetCapturedStderr;

// Every file of `raiz`, relative to it, sorted.
std::vector<std::string> arquivosDe(const std::string& raiz, const std::string& sub)
{
    std::vector<std::string> nomes;
    for (const auto& entrada : fs::directory_iterator(raiz + "/" + sub))
        nomes.push_back(sub + "/" + entrada.path().filename().string());
    std::sort(nomes.begin(), nomes.end());
    return nomes;
}

TEST(Dados, OQueEstaNoRepositorioEhOQueOGeradorEscreve)
{
    DiretorioTemporario novo;
    const std::string raiz = novo.caminho("data");
    for (const char* sub : {"", "/gfx", "/bg", "/fonts", "/sfx"})
        fs::create_directories(raiz + sub);
    ASSERT_TRUE(geraImagens(raiz));
    ASSERT_TRUE(geraFontes(raiz));
    ASSERT_TRUE(geraSons(raiz));
    // The music is left out: its bytes depend on the Vorbis encoder's version.
    for (const char* sub : {"gfx", "bg", "fonts", "sfx"}) {
        const std::vector<std::string> gerados = arquivosDe(raiz, sub);
        ASSERT_EQ(arquivosDe("data", sub), gerados) << "run `make dados` and commit data/";
        for (const std::string& nome : gerados) {
            EXPECT_TRUE(DiretorioTemporario::le("data/" + nome) ==
                        DiretorioTemporario::le(raiz + "/" + nome))
                << nome << " differs from the generator's output: run `make dados`";
        }
    }
    // The fonts part also writes the working directory's font, beside data/.
    for (const char* nome : {"arialbd.ttf", "LICENSE-DejaVu.txt"}) {
        ASSERT_TRUE(DiretorioTemporario::existe(novo.caminho(nome))) << nome;
        EXPECT_TRUE(DiretorioTemporario::le(nome) == DiretorioTemporario::le(novo.caminho(nome)))
            << nome << " differs from the generator's output: run `make dados`";
    }
    EXPECT_TRUE(DiretorioTemporario::le("arialbd.ttf") ==
                DiretorioTemporario::le("data/fonts/Sans Bold.ttf"));
}

class DadosNaTela : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_EQ(0, SDL_Init(SDL_INIT_VIDEO));
        tela = SDL_SetVideoMode(320, 240, 16, 0);
        ASSERT_NE(nullptr, tela);
    }
    void TearDown() override { SDL_Quit(); }

    SDL_Surface* tela = nullptr;
};

TEST_F(DadosNaTela, ImagensCarregamNoTamanhoEComAsChavesQueAsTelasUsam)
{
    const Uint32 fundo = SDL_MapRGB(tela->format, 10, 10, 200);
    const struct {
        const char* arquivo;
        int largura, altura;
        bool chave;
        Uint8 r, g, b;
        int x, y;  // a pixel the key makes transparent
    } IMAGENS[] = {
        {"data/gfx/title.bmp", 320, 240, false, 0, 0, 0, 0, 0},
        {"data/gfx/painel.bmp", 80, 240, false, 0, 0, 0, 0, 0},
        {"data/gfx/buraco.bmp", 60, 60, false, 0, 0, 0, 0, 0},
        {"data/gfx/selecao.bmp", 60, 60, true, 255, 0, 255, 30, 30},
        {"data/gfx/Orvalek.bmp", 201, 81, true, 102, 102, 102, 0, 0},
        {"data/gfx/mensagem.bmp", 220, 110, true, 255, 0, 255, 0, 0},
    };
    CaptureStderr();
    for (const auto& imagem : IMAGENS) {
        CSprite sprite;
        ASSERT_TRUE(sprite.carregaImagem(imagem.arquivo)) << imagem.arquivo;
        EXPECT_EQ(imagem.largura, sprite.retornaLargura()) << imagem.arquivo;
        EXPECT_EQ(imagem.altura, sprite.retornaAltura()) << imagem.arquivo;
        if (!imagem.chave)
            continue;
        SDL_FillRect(tela, nullptr, fundo);
        sprite.corTransparente(imagem.r, imagem.g, imagem.b);
        sprite.desenha(0, 0);
        EXPECT_EQ(fundo, pixela(tela, imagem.x, imagem.y)) << imagem.arquivo;
    }

    std::vector<std::string> fundos;
    ASSERT_EQ(0, listaDiretorio("data/bg", fundos, "bmp", false));
    EXPECT_GE(fundos.size(), 6u);
    for (const std::string& nome : fundos) {
        CSprite figura;
        ASSERT_TRUE(figura.carregaImagem("data/bg/" + nome));
        EXPECT_EQ(240, figura.retornaLargura()) << nome;
        EXPECT_EQ(240, figura.retornaAltura()) << nome;
    }
    EXPECT_EQ("", GetCapturedStderr());
}

TEST_F(DadosNaTela, FontesAbremNosTamanhosDasTelas)
{
    CaptureStderr();
    for (unsigned short tamanho : {8, 18, 24}) {
        CTexto texto;
        ASSERT_TRUE(texto.inicializa(80, 240, "data/fonts/coure.fon", tamanho));
        EXPECT_EQ(8, texto.retornaLarguraCaractere()) << tamanho;
        EXPECT_GE(texto.retornaAlturaCaractere(), 12) << tamanho;
    }
    CTexto menu;
    ASSERT_TRUE(menu.inicializa(500, 400, "data/fonts/Sans Bold.ttf", 18));
    EXPECT_GT(menu.retornaLarguraCaractere(), 8);
    EXPECT_EQ("", GetCapturedStderr());
}

TEST(DadosNoMixer, MusicasESonsCarregamNoServicoDeSom)
{
    CSom som;
    CaptureStderr();
    for (const char* musica :
         {"data/music/nintendo.ogg", "data/music/CHO7-31ko.ogg", "data/music/3VIL-42ko.ogg"}) {
        som.carregaMusica(musica);
        EXPECT_NE(nullptr, som.retornaMusica()) << musica;
    }
    const char* EFEITOS[] = {"data/sfx/opc_foco.wav", "data/sfx/opc_escolha.wav",
                             "data/sfx/grunz_success.wav"};
    for (unsigned char slot = 0; slot < 3; ++slot) {
        som.carregaSom(EFEITOS[slot], slot, true);
        ASSERT_NE(nullptr, som.retornaSom(slot));
        EXPECT_GT(som.retornaSom(slot)->alen, 0u);
    }
    EXPECT_EQ("", GetCapturedStderr());
}

}  // namespace
