// cabecalhos: the checks a media file's header passes before SDL's loaders see it, because
// those loaders trust the header (a WAV with no channels or no block size, a BMP with a
// side of -2^31, crash or misbehave inside SDL). Depends on SDL streams.
#ifndef CZORVO_CABECALHOS_H
#define CZORVO_CABECALHOS_H

#include <SDL.h>

// Every check reads from the stream's start and leaves it there again. False means refused,
// with the reason in SDL_GetError().

// Limits of a WAV's format chunk. The mixer converts every sound to 22050 Hz stereo; far
// outside these rates its converter runs out of steps.
const unsigned WAV_CANAIS_MAX = 8;
const unsigned WAV_TAXA_MIN = 1000;
const unsigned WAV_TAXA_MAX = 384000;

// A RIFF/WAVE file whose every chunk fits the file, whose first chunk other than "fact" and
// "LIST" is the format chunk (as SDL's and the mixer's loaders walk it), with a data chunk
// after it. The format: PCM of 8 or 16 bits, or MS or IMA ADPCM of 4 bits, 1 to
// WAV_CANAIS_MAX channels, WAV_TAXA_MIN to WAV_TAXA_MAX Hz, a block size that matches the
// channels and sample size (and the samples per block, for ADPCM). Chunks before the data
// must have even lengths, where SDL reads them without the padding byte.
bool confereWav(SDL_RWops* fluxo);

// The music formats the service plays: OGG Vorbis, and WAV that passes confereWav. Anything
// else is refused rather than guessed at by the mixer's tracker-module loaders.
enum FormatoMusica { MUSICA_RECUSADA, MUSICA_OGG, MUSICA_WAV };
FormatoMusica confereMusica(SDL_RWops* fluxo);

// Largest side of a picture: far beyond any screen of the engine, and it keeps one picture
// at 32 bits under 256 MiB.
const int BMP_LADO_MAX = 8192;

// A BMP ("BM") with a known header size, both sides 1 to BMP_LADO_MAX (a negative height,
// a top-down picture, counts by its size) and 1, 4, 8, 16, 24 or 32 bits a pixel.
bool confereBmp(SDL_RWops* fluxo);

#endif
