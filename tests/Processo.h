// Processo: runs a program in a child process on chosen SDL drivers and from a chosen
// directory, collects what it writes, and kills it after a time limit. Depends on POSIX.
#ifndef CORVELA_TESTES_PROCESSO_H
#define CORVELA_TESTES_PROCESSO_H

#include <signal.h>
#include <stdlib.h>
#include <sys/wait.h>
#include <unistd.h>

#include <string>

struct Resultado {
    int status = -1;  // exit status, or -1 when it was still running and had to be killed
    std::string saida;
    std::string erro;
};

inline std::string leTudo(int fd)
{
    std::string texto;
    char buf[4096];
    ssize_t n;
    while ((n = read(fd, buf, sizeof buf)) > 0)
        texto.append(buf, static_cast<size_t>(n));
    return texto;
}

// Runs `programa` from `diretorio` with the given drivers; kills it (SIGKILL: SDL turns TERM
// into an event the game ignores) after `msLimite` ms if it has not ended by then.
inline Resultado roda(const std::string& programa, const std::string& diretorio,
                      const char* video, const char* audio, unsigned msLimite)
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
        if (chdir(diretorio.c_str()) != 0)
            _exit(99);
        execl(programa.c_str(), programa.c_str(), static_cast<char*>(nullptr));
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

#endif
