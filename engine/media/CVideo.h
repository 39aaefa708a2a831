// CVideo: the video service. Starts SDL's video subsystem, opens the video mode, keeps the
// screen surface and the window title, and shuts SDL down when destroyed. Depends on SDL;
// the settings-file overloads take a CArquivoChave (engine/files).
#ifndef CZORVO_CVIDEO_H
#define CZORVO_CVIDEO_H

#include <SDL.h>

#include <string>

#include "engine/core/CPaiMestre.h"

class CArquivoChave;

// Exactly one may exist at a time: constructing a second shuts SDL down and ends the
// process with status 0. The screen surface belongs to SDL.
class CVideo : public CPaiMestre {
public:
    CVideo();
    ~CVideo();

    // Opens a software surface (SDL_FULLSCREEN alone when telaCheia); true on success.
    // Sets the caption from titulo. A depth other than 0, 8, 16, 24 or 32 is refused, and so
    // is a mode whose rows pass 65535 bytes or whose screen passes 2 GiB.
    bool inicializa(Uint16 largura, Uint16 altura, bool telaCheia, Uint8 bpp,
                    const std::string& titulo);
    // Takes the mode from an opened video settings file (video_largura, video_altura,
    // video_bpp, video_telaCheia); full screen asks for 0xC0000001. Leaves the title alone.
    bool inicializa(CArquivoChave configuracao);
    // Opens the settings file first; a file that cannot be opened leaves SDL untouched.
    bool inicializa(const std::string& nome);

    void tituloJanela(const std::string& titulo);

    SDL_Surface* retornaTela() const { return tela; }
    Uint16 retornaLargura() const { return largura; }
    Uint16 retornaAltura() const { return altura; }
    Uint8 retornaBpp() const { return bpp; }
    bool retornaTelaCheia() const { return telaCheia; }
    Uint32 retornaFlags() const { return flags; }
    const std::string& retornaTitulo() const { return titulo; }

private:
    // The common tail of every inicializa: SDL_Init, the mode with flagsModo, the progress
    // lines. Leaves the caption alone.
    bool abreModo(Uint32 flagsModo);

    SDL_Surface* tela;  // not owned: SDL frees it at SDL_Quit
    Uint16 altura;
    Uint16 largura;
    Uint8 bpp;
    bool telaCheia;
    std::string titulo;
    Uint32 flags;

    static bool sbInstanciada;
};

#endif
