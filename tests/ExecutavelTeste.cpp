// The corvela executable in a child process: its lines on start, and how it ends when the
// video mode or the audio device cannot be had.
#include <gtest/gtest.h>

#include <string>

#include "Processo.h"

namespace {

// corvela from the source tree, where data/ lives.
Resultado roda(const char* video, const char* audio, unsigned msLimite)
{
    return ::roda(CORVELA_BINARIO, CORVELA_RAIZ, video, audio, msLimite);
}

TEST(Executavel, ComecaERodaAteSerParado)
{
    const Resultado r = roda("dummy", "dummy", 1500);
    EXPECT_EQ(-1, r.status) << r.erro;  // still running its frames when killed
    EXPECT_EQ(0u, r.saida.find("Sistema de som inicializado com sucesso...\n"
                               "SubSistema de video inicializado corretamente...\n"
                               "Video inicializado corretamente...\n"))
        << r.saida;
}

TEST(Executavel, ModoDeVideoRecusadoSaiComMenosUm)
{
    const Resultado r = roda("inexistente", "dummy", 10000);
    EXPECT_EQ(255, r.status);
    EXPECT_EQ(0u, r.erro.find("Erro ao inicializar video: \t ")) << r.erro;
    EXPECT_EQ(std::string::npos, r.saida.find("Video inicializado"));
}

TEST(Executavel, SemDispositivoDeAudioSaiCom255)
{
    const Resultado r = roda("dummy", "inexistente", 10000);
    EXPECT_EQ(255, r.status);
    EXPECT_EQ(0u, r.erro.find("Incapaz de inicializar audio: ")) << r.erro;
    EXPECT_EQ("", r.saida);
}

}  // namespace
