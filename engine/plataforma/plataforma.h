// plataforma: the few calls where the browser build (emscripten's SDL 1.2 layer) and the
// native SDL 1.2 differ. plataforma_nativa.cpp passes each one straight to SDL, so the
// native game behaves exactly as if the engine called SDL itself; plataforma_web.cpp makes
// up for what the browser's SDL lacks. Depends on SDL, SDL_mixer, SDL_ttf; the loop driver
// on CProjeto.
#ifndef CZORVO_PLATAFORMA_H
#define CZORVO_PLATAFORMA_H

#include <SDL.h>
#include <SDL_mixer.h>
#include <SDL_ttf.h>

#include <cstdio>
#include <string>

class CProjeto;

namespace plataforma {

// The pixel value that paints the screen black. Native: 0. The browser's screen is RGBA,
// where 0 is transparent.
Uint32 corPreta(SDL_Surface* tela);

// Whether the window may be scaled up, and the desktop's size to choose the scale by (SDL's
// current_w and current_h, read before the first mode is set; 0x0 when unknown). Native: true.
// Browser: false, the page scales its canvas itself.
bool janelaEscalavel(unsigned& largura, unsigned& altura);

// A copy of the picture in the screen's format; the caller owns it and keeps origem. Null
// on failure.
SDL_Surface* formatoTela(SDL_Surface* origem);

// The picture as it shows blitted, under its own colour key and alpha, over a plain colour:
// a new surface of the picture's size in the screen's format, filled with cor (a pixel value
// of that format) and the picture blitted over it; the caller owns it. Null on failure.
// Browser: always null, since there a blit onto anything but the screen copies the canvas
// back into memory (and warns), while the page's canvas blends for free.
SDL_Surface* compostaSobreCor(SDL_Surface* figura, SDL_Surface* tela, Uint32 cor);

// Sets the colour key as SDL_SetColorKey does (same result). In the browser, where the key
// is ignored, the key colour's pixels are made fully transparent instead.
int defineChave(SDL_Surface* superficie, Uint32 flags, Uint32 chave);

// A stream that reads the open file and closes it when the stream is closed; null on
// failure, with the file still open. Native: SDL_RWFromFP. Browser: the engine's own
// stream over the file, since the browser's SDL streams are handles only its loaders read
// (and it has no SDL_RWFromFP); the header checks read either kind alike.
SDL_RWops* fluxoArquivo(std::FILE* arquivo);

// The loaders, each handed a stream (from fluxoArquivo) that passed the file's checks and the
// path it was opened from; each closes the stream, loaded or not. Native: SDL's loaders read
// the stream. Browser: the stream is closed and the browser's loaders open the path (its
// pictures were decoded as the page loaded).
SDL_Surface* leBmp(SDL_RWops* fluxo, const std::string& arquivo);
Mix_Chunk* leSom(SDL_RWops* fluxo, const std::string& arquivo);
Mix_Music* leMusica(SDL_RWops* fluxo, const std::string& arquivo, Mix_MusicType tipo);
// Fonts as SDL_ttf opens them. In the browser a Windows bitmap font (.fon) is drawn by the
// engine from its own glyph bitmaps, pixel for pixel as SDL_ttf draws it natively, and any
// other font file is handed to the browser as a web font named after its path.
TTF_Font* abreFonte(SDL_RWops* fluxo, const std::string& arquivo, int tamanho);
// Text in one colour with no smoothing, as TTF_RenderText_Solid; null for empty text.
SDL_Surface* desenhaTexto(TTF_Font* fonte, const char* texto, SDL_Color cor);
void fechaFonte(TTF_Font* fonte);
// A copy of a drawing from desenhaTexto in the given format, its background still left
// undrawn by blits; the caller owns it and keeps desenho. Null on failure. Native: converted,
// with the converted key colour set as its key (RLE). Browser: the drawing's transparent
// background goes with the copy (its pixel formats carry no key colour).
SDL_Surface* desenhoNoFormato(SDL_Surface* desenho, SDL_PixelFormat* formato);

// Whether every file of data/ can be read. Native: always. Browser: the intro's files come with
// the game, the rest while the intro plays; the project holds a change of module until then.
bool dadosProntos();

// The key of a settings file, an SDL 1.2 key number, as this platform's SDL reports it.
// Native: unchanged.
int teclaSDL12(int codigo);

// The frame clock's millisecond counter, counted from its first read. Native: the monotonic
// clock, whose millisecond boundaries dormeAte can sleep to exactly (SDL 1.2's own counter
// rounds toward zero, which moves its boundaries by a millisecond twice a second); SDL's
// counter where the system has no monotonic clock to sleep on. Browser: SDL's counter.
Uint32 ticks();
// Sleeps until ticks() reads alvo: to that absolute moment of the monotonic clock, so the
// wake-up is late only by the scheduler's delay and early only when a signal cuts it short.
// Returns at once when alvo was already reached. Without a monotonic clock to sleep on:
// SDL_Delay for the whole milliseconds left. Browser: returns at once (a sleep would hold the
// page; the clock is not given this sleeper there).
void dormeAte(Uint32 alvo);

// Runs the project's frames until termina, then finalizacao. Native: a plain loop that
// returns when the game ends. Browser: the clock starts over (the page's tick counter only
// runs from SDL_Init) and never sleeps (a sleep would hold the page), the page's frame
// callback runs one frame whenever the clock's least interval has passed since the last,
// and this does not return; at the end the page is told the game ended.
void rodaLaco(CProjeto& projeto);

}  // namespace plataforma

#endif
