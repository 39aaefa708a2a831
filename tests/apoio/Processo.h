// Processo: the corvela executable run in a child process from a chosen directory and with
// chosen SDL drivers, its standard output and error collected, signalled, waited for with a
// time limit. Depends on POSIX fork, exec, pipes and signals.
#ifndef CORVELA_TESTES_PROCESSO_H
#define CORVELA_TESTES_PROCESSO_H

#include <string>

#include <sys/types.h>

// How a run ended. Exactly one of: exited (status), killed by a signal, or still running
// at the time limit (then killed by the test).
struct Resultado {
    bool saiu = false;
    int status = -1;   // exit status when saiu
    int sinal = 0;     // the signal that ended it, when one did
    bool excedeu = false;
    std::string saida;
    std::string erro;
};

class Processo {
public:
    // Starts binario in diretorio with the given video and audio drivers.
    Processo(const std::string& binario, const std::string& diretorio, const char* video,
             const char* audio);
    ~Processo();

    // Reads what the child writes until texto shows on its standard output or msLimite ms
    // pass; true when it showed.
    bool esperaSaida(const std::string& texto, unsigned msLimite);
    void sinal(int numero) const;
    // Waits up to msLimite ms for the end, killing the child when it does not come.
    Resultado termina(unsigned msLimite);

    bool iniciou() const { return pid > 0; }

private:
    void coleta(int esperaMs);

    pid_t pid = -1;
    int saidaFd = -1;
    int erroFd = -1;
    bool colhido = false;  // waited for: nothing left to kill
    Resultado resultado;
};

#endif
