// ArquivosBrutos: media files written byte by byte, little-endian, sane or hostile: WAV with
// any format chunk, BMP with any header. Depends on the standard library only.
#ifndef CORVELA_TESTES_ARQUIVOSBRUTOS_H
#define CORVELA_TESTES_ARQUIVOSBRUTOS_H

#include <initializer_list>
#include <string>
#include <utility>

namespace bruto {

// formato: 1 PCM, 2 MS ADPCM, 0x11 IMA ADPCM; amostrasBloco for ADPCM only.
struct FormatoWav {
    unsigned formato, canais, taxa, bits, alinhamento, amostrasBloco;
};
const FormatoWav PCM16 = {1, 1, 22050, 16, 2, 0};

// Each value in its number of bytes, low byte first.
inline void poe(std::string& s, std::initializer_list<std::pair<unsigned, int>> campos)
{
    for (const auto& [valor, bytes] : campos)
        for (int i = 0; i < bytes; ++i)
            s += static_cast<char>((valor >> (8 * i)) & 0xFF);
}

// A chunk: id, length, bytes (no padding byte added).
inline std::string pedaco(std::string id, const std::string& conteudo)
{
    poe(id, {{static_cast<unsigned>(conteudo.size()), 4}});
    return id + conteudo;
}

// A RIFF/WAVE file: an optional chunk before the format chunk (with the ADPCM fields when
// the format is not PCM), then a data chunk of `dados` bytes of a ramp, whose length is
// written as `declarados` when that is not 0.
inline std::string wav(const FormatoWav& f, unsigned dados, const std::string& antes = "",
                       unsigned declarados = 0)
{
    std::string fmt;
    poe(fmt, {{f.formato, 2}, {f.canais, 2}, {f.taxa, 4}, {f.taxa * f.alinhamento, 4},
              {f.alinhamento, 2}, {f.bits, 2}});
    if (f.formato != 1)
        poe(fmt, {{f.formato == 2 ? 32u : 2u, 2}, {f.amostrasBloco, 2}});
    if (f.formato == 2)  // MS ADPCM: the seven standard coefficient pairs
        for (const int c : {7, 256, 0, 512, -256, 0, 0, 192, 64, 240, 0, 460, -208, 392, -232})
            poe(fmt, {{static_cast<unsigned>(c), 2}});
    std::string corpo = "WAVE" + antes + pedaco("fmt ", fmt) + "data";
    poe(corpo, {{declarados != 0 ? declarados : dados, 4}});
    for (unsigned i = 0; i < dados; ++i)
        corpo += static_cast<char>(i % 7 == 0 ? 0 : i * 37);
    return pedaco("RIFF", corpo);
}

// A BMP of the 40-byte header with the given sides and depth, and `pixels` zero bytes.
inline std::string bmp(int largura, int altura, unsigned bits, unsigned compressao,
                       unsigned pixels)
{
    std::string s = "BM";
    poe(s, {{54 + pixels, 4}, {0, 4}, {54, 4}, {40, 4}, {unsigned(largura), 4},
            {unsigned(altura), 4}, {1, 2}, {bits, 2}, {compressao, 4}, {pixels, 4}, {2835, 4},
            {2835, 4}, {0, 4}, {0, 4}});
    return s + std::string(pixels, '\0');
}

}  // namespace bruto

#endif
