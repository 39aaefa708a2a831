// Tests of the settings loaders: the video mode and the key bindings read from key files,
// atoi conversions reduced to the field widths, the 255-binding limit, and that the loaders
// never change the caller's file. Depends on gtest, SDL (dummy drivers), CVideo, CEvento,
// CArquivoChave and the scratch directory helper.
#include <SDL.h>
#include <stdlib.h>

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "engine/core/CEvento.h"
#include "engine/files/CArquivoChave.h"
#include "engine/media/CVideo.h"
#include "tests/ArquivosTemporarios.h"

namespace {

const char SUBSISTEMA_OK[] = "SubSistema de video inicializado corretamente...\n";
const char VIDEO_OK[] = "Video inicializado corretamente...\n";
const Uint32 FLAGS_TELA_CHEIA = 0xC0000001;

// ctest sets the dummy drivers; this keeps a direct run of the binary off the terminal.
void usaDriverFicticio()
{
    setenv("SDL_VIDEODRIVER", "dummy", 0);
}

struct Saidas {
    bool resultado;
    std::string saida;
    std::string erro;
};

template <typename Fonte>
Saidas inicializaCapturando(CVideo& video, const Fonte& fonte)
{
    testing::internal::CaptureStdout();
    testing::internal::CaptureStderr();
    const bool resultado = video.inicializa(fonte);
    const std::string erro = testing::internal::GetCapturedStderr();
    return {resultado, testing::internal::GetCapturedStdout(), erro};
}

// The log of an inicializa that reached SDL: the mode's own line only when it opened.
void verificaLog(const Saidas& saidas, const CVideo& video)
{
    EXPECT_EQ(saidas.resultado, video.retornaTela() != nullptr);
    if (saidas.resultado) {
        EXPECT_EQ(saidas.saida, std::string(SUBSISTEMA_OK) + VIDEO_OK);
        EXPECT_EQ(saidas.erro, "");
    } else {
        EXPECT_EQ(saidas.saida, SUBSISTEMA_OK);
        EXPECT_EQ(saidas.erro, std::string("Erro ao inicializar video: \t ") + SDL_GetError() +
                                   " \n");
    }
}

// The caller's key file as the loader found it: name, lines and cursor.
struct Retrato {
    std::string nome;
    std::vector<std::string> linhas;
    int cursor;
    bool fda;
    bool ida;
    bool operator==(const Retrato& outro) const
    {
        return nome == outro.nome && linhas == outro.linhas && cursor == outro.cursor &&
               fda == outro.fda && ida == outro.ida;
    }
};

Retrato retrata(const CArquivoChave& arquivo)
{
    Retrato retrato{arquivo.nomeArq(), {}, arquivo.posAbsoluta(), arquivo.fda(), arquivo.ida()};
    std::string linha;
    for (unsigned int i = 0; arquivo.linha(i, &linha); ++i) {
        retrato.linhas.push_back(linha);
    }
    return retrato;
}

}  // namespace

TEST(ConfiguracaoTeste, VideoSemArquivoNaoTocaOSdl)
{
    DiretorioTemporario dir;
    usaDriverFicticio();
    CVideo video;
    const Saidas fechado = inicializaCapturando(video, CArquivoChave());
    const Saidas falta = inicializaCapturando(video, dir.caminho("falta.cfg"));
    for (const Saidas& saidas : {fechado, falta}) {
        EXPECT_FALSE(saidas.resultado);
        EXPECT_EQ(saidas.saida, "");
        EXPECT_EQ(saidas.erro, "");
    }
    EXPECT_EQ(SDL_WasInit(SDL_INIT_VIDEO), 0u);
    EXPECT_EQ(video.retornaLargura(), 0);
    EXPECT_EQ(video.retornaTela(), nullptr);
}

