// cenas: the screens whose frames are measured, each with the steps that bring a freshly
// built project to the state it is measured in. The benchmarks, the instruction counter and
// the frame-period measure all take their frames from here. Depends on Partida (tools/roteiro).
#ifndef CORVELA_BENCH_CENAS_H
#define CORVELA_BENCH_CENAS_H

#include <string>
#include <vector>

#include "tools/roteiro/Partida.h"

namespace cenas {

struct Cena {
    const char* nome;
    const char* descricao;
    // Brings the bench's project into the measured state; false when it cannot get there.
    bool (*prepara)(Partida& bancada);
    // Frames the state lasts once prepared; 0 for a state that holds. A passing state is
    // measured from its first frame, with no warm-up, and for at most these frames.
    unsigned duracao;
};

const std::vector<Cena>& todas();
// Null when no scene has that name.
const Cena* procura(const std::string& nome);

}  // namespace cenas

#endif
