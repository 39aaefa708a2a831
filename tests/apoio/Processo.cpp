// Processo: fork, non-blocking collection of both streams, timed wait.
#include "tests/apoio/Processo.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <stdlib.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>

namespace {

bool passou(std::chrono::steady_clock::time_point fim)
{
    return std::chrono::steady_clock::now() >= fim;
}

std::chrono::steady_clock::time_point daqui(unsigned ms)
{
    return std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
}

}  // namespace

Processo::Processo(const std::function<void()>& filho)
{
    int saida[2], erro[2];
    if (pipe(saida) != 0 || pipe(erro) != 0)
        return;
    std::fflush(nullptr);  // nothing buffered in the test is written twice
    pid = fork();
    if (pid == 0) {
        dup2(saida[1], STDOUT_FILENO);
        dup2(erro[1], STDERR_FILENO);
        filho();
        _exit(98);
    }
    close(saida[1]);
    close(erro[1]);
    fds[0] = saida[0];
    fds[1] = erro[0];
    for (const int fd : fds)
        fcntl(fd, F_SETFL, O_NONBLOCK);
}

Processo::Processo(const std::string& binario, const std::string& diretorio, const char* video,
                   const char* audio)
    : Processo([&]() {
          setenv("SDL_VIDEODRIVER", video, 1);
          setenv("SDL_AUDIODRIVER", audio, 1);
          if (chdir(diretorio.c_str()) == 0)
              execl(binario.c_str(), "corvela", static_cast<char*>(nullptr));
      })
{
}

Processo::~Processo()
{
    if (pid > 0 && !colhido) {
        kill(pid, SIGKILL);
        waitpid(pid, nullptr, 0);
    }
    for (const int fd : fds)
        if (fd >= 0)
            close(fd);
}

void Processo::coleta(int esperaMs)
{
    pollfd p[2] = {{fds[0], POLLIN, 0}, {fds[1], POLLIN, 0}};
    poll(p, 2, esperaMs);
    std::string* destinos[2] = {&resultado.saida, &resultado.erro};
    char buf[4096];
    for (int i = 0; i < 2; ++i)
        for (ssize_t n; (n = read(fds[i], buf, sizeof buf)) > 0;)
            destinos[i]->append(buf, static_cast<size_t>(n));
}

bool Processo::esperaSaida(const std::string& texto, unsigned msLimite)
{
    const auto fim = daqui(msLimite);
    while (pid > 0 && resultado.saida.find(texto) == std::string::npos && !passou(fim))
        coleta(10);
    return resultado.saida.find(texto) != std::string::npos;
}

void Processo::sinal(int numero) const
{
    if (pid > 0)
        kill(pid, numero);
}

Resultado Processo::termina(unsigned msLimite)
{
    if (pid <= 0 || colhido)
        return resultado;
    const auto fim = daqui(msLimite);
    int status = 0;
    pid_t colhidoPid = 0;
    while ((colhidoPid = waitpid(pid, &status, WNOHANG)) == 0 && !passou(fim))
        coleta(10);
    if (colhidoPid == 0) {
        resultado.excedeu = true;
        kill(pid, SIGKILL);
        waitpid(pid, &status, 0);
    } else if (WIFEXITED(status)) {
        resultado.saiu = true;
        resultado.status = WEXITSTATUS(status);
    } else if (WIFSIGNALED(status)) {
        resultado.sinal = WTERMSIG(status);
    }
    // The pipes stay open until the last writer is gone: read to their end.
    for (const int fd : fds)
        fcntl(fd, F_SETFL, 0);
    coleta(0);
    colhido = true;
    return resultado;
}
