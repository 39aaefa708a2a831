// CVideo: the video service. Starts SDL's video subsystem, opens the video mode, keeps the
// surface the game draws on and the window title, shows each frame in the window (scaled up
// by a whole number on a desktop), and shuts SDL down when destroyed. Depends on SDL and
// ampliacao; the settings-file overloads take a CArquivoChave (engine/files).
#ifndef CZORVO_CVIDEO_H
#define CZORVO_CVIDEO_H

#include <SDL.h>

#include <string>

#include "engine/core/CPaiMestre.h"

class CArquivoChave;

// Exactly one may exist at a time: constructing a second shuts SDL down and ends the
// process with status 0. Unscaled, the game draws straight on SDL's screen surface; scaled,
// on a surface of the mode's size in the window's format that the service owns, and the
// window (escala times the mode's size) belongs to SDL.
class CVideo : public CPaiMestre {
public:
    CVideo();
    ~CVideo();

    // Opens a software surface (SDL_FULLSCREEN alone when telaCheia); true on success.
    // Sets the caption from titulo. A depth other than 0, 8, 16, 24 or 32 is refused, and so
    // is a mode whose rows pass 65535 bytes or whose screen passes 2 GiB. The window is
    // scaled as defEscala asked; a scaled window too large, or refused by SDL, opens unscaled.
    bool inicializa(Uint16 largura, Uint16 altura, bool telaCheia, Uint8 bpp,
                    const std::string& titulo);
    // Takes the mode from an opened video settings file (video_largura, video_altura,
    // video_bpp, video_telaCheia); full screen asks for 0xC0000001. Leaves the title alone.
    // video_escala, 1 to ESCALA_MAXIMA, replaces defEscala's request; any other value, or
    // none, asks for the automatic scale.
    bool inicializa(CArquivoChave configuracao);
    // Opens the settings file first; a file that cannot be opened leaves SDL untouched.
    bool inicializa(const std::string& nome);

    void tituloJanela(const std::string& titulo);

    // The scale the next mode is opened at; 0 (the default) or anything above ESCALA_MAXIMA
    // asks for the automatic one (escalaPadrao of the desktop). Full screen and the browser
    // are never scaled. The open mode stays as it is.
    void defEscala(Uint8 escala);
    // Shows the frame drawn on the game surface: flips it, or, scaled, blows it up into the
    // window and flips that. Does nothing without a mode.
    void apresenta();

    SDL_Surface* retornaTela() const { return tela; }
    Uint16 retornaLargura() const { return largura; }
    Uint16 retornaAltura() const { return altura; }
    Uint8 retornaBpp() const { return bpp; }
    bool retornaTelaCheia() const { return telaCheia; }
    Uint32 retornaFlags() const { return flags; }
    const std::string& retornaTitulo() const { return titulo; }
    // The open mode's scale; 1 unscaled or without a mode.
    Uint8 retornaEscala() const { return escala; }
    // The surface the game draws on: the service's game surface while its mode is SDL's
    // screen, else SDL's screen surface (a mode opened without the service); null without
    // a mode.
    static SDL_Surface* telaAtual();

private:
    // The common tail of every inicializa: SDL_Init, the mode with flagsModo, the progress
    // lines. Leaves the caption alone.
    bool abreModo(Uint32 flagsModo);
    // Opens the window at escala, with its own game surface when escala is above 1.
    bool abreJanela(Uint8 escala);
    // Frees the game surface when the service owns it and forgets the mode.
    void liberaTela();

    SDL_Surface* tela;  // what the game draws on: the window itself unscaled, else owned
    Uint16 altura;
    Uint16 largura;
    Uint8 bpp;
    bool telaCheia;
    std::string titulo;
    Uint32 flags;
    SDL_Surface* janela;  // SDL's screen surface, not owned
    Uint8 escala;
    Uint8 escalaPedida;  // 0: automatic
    unsigned larguraDesktop;  // read before the first mode; 0 when unknown
    unsigned alturaDesktop;
    bool escalavel;

    static bool sbInstanciada;
    static CVideo* instancia;  // the one that exists, or null
};

#endif
