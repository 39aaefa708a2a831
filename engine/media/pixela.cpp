// pixela: one-pixel access to a surface of 1 to 4 bytes per pixel.
#include "engine/media/pixela.h"

#include <cstring>

namespace {

const int BITS_POR_BYTE = 8;
const int BYTES_24_BITS = 3;

// Whether (x, y) is a pixel of s; the rest would read or write past its memory.
bool dentro(const SDL_Surface* s, unsigned x, unsigned y)
{
    return s != nullptr && x < static_cast<unsigned>(s->w) && y < static_cast<unsigned>(s->h);
}

Uint8* endereco(SDL_Surface* s, unsigned x, unsigned y)
{
    return static_cast<Uint8*>(s->pixels) + static_cast<size_t>(y) * s->pitch +
           static_cast<size_t>(x) * s->format->BytesPerPixel;
}

}  // namespace

Uint32 pixela(SDL_Surface* s, unsigned x, unsigned y)
{
    if (!dentro(s, x, y))
        return 0;
    const bool trava = SDL_MUSTLOCK(s);
    if (trava)
        SDL_LockSurface(s);
    const Uint8* p = endereco(s, x, y);
    Uint32 valor = 0;
    switch (s->format->BytesPerPixel) {
    case 1:
        valor = *p;
        break;
    case 2: {
        Uint16 palavra;
        std::memcpy(&palavra, p, sizeof palavra);
        valor = palavra;
        break;
    }
    case BYTES_24_BITS:
        valor = p[0] | (p[1] << BITS_POR_BYTE) | (p[2] << (2 * BITS_POR_BYTE));
        break;
    case sizeof(Uint32):
        std::memcpy(&valor, p, sizeof valor);
        break;
    default:
        break;
    }
    if (trava)
        SDL_UnlockSurface(s);
    return valor;
}

void pixela(SDL_Surface* s, unsigned x, unsigned y, unsigned pixel)
{
    if (!dentro(s, x, y))
        return;
    const bool trava = SDL_MUSTLOCK(s);
    if (trava)
        SDL_LockSurface(s);
    Uint8* p = endereco(s, x, y);
    switch (s->format->BytesPerPixel) {
    case 1:
        *p = static_cast<Uint8>(pixel);
        break;
    case 2: {
        const Uint16 palavra = static_cast<Uint16>(pixel);
        std::memcpy(p, &palavra, sizeof palavra);
        break;
    }
    case BYTES_24_BITS:
        for (int i = 0; i < BYTES_24_BITS; ++i)
            p[i] = static_cast<Uint8>(pixel >> (i * BITS_POR_BYTE));
        break;
    case sizeof(Uint32): {
        const Uint32 palavra = pixel;
        std::memcpy(p, &palavra, sizeof palavra);
        break;
    }
    default:
        break;
    }
    if (trava)
        SDL_UnlockSurface(s);
}
