// cabecalhos: RIFF chunk walk and WAV format checks, the music magic numbers, BMP header
// checks. All numbers in these headers are little-endian.
#include "engine/media/cabecalhos.h"

#include <cstring>

namespace {

const Uint16 FORMATO_PCM = 1;
const Uint16 FORMATO_MS_ADPCM = 2;
const Uint16 FORMATO_IMA_ADPCM = 0x11;

const Uint32 CABECALHO_RIFF = 12;   // "RIFF", size, "WAVE"
const Uint32 CABECALHO_PEDACO = 8;  // id, length
const Uint32 FMT_MINIMO = 16;
const Uint32 FMT_IMA_MINIMO = 20;   // + extra size, samples per block
const Uint32 FMT_MS_MINIMO = 50;    // + extra size, samples per block, 7 coefficient pairs
const Uint32 FMT_LIDO = FMT_MS_MINIMO;
// Bytes of each ADPCM block's header for one channel, and the samples it gives.
const unsigned MS_CABECALHO_CANAL = 7;
const unsigned IMA_CABECALHO_CANAL = 4;
const unsigned BITS_ADPCM = 4;

const Uint32 BMP_ARQUIVO = 14;  // "BM", size, reserved, offset
const Uint32 BMP_CORE = 12;     // the old header with 16-bit sides
const Uint32 BMP_INFO_MAX = 124;

Uint16 le16(const Uint8* p)
{
    return static_cast<Uint16>(p[0] | (p[1] << 8));
}

Uint32 le32(const Uint8* p)
{
    return static_cast<Uint32>(p[0]) | (static_cast<Uint32>(p[1]) << 8) |
           (static_cast<Uint32>(p[2]) << 16) | (static_cast<Uint32>(p[3]) << 24);
}

// Reads exactly n bytes at the current position. (SDL counts in int; the browser's in size_t.)
bool le(SDL_RWops* fluxo, Uint8* destino, Uint32 n)
{
    const long lidos = static_cast<long>(SDL_RWread(fluxo, destino, 1, static_cast<int>(n)));
    return n == 0 || lidos == static_cast<long>(n);
}

bool recusa(const char* motivo)
{
    SDL_SetError("%s", motivo);
    return false;
}

// The size of the stream, leaving it at its start; -1 when it cannot be measured.
long tamanhoFluxo(SDL_RWops* fluxo)
{
    const int fim = SDL_RWseek(fluxo, 0, RW_SEEK_END);
    SDL_RWseek(fluxo, 0, RW_SEEK_SET);
    return fim;
}

// A format chunk of n bytes (at most FMT_LIDO of them in f).
bool formatoValido(const Uint8* f, Uint32 n)
{
    if (n < FMT_MINIMO)
        return recusa("WAV format chunk too short");
    const Uint16 formato = le16(f);
    const unsigned canais = le16(f + 2);
    const Uint32 taxa = le32(f + 4);
    const unsigned alinhamento = le16(f + 12);
    const unsigned bits = le16(f + 14);
    if (canais < 1 || canais > WAV_CANAIS_MAX)
        return recusa("WAV channel count out of range");
    if (taxa < WAV_TAXA_MIN || taxa > WAV_TAXA_MAX)
        return recusa("WAV sample rate out of range");
    if (alinhamento == 0)
        return recusa("WAV block size is zero");
    if (formato == FORMATO_PCM) {
        if ((bits != 8 && bits != 16) || alinhamento != canais * (bits / 8))
            return recusa("WAV PCM sample size or block size wrong");
        return true;
    }
    if (formato != FORMATO_MS_ADPCM && formato != FORMATO_IMA_ADPCM)
        return recusa("WAV format not supported");
    const bool ms = formato == FORMATO_MS_ADPCM;
    const unsigned cabecalho = (ms ? MS_CABECALHO_CANAL : IMA_CABECALHO_CANAL) * canais;
    if (n < (ms ? FMT_MS_MINIMO : FMT_IMA_MINIMO) || bits != BITS_ADPCM)
        return recusa("WAV ADPCM format chunk wrong");
    // Each byte after the block's header holds two samples; the header gives one (IMA) or
    // two (MS) samples per channel. IMA decodes eight samples per channel at a time.
    const unsigned amostrasPorBloco = le16(f + 18);
    if (alinhamento <= cabecalho ||
        amostrasPorBloco != (alinhamento - cabecalho) * 2 / canais + (ms ? 2 : 1) ||
        (!ms && (alinhamento - cabecalho) % (IMA_CABECALHO_CANAL * canais) != 0))
        return recusa("WAV ADPCM block size wrong");
    return true;
}

}  // namespace

