// ampliacao: the window's scale and the nearest-neighbour copy into it.
#include "engine/media/ampliacao.h"

#include <cstring>

namespace {

// The window may take up this share of the desktop, in tenths, leaving room for the
// desktop's panels and the window's frame.
const unsigned DECIMOS_OCUPADOS = 9;
const unsigned DECIMOS = 10;

// One source row of largura pixels of type T, each written escala times.
template <class T>
void repeteLinha(const Uint8* origem, Uint8* destino, int largura, unsigned escala)
{
    const T* o = reinterpret_cast<const T*>(origem);
    T* d = reinterpret_cast<T*>(destino);
    if (escala == 2) {
        for (int x = 0; x < largura; ++x, d += 2)
            d[0] = d[1] = o[x];
    } else if (escala == 3) {
        for (int x = 0; x < largura; ++x, d += 3)
            d[0] = d[1] = d[2] = o[x];
    } else {
        for (int x = 0; x < largura; ++x)
            for (unsigned k = 0; k < escala; ++k)
                *d++ = o[x];
    }
}

// Two 16-bit pixels as one 32-bit word, primeiro at the lower address.
inline Uint32 par(Uint32 primeiro, Uint32 segundo)
{
#if SDL_BYTEORDER == SDL_LIL_ENDIAN
    return primeiro | segundo << 16;
#else
    return primeiro << 16 | segundo;
#endif
}

// Stores a word wherever the row lies: a surface's rows need not start on a 4-byte boundary
// (SDL's dummy driver packs them), and strict-alignment processors fault on a misaligned
// word. Compilers make this one store where the processor allows it.
inline void poe(Uint8* destino, Uint32 palavra)
{
    std::memcpy(destino, &palavra, sizeof palavra);
}

// 16-bit pixels written two to a 32-bit word: at scale 3 two pixels make three words, at 4 a
// pixel is two. Scale 2 is left to the compiler, which vectorises it, and the rarer scales
// to the plain loop.
void repeteLinha16(const Uint8* origem, Uint8* destino, int largura, unsigned escala)
{
    const Uint16* o = reinterpret_cast<const Uint16*>(origem);
    Uint8* d = destino;
    if (escala == 2) {
        repeteLinha<Uint16>(origem, destino, largura, escala);
    } else if (escala == 4) {
        for (int x = 0; x < largura; ++x, d += 8) {
            poe(d, par(o[x], o[x]));
            poe(d + 4, par(o[x], o[x]));
        }
    } else if (escala == 3) {
        int x = 0;
        for (; x + 1 < largura; x += 2, d += 12) {
            const Uint32 a = o[x], b = o[x + 1];
            poe(d, par(a, a));
            poe(d + 4, par(a, b));
            poe(d + 8, par(b, b));
        }
        if (x < largura)
            repeteLinha<Uint16>(origem + x * 2, d, 1, escala);
    } else {
        repeteLinha<Uint16>(origem, destino, largura, escala);
    }
}

// Any depth: bytes a pixel at a time.
void repeteLinhaBytes(const Uint8* origem, Uint8* destino, int largura, unsigned escala,
                      unsigned bytes)
{
    for (int x = 0; x < largura; ++x, origem += bytes)
        for (unsigned k = 0; k < escala; ++k, destino += bytes)
            std::memcpy(destino, origem, bytes);
}

}  // namespace

Uint8 escalaPadrao(unsigned larguraTela, unsigned alturaTela, unsigned largura,
                   unsigned altura, bool telaCheia)
{
    if (telaCheia || largura == 0 || altura == 0)
        return 1;
    Uint8 escala = 1;
    while (escala < ESCALA_MAXIMA &&
           (escala + 1u) * largura * DECIMOS <= larguraTela * DECIMOS_OCUPADOS &&
           (escala + 1u) * altura * DECIMOS <= alturaTela * DECIMOS_OCUPADOS)
        ++escala;
    return escala;
}

bool amplia(SDL_Surface* origem, SDL_Surface* destino, unsigned escala)
{
    if (SDL_MUSTLOCK(origem) && SDL_LockSurface(origem) < 0)
        return false;
    if (SDL_MUSTLOCK(destino) && SDL_LockSurface(destino) < 0) {
        if (SDL_MUSTLOCK(origem))
            SDL_UnlockSurface(origem);
        return false;
    }
    const unsigned bytes = origem->format->BytesPerPixel;
    const size_t linha = static_cast<size_t>(origem->w) * escala * bytes;
    for (int y = 0; y < origem->h; ++y) {
        const Uint8* o = static_cast<const Uint8*>(origem->pixels) + y * origem->pitch;
        Uint8* d = static_cast<Uint8*>(destino->pixels) +
                   static_cast<size_t>(y) * escala * destino->pitch;
        if (bytes == 2)
            repeteLinha16(o, d, origem->w, escala);
        else if (bytes == 4)
            repeteLinha<Uint32>(o, d, origem->w, escala);
        else
            repeteLinhaBytes(o, d, origem->w, escala, bytes);
        for (unsigned k = 1; k < escala; ++k)
            std::memcpy(d + k * destino->pitch, d, linha);
    }
    if (SDL_MUSTLOCK(destino))
        SDL_UnlockSurface(destino);
    if (SDL_MUSTLOCK(origem))
        SDL_UnlockSurface(origem);
    return true;
}
