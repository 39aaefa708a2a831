// DadosProprios: a scratch working directory for one test whose data/ holds the worktree's
// assets and a bg/ of the test's own pictures. Depends on std::filesystem and the media test
// support.
#ifndef CORVELA_TESTES_DADOSPROPRIOS_H
#define CORVELA_TESTES_DADOSPROPRIOS_H

#include <SDL.h>

#include <filesystem>
#include <string>

#include "tests/apoio/ArquivosTemporarios.h"
#include "tests/apoio/MidiaTeste.h"

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

    // A w x h BMP of one colour in data/bg.
    void figura(const std::string& nome, int w, int h, Cor cor) const
    {
        Superficie s = novaSuperficie(24, w, h);
        SDL_FillRect(s.get(), nullptr, SDL_MapRGB(s->format, cor.r, cor.g, cor.b));
        SDL_SaveBMP(s.get(), temp.caminho("data/bg/" + nome).c_str());
    }

private:
    std::filesystem::path origem;
    DiretorioTemporario temp;
};

#endif
