// abreMidia: a picture, font, sound or music file opened as an SDL stream only when it is a
// regular file, so no loader waits on a FIFO or reads a device or a directory. Depends on
// SDL and engine/files/abertura.
#ifndef CZORVO_ABREMIDIA_H
#define CZORVO_ABREMIDIA_H

#include <SDL.h>

#include <string>

// A stream that closes the file when the stream is closed; null otherwise, with the reason
// in SDL_GetError() as SDL's own loaders leave it for a missing file.
SDL_RWops* abreMidia(const std::string& arquivo);

#endif
