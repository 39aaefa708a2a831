// MidiaHostil: little-endian writers for the hostile WAV and BMP files.
#include "tests/apoio/MidiaHostil.h"

namespace hostil {

namespace {

void poe16(std::string& s, unsigned v)
{
    s += static_cast<char>(v & 0xFF);
    s += static_cast<char>((v >> 8) & 0xFF);
}

void poe32(std::string& s, unsigned v)
{
    poe16(s, v & 0xFFFF);
    poe16(s, v >> 16);
}

}  // namespace

std::string pedaco(const std::string& id, const std::string& conteudo)
{
    std::string s = id;
    poe32(s, static_cast<unsigned>(conteudo.size()));
    return s + conteudo;
}

std::string wav(const FormatoWav& f, unsigned dados, const std::string& antes,
                unsigned dadosDeclarados)
{
    std::string fmt;
    poe16(fmt, f.formato);
    poe16(fmt, f.canais);
    poe32(fmt, f.taxa);
    poe32(fmt, f.taxa * f.alinhamento);
    poe16(fmt, f.alinhamento);
    poe16(fmt, f.bits);
    if (f.formato != 1) {
        const bool ms = f.formato == 2;
        poe16(fmt, ms ? 32 : 2);
        poe16(fmt, f.amostrasBloco);
        if (ms) {
            // The seven standard coefficient pairs.
            const int coeficientes[] = {256, 0,   512, -256, 0,   0,    192,
                                        64,  240, 0,   460,  -208, 392, -232};
            poe16(fmt, 7);
            for (const int c : coeficientes)
                poe16(fmt, static_cast<unsigned>(c) & 0xFFFF);
        }
    }
    std::string amostras;
    for (unsigned i = 0; i < dados; ++i)
        amostras += static_cast<char>(i % 7 == 0 ? 0 : i * 37);
    std::string corpo = "WAVE" + antes + pedaco("fmt ", fmt) + "data";
    poe32(corpo, dadosDeclarados != 0 ? dadosDeclarados : dados);
    corpo += amostras;
    std::string s = "RIFF";
    poe32(s, static_cast<unsigned>(corpo.size()));
    return s + corpo;
}

std::string bmp(int largura, int altura, unsigned bits, unsigned compressao, unsigned pixels)
{
    const unsigned CABECALHOS = 14 + 40;
    std::string s = "BM";
    poe32(s, CABECALHOS + pixels);
    poe32(s, 0);
    poe32(s, CABECALHOS);
    poe32(s, 40);
    poe32(s, static_cast<unsigned>(largura));
    poe32(s, static_cast<unsigned>(altura));
    poe16(s, 1);
    poe16(s, bits);
    poe32(s, compressao);
    poe32(s, pixels);
    poe32(s, 2835);
    poe32(s, 2835);
    poe32(s, 0);
    poe32(s, 0);
    return s + std::string(pixels, '\0');
}

}  // namespace hostil
