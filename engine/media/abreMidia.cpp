// abreMidia: the regular-file check of engine/files, as an SDL stream.
#include "engine/media/abreMidia.h"

#include "engine/files/abertura.h"
#include "engine/plataforma/plataforma.h"

SDL_RWops* abreMidia(const std::string& arquivo)
{
    std::string motivo;
    std::FILE* aberto = abreRegular(arquivo, &motivo);
    if (aberto == nullptr) {
        SDL_SetError("%s", motivo.c_str());
        return nullptr;
    }
    SDL_RWops* fluxo = plataforma::fluxoArquivo(aberto);
    if (fluxo == nullptr)
        std::fclose(aberto);
    return fluxo;
}
