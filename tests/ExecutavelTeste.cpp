// The corvela executable in a child process: its lines on start, and how it ends when the
// video mode or the audio device cannot be had.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <string>

namespace {

struct Resultado {
    int status = -1;  // exit status, or -1 when it was still running and had to be killed
    std::string saida;
    std::string erro;
};

std::string leTudo(int fd)
{
    std::string texto;
    char buf[4096];
    ssize_t n;
    while ((n = read(fd, buf, sizeof buf)) > 0)
        texto.append(buf, static_cast<size_t>(n));
    return texto;
}

// Runs corvela from the source tree with the given drivers; kills it after `msLimite` ms if
// it has not ended by then.
Resultado roda(const char* video, const char* audio, unsigned msLimite)
{
    int saida[2], erro[2];
    if (pipe(saida) != 0 || pipe(erro) != 0)
        return {};
    const pid_t pid = fork();
    if (pid == 0) {
        dup2(saida[1], 1);
        dup2(erro[1], 2);
        close(saida[0]);
        close(erro[0]);
        setenv("SDL_VIDEODRIVER", video, 1);
        setenv("SDL_AUDIODRIVER", audio, 1);
        if (chdir(CORVELA_RAIZ) != 0)
            _exit(99);
        execl(CORVELA_BINARIO, "corvela", static_cast<char*>(nullptr));
        _exit(98);
    }
    close(saida[1]);
    close(erro[1]);
    Resultado r;
    int status = 0;
    unsigned esperado = 0;
    while (waitpid(pid, &status, WNOHANG) == 0 && esperado < msLimite) {
        usleep(10000);
        esperado += 10;
    }
    if (esperado >= msLimite) {
        kill(pid, SIGKILL);
        waitpid(pid, &status, 0);
    } else {
        r.status = WIFEXITED(status) ? WEXITSTATUS(status) : 1000;
    }
    r.saida = leTudo(saida[0]);
    r.erro = leTudo(erro[0]);
    close(saida[0]);
    close(erro[0]);
    return r;
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
