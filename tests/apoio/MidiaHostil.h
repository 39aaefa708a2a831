// MidiaHostil: hostile media files written on the spot for the tests and the fuzzers' seed
// corpus: WAV files with any format chunk, and BMP headers with any size and depth.
#ifndef CORVELA_TESTES_MIDIAHOSTIL_H
#define CORVELA_TESTES_MIDIAHOSTIL_H

#include <string>

namespace hostil {

struct FormatoWav {
    unsigned formato = 1;  // 1 PCM, 2 MS ADPCM, 0x11 IMA ADPCM
    unsigned canais = 1;
    unsigned taxa = 22050;
    unsigned bits = 16;
    unsigned alinhamento = 2;
    unsigned amostrasBloco = 0;  // ADPCM only
};

// A RIFF/WAVE file: an optional chunk before the format chunk, the format chunk (with the
// ADPCM fields when the format is not PCM), then a data chunk of `dados` bytes of a ramp.
// `dadosDeclarados` other than 0 is written as the data chunk's length instead.
std::string wav(const FormatoWav& f, unsigned dados, const std::string& antes = "",
                unsigned dadosDeclarados = 0);
// A chunk: id, length, bytes (no padding byte added).
std::string pedaco(const std::string& id, const std::string& conteudo);

// A BMP of the 40-byte header with the given sides and depth, its pixels zero (as many
// bytes as `pixels`, not as the header claims).
std::string bmp(int largura, int altura, unsigned bits, unsigned compressao, unsigned pixels);

}  // namespace hostil

#endif