TEST(ConfiguracaoTeste, VideoConverteComoAtoiSemGravarNada)
{
    DiretorioTemporario dir;
    const std::string conteudo =
        "# video\n"
        "video_largura = 16bit\n"
        "video_altura=-1\n"
        "  video_bpp = 272\n"
        "video_bpp = 8\n"
        "video_telaCheia = yes\n";
    const std::string nome = dir.escreve("video.cfg", conteudo);
    usaDriverFicticio();
    CVideo video;
    const Saidas saidas = inicializaCapturando(video, nome);
    EXPECT_EQ(video.retornaLargura(), 16);
    EXPECT_EQ(video.retornaAltura(), 65535);
    EXPECT_EQ(video.retornaBpp(), 16);  // 272 reduced to 8 bits; the second line is ignored
    EXPECT_FALSE(video.retornaTelaCheia());
    EXPECT_EQ(video.retornaFlags(), 0u);
    verificaLog(saidas, video);
    EXPECT_EQ(DiretorioTemporario::le(nome), conteudo);

    // The overload taking an opened file works on its own copy.
    const std::string cheia = dir.escreve(
        "cheia.cfg", "video_telaCheia = 1\nvideo_bpp = 16\nvideo_altura = 240\nvideo_largura = 320");
    CArquivoChave configuracao;
    ASSERT_TRUE(configuracao.abrir(cheia));
    configuracao.posAbsoluta(2);
    configuracao.proxima();
    configuracao.proxima();  // on the last line with fda() set
    const Retrato antes = retrata(configuracao);
    const std::string titulo = video.retornaTitulo();
    verificaLog(inicializaCapturando(video, configuracao), video);
    EXPECT_EQ(retrata(configuracao), antes);
    EXPECT_EQ(video.retornaLargura(), 320);
    EXPECT_EQ(video.retornaAltura(), 240);
    EXPECT_EQ(video.retornaBpp(), 16);
    EXPECT_TRUE(video.retornaTelaCheia());
    EXPECT_EQ(video.retornaFlags(), FLAGS_TELA_CHEIA);
    EXPECT_EQ(video.retornaTitulo(), titulo);

    dir.escreve("cheia.cfg", "video_telaCheia = 0\n");
    inicializaCapturando(video, cheia);
    EXPECT_FALSE(video.retornaTelaCheia());
    EXPECT_EQ(video.retornaFlags(), 0u);
}

TEST(ConfiguracaoTeste, VideoSemChavesPedeModoZero)
{
    DiretorioTemporario dir;
    usaDriverFicticio();
    CVideo video;
    const Saidas saidas =
        inicializaCapturando(video, dir.escreve("vazio.cfg", "# nothing here\nvideo_bpp 16\n"));
    EXPECT_EQ(video.retornaLargura(), 0);
    EXPECT_EQ(video.retornaAltura(), 0);
    EXPECT_EQ(video.retornaBpp(), 0);
    EXPECT_FALSE(video.retornaTelaCheia());
    EXPECT_EQ(video.retornaFlags(), 0u);
    EXPECT_NE(SDL_WasInit(SDL_INIT_VIDEO), 0u);
    verificaLog(saidas, video);
}

// The bindings are told apart by pressing their SDL keys through the event queue.
class ConfiguracaoTeclasTeste : public testing::Test {
protected:
    void SetUp() override
    {
        usaDriverFicticio();
        ASSERT_EQ(SDL_Init(SDL_INIT_VIDEO), 0) << SDL_GetError();
    }
    void TearDown() override { SDL_Quit(); }

    // Whether holding the SDL key sym makes logical key codInt active.
    bool ativa(int sym, unsigned char codInt)
    {
        envia(SDL_KEYDOWN, sym);
        const bool ativado = evento.ativado(codInt);
        envia(SDL_KEYUP, sym);
        return ativado;
    }

    void envia(Uint8 tipo, int sym)
    {
        SDL_Event ev = {};
        ev.type = tipo;
        ev.key.type = tipo;
        ev.key.keysym.sym = static_cast<SDLKey>(sym);
        SDL_PushEvent(&ev);
        evento.descarregaFila();
    }

