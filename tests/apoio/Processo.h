// Processo: a child process (a function run after fork, often an exec of the corvela
// executable) whose standard output and error are collected, that can be signalled and is
// waited for with a time limit. Depends on POSIX fork, exec, pipes and signals.
#ifndef CORVELA_TESTES_PROCESSO_H
#define CORVELA_TESTES_PROCESSO_H

#include <sys/types.h>

#include <functional>
#include <string>

// How a run ended: exited (status), killed by a signal, or still running at the time limit
// (then killed by the test).
struct Resultado {
    bool saiu = false;
    int status = -1;
    int sinal = 0;
    bool excedeu = false;
    std::string saida;
    std::string erro;
};

class Processo {
public:
    // filho runs in the child with its streams on the pipes and must not return.
    explicit Processo(const std::function<void()>& filho);
    // The corvela binary started in diretorio with the given SDL drivers.
    Processo(const std::string& binario, const std::string& diretorio, const char* video,
             const char* audio);
    ~Processo();

    // Collects until texto shows on the standard output or msLimite ms pass; true if it did.
    bool esperaSaida(const std::string& texto, unsigned msLimite);
    void sinal(int numero) const;
    // Waits up to msLimite ms for the end, killing the child when it does not come.
    Resultado termina(unsigned msLimite);

private:
    void coleta(int esperaMs);

    pid_t pid = -1;
    int fds[2] = {-1, -1};  // the child's standard output and error
    bool colhido = false;
    Resultado resultado;
};

#endif
