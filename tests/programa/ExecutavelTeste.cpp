// The corvela executable in a child process: its lines on start, how it ends when the video
// mode or the audio device cannot be had, and SIGINT and SIGTERM ending it like Quit.
#include <gtest/gtest.h>

#include <signal.h>
#include <unistd.h>

#include <string>

#include "tests/apoio/Processo.h"

namespace {

const char* const LINHAS_INICIO =
    "Sistema de som inicializado com sucesso...\n"
    "SubSistema de video inicializado corretamente...\n"
    "Video inicializado corretamente...\n";
// The services close in this order once the loop has ended.
const char* const LINHAS_FIM = "Sistema de som finalizado...\nSistema de vídeo encerrado... \n";

Resultado roda(const char* video, const char* audio, unsigned msLimite)
{
    Processo corvela(CORVELA_BINARIO, CORVELA_RAIZ, video, audio);
    return corvela.termina(msLimite);
}

TEST(Executavel, ComecaERodaAteSerParado)
{
    const Resultado r = roda("dummy", "dummy", 1500);
    EXPECT_TRUE(r.excedeu) << r.erro;  // still running its frames when killed
    EXPECT_EQ(0u, r.saida.find(LINHAS_INICIO)) << r.saida;
}

TEST(Executavel, ModoDeVideoRecusadoSaiComMenosUm)
{
    const Resultado r = roda("inexistente", "dummy", 10000);
    EXPECT_TRUE(r.saiu);
    EXPECT_EQ(255, r.status);
    EXPECT_EQ(0u, r.erro.find("Erro ao inicializar video: \t ")) << r.erro;
    EXPECT_EQ(std::string::npos, r.saida.find("Video inicializado"));
}

TEST(Executavel, SemDispositivoDeAudioSaiCom255)
{
    const Resultado r = roda("dummy", "inexistente", 10000);
    EXPECT_TRUE(r.saiu);
    EXPECT_EQ(255, r.status);
    EXPECT_EQ(0u, r.erro.find("Incapaz de inicializar audio: ")) << r.erro;
    EXPECT_EQ("", r.saida);
}

// Ctrl+C in the terminal and SIGTERM from a service manager: the frame in progress ends,
// the services close with their lines, and the status is 0.
TEST(Executavel, SigintESigtermEncerramComoSair)
{
    for (const int sinal : {SIGINT, SIGTERM}) {
        Processo corvela(CORVELA_BINARIO, CORVELA_RAIZ, "dummy", "dummy");
        ASSERT_TRUE(corvela.esperaSaida(LINHAS_INICIO, 10000)) << sinal;
        usleep(300000);  // some frames into the first screen
        corvela.sinal(sinal);
        const Resultado r = corvela.termina(10000);
        EXPECT_TRUE(r.saiu) << "signal " << sinal << " ended it by " << r.sinal
                            << (r.excedeu ? " (still running)" : "");
        EXPECT_EQ(0, r.status) << sinal;
        const std::string fim = LINHAS_FIM;
        ASSERT_GE(r.saida.size(), fim.size());
        EXPECT_EQ(fim, r.saida.substr(r.saida.size() - fim.size())) << r.saida;
    }
}

}  // namespace
