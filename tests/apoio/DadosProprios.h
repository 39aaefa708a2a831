// DadosProprios: a scratch working directory for one test whose data/ holds the worktree's
// assets and a bg/ of the test's own pictures (gravaBmp writes them). Depends on
// std::filesystem and the scratch directory.
#ifndef CORVELA_TESTES_DADOSPROPRIOS_H
#define CORVELA_TESTES_DADOSPROPRIOS_H

#include <filesystem>
#include <string>

#include "tests/apoio/ArquivosTemporarios.h"

// Made the working directory on construction; the earlier one is restored on destruction.
class DadosProprios {
public:
    DadosProprios() : origem(std::filesystem::current_path())
    {
        namespace fs = std::filesystem;
        fs::create_directories(temp.caminho("data/bg"));
        for (const char* pasta : {"gfx", "fonts", "music", "sfx"})
            fs::create_directory_symlink(origem / "data" / pasta, temp.caminho("data/") + pasta);
        fs::current_path(temp.caminho(""));
    }
    ~DadosProprios() { std::filesystem::current_path(origem); }

private:
    std::filesystem::path origem;
    DiretorioTemporario temp;
};

#endif
