// Processo: fork, exec, non-blocking collection of both streams, timed wait.
#include "tests/apoio/Processo.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <stdlib.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

namespace {

const int PASSO_MS = 10;

long agoraMs()
{
    timespec t;
    clock_gettime(CLOCK_MONOTONIC, &t);
    return t.tv_sec * 1000L + t.tv_nsec / 1000000L;
}

void drena(int fd, std::string& destino)
{
    char buf[4096];
    ssize_t n;
    while (fd >= 0 && (n = read(fd, buf, sizeof buf)) > 0)
        destino.append(buf, static_cast<size_t>(n));
}

}  // namespace

Processo::Processo(const std::string& binario, const std::string& diretorio, const char* video,
                   const char* audio)
{
    int saida[2], erro[2];
    if (pipe(saida) != 0)
        return;
    if (pipe(erro) != 0) {
        close(saida[0]);
        close(saida[1]);
        return;
    }
    pid = fork();
    if (pid == 0) {
        dup2(saida[1], 1);
        dup2(erro[1], 2);
        close(saida[0]);
        close(erro[0]);
        setenv("SDL_VIDEODRIVER", video, 1);
        setenv("SDL_AUDIODRIVER", audio, 1);
        if (chdir(diretorio.c_str()) != 0)
            _exit(99);
        execl(binario.c_str(), "corvela", static_cast<char*>(nullptr));
        _exit(98);
    }
    close(saida[1]);
    close(erro[1]);
    saidaFd = saida[0];
    erroFd = erro[0];
    fcntl(saidaFd, F_SETFL, O_NONBLOCK);
    fcntl(erroFd, F_SETFL, O_NONBLOCK);
}

Processo::~Processo()
{
    if (pid > 0 && !colhido) {
        kill(pid, SIGKILL);
        waitpid(pid, nullptr, 0);
    }
    if (saidaFd >= 0)
        close(saidaFd);
    if (erroFd >= 0)
        close(erroFd);
}

void Processo::coleta(int esperaMs)
{
    pollfd fds[2] = {{saidaFd, POLLIN, 0}, {erroFd, POLLIN, 0}};
    poll(fds, 2, esperaMs);
    drena(saidaFd, resultado.saida);
    drena(erroFd, resultado.erro);
}

bool Processo::esperaSaida(const std::string& texto, unsigned msLimite)
{
    const long fim = agoraMs() + msLimite;
    while (resultado.saida.find(texto) == std::string::npos) {
        if (pid <= 0 || agoraMs() >= fim)
            return false;
        coleta(PASSO_MS);
    }
    return true;
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
    const long fim = agoraMs() + msLimite;
    int status = 0;
    pid_t colhidoPid = 0;
    while ((colhidoPid = waitpid(pid, &status, WNOHANG)) == 0 && agoraMs() < fim)
        coleta(PASSO_MS);
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
    fcntl(saidaFd, F_SETFL, 0);
    fcntl(erroFd, F_SETFL, 0);
    drena(saidaFd, resultado.saida);
    drena(erroFd, resultado.erro);
    colhido = true;
    return resultado;
}