    DiretorioTemporario dir;
    CEvento evento;
};

TEST_F(ConfiguracaoTeclasTeste, CadaLinhaChaveViraUmaLigacao)
{
    const std::string conteudo =
        "# bindings\n"
        "0 = 273\n"
        "\n"
        "0 = 119\n"
        "# 1 = 274\n"
        "UP = 8\n"
        "260 = 27\n"
        "1 = 274 down\n";
    const std::string nome = dir.escreve("teclas.cfg", conteudo);
    CArquivoChave configuracao;
    ASSERT_TRUE(configuracao.abrir(nome));
    configuracao.posAbsoluta(3);
    const Retrato antes = retrata(configuracao);

    evento.carregaConfigTeclasPadrao();
    ASSERT_TRUE(evento.carregaConfigTeclas(configuracao));
    EXPECT_EQ(retrata(configuracao), antes);
    EXPECT_EQ(DiretorioTemporario::le(nome), conteudo);
    EXPECT_EQ(evento.totTeclas(), 5u);
    EXPECT_TRUE(ativa(SDLK_UP, 0));
    EXPECT_TRUE(ativa(119, 0));
    EXPECT_TRUE(ativa(SDLK_BACKSPACE, 0));  // a key that is not a number is logical 0
    EXPECT_TRUE(ativa(SDLK_ESCAPE, 4));     // 260 reduced to 8 bits
    EXPECT_TRUE(ativa(SDLK_DOWN, 1));
    EXPECT_FALSE(ativa(SDLK_LEFT, 3));  // the defaults are gone
    EXPECT_FALSE(ativa(SDLK_ESCAPE, 5));

    ASSERT_TRUE(evento.carregaConfigTeclas(dir.escreve("uma.cfg", "7 = 13")));
    EXPECT_EQ(evento.totTeclas(), 1u);
    EXPECT_TRUE(ativa(SDLK_RETURN, 7));
    EXPECT_FALSE(ativa(SDLK_UP, 0));
}

TEST_F(ConfiguracaoTeclasTeste, ParaNoLimiteDeLigacoes)
{
    const unsigned int limite = CEvento::MAX_TECLAS;
    std::string conteudo;
    for (unsigned int i = 0; i < limite + 45; ++i) {
        // The last binding that fits and the first that does not are told apart.
        conteudo += i + 1 == limite ? "1 = 274\n" : i == limite ? "2 = 275\n" : "6 = 8\n";
    }
    ASSERT_TRUE(evento.carregaConfigTeclas(dir.escreve("muitas.cfg", conteudo)));
    EXPECT_EQ(evento.totTeclas(), limite);
    EXPECT_TRUE(ativa(SDLK_DOWN, 1));
    EXPECT_FALSE(ativa(SDLK_RIGHT, 2));
    EXPECT_TRUE(ativa(SDLK_BACKSPACE, 6));
}

TEST_F(ConfiguracaoTeclasTeste, ArquivoSemLigacoes)
{
    evento.carregaConfigTeclasPadrao();
    EXPECT_FALSE(evento.carregaConfigTeclas(dir.caminho("falta.cfg")));
    EXPECT_EQ(evento.totTeclas(), 6u);  // an unreadable path keeps the bindings
    EXPECT_TRUE(ativa(SDLK_UP, 0));

    EXPECT_FALSE(evento.carregaConfigTeclas(CArquivoChave()));
    EXPECT_EQ(evento.totTeclas(), 0u);  // a closed file removes them all
    EXPECT_FALSE(ativa(SDLK_UP, 0));

    evento.carregaConfigTeclasPadrao();
    EXPECT_FALSE(evento.carregaConfigTeclas(dir.escreve("nada.cfg", "# 0 = 273\n\nUP 273\n")));
    EXPECT_EQ(evento.totTeclas(), 0u);
    EXPECT_FALSE(evento.verificaConfigTeclas());
}