bool confereWav(SDL_RWops* fluxo)
{
    const long tamanho = tamanhoFluxo(fluxo);
    Uint8 riff[CABECALHO_RIFF];
    if (tamanho < static_cast<long>(CABECALHO_RIFF) || !le(fluxo, riff, CABECALHO_RIFF) ||
        std::memcmp(riff, "RIFF", 4) != 0 || std::memcmp(riff + 8, "WAVE", 4) != 0) {
        SDL_RWseek(fluxo, 0, RW_SEEK_SET);
        return recusa("Not a RIFF/WAVE file");
    }
    bool temFormato = false;
    bool temDados = false;
    bool valido = true;
    long pos = CABECALHO_RIFF;
    while (valido && pos + static_cast<long>(CABECALHO_PEDACO) <= tamanho) {
        Uint8 pedaco[CABECALHO_PEDACO];
        SDL_RWseek(fluxo, pos, RW_SEEK_SET);
        if (!le(fluxo, pedaco, CABECALHO_PEDACO)) {
            valido = recusa("WAV chunk unreadable");
            break;
        }
        const Uint32 comprimento = le32(pedaco + 4);
        const long resta = tamanho - pos - static_cast<long>(CABECALHO_PEDACO);
        if (comprimento > static_cast<Uint32>(resta)) {
            valido = recusa("WAV chunk longer than the file");
        } else if (!temFormato && std::memcmp(pedaco, "fmt ", 4) != 0 &&
                   std::memcmp(pedaco, "fact", 4) != 0 && std::memcmp(pedaco, "LIST", 4) != 0) {
            // Both loaders skip only these on the way to the format; the mixer's music loader
            // frees any other chunk twice.
            valido = recusa("WAV chunk other than fact or LIST before the format");
        } else if (std::memcmp(pedaco, "fmt ", 4) == 0) {
            Uint8 formato[FMT_LIDO] = {};
            const Uint32 lidos = comprimento < FMT_LIDO ? comprimento : FMT_LIDO;
            valido = le(fluxo, formato, lidos) ? formatoValido(formato, comprimento)
                                               : recusa("WAV chunk unreadable");
            temFormato = temFormato || valido;
        } else if (std::memcmp(pedaco, "data", 4) == 0) {
            temDados = true;
        }
        if (valido && !temDados && comprimento % 2 != 0)
            valido = recusa("WAV chunk of odd length before the data");
        pos += static_cast<long>(CABECALHO_PEDACO) + comprimento + comprimento % 2;
    }
    SDL_RWseek(fluxo, 0, RW_SEEK_SET);
    if (valido && !temDados)
        return recusa("WAV without data");
    return valido;
}

FormatoMusica confereMusica(SDL_RWops* fluxo)
{
    Uint8 magica[4] = {};
    const bool lida = le(fluxo, magica, sizeof magica);
    SDL_RWseek(fluxo, 0, RW_SEEK_SET);
    if (lida && std::memcmp(magica, "OggS", 4) == 0)
        return MUSICA_OGG;
    if (lida && std::memcmp(magica, "RIFF", 4) == 0)
        return confereWav(fluxo) ? MUSICA_WAV : MUSICA_RECUSADA;
    recusa("Music format not supported");
    return MUSICA_RECUSADA;
}

bool confereBmp(SDL_RWops* fluxo)
{
    Uint8 cabecalho[BMP_ARQUIVO + 4 + 12] = {};
    const bool lido = le(fluxo, cabecalho, sizeof cabecalho);
    SDL_RWseek(fluxo, 0, RW_SEEK_SET);
    if (!lido || cabecalho[0] != 'B' || cabecalho[1] != 'M')
        return recusa("Not a BMP file");
    const Uint8* info = cabecalho + BMP_ARQUIVO;
    const Uint32 tamanhoInfo = le32(info);
    long long largura, altura;
    unsigned bits;
    if (tamanhoInfo == BMP_CORE) {
        largura = le16(info + 4);
        altura = le16(info + 6);
        bits = le16(info + 10);
    } else if (tamanhoInfo > BMP_CORE && tamanhoInfo <= BMP_INFO_MAX) {
        largura = static_cast<Sint32>(le32(info + 4));
        altura = static_cast<Sint32>(le32(info + 8));
        bits = le16(info + 14);
    } else {
        return recusa("BMP header size unknown");
    }
    if (altura < 0)
        altura = -altura;  // top-down: wide enough not to overflow at -2^31
    if (largura < 1 || largura > BMP_LADO_MAX || altura < 1 || altura > BMP_LADO_MAX)
        return recusa("BMP size out of range");
    if (bits != 1 && bits != 4 && bits != 8 && bits != 16 && bits != 24 && bits != 32)
        return recusa("BMP pixel depth not supported");
    return true;
}
