// ajustes: the game's optional settings files in the working directory, read through the
// engine's loaders: teclas.cfg (key bindings) and video.cfg (video mode). Without them, or
// when one fails to load, the game keeps its own bindings and mode. Depends on CEvento,
// CVideo, CArquivoChave.
#ifndef CORVELA_AJUSTES_H
#define CORVELA_AJUSTES_H

#include <string>

class CEvento;
class CVideo;

extern const char* const ARQUIVO_TECLAS;  // "teclas.cfg"
extern const char* const ARQUIVO_VIDEO;   // "video.cfg"

// Logical keys 0 to TECLA_ESSENCIAL_MAX (arrows, action, back) must each keep a key, or the
// player could not leave a screen; help and pause may go unbound.
const unsigned char TECLA_ESSENCIAL_MAX = 5;

// Opens the mode of `arquivo` when it exists, else the game's 320x240 16-bit window, scaled
// as the desktop allows (or as the file's video_escala says: CVideo). A file
// that cannot be read, asks for another size than 320x240 (the screens are laid out for it)
// or is refused by SDL gives one line on stderr and the game's own mode. False only when
// the game's own mode fails too. Leaves the window title to the caller.
bool abreVideo(CVideo& video, const std::string& arquivo);

// Binds the keys of `arquivo` when it exists (they replace every default), else the game's
// own nine. A file that cannot be read, holds no binding or leaves an essential key unbound
// gives one line on stderr and the game's own bindings.
void ligaTeclas(CEvento& evento, const std::string& arquivo);

// The game's own bindings: the engine's six defaults, left Alt as a second action key,
// Backspace for help and Return for pause.
void ligaTeclasPadrao(CEvento& evento);

#endif
