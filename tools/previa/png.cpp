// PNG writer: signature, IHDR, one zlib-compressed IDAT, IEND.
#include "png.h"

#include <zlib.h>

#include "engine/media/pixela.h"

#include <cstdio>
#include <vector>

namespace {

void poe32(std::vector<unsigned char>& v, uLong x)
{
    v.push_back((x >> 24) & 0xFF);
    v.push_back((x >> 16) & 0xFF);
    v.push_back((x >> 8) & 0xFF);
    v.push_back(x & 0xFF);
}

void bloco(std::FILE* f, const char* tipo, const std::vector<unsigned char>& dados)
{
    std::vector<unsigned char> v;
    poe32(v, dados.size());
    v.insert(v.end(), tipo, tipo + 4);
    v.insert(v.end(), dados.begin(), dados.end());
    // The CRC covers the chunk type and its data, not the length.
    poe32(v, crc32(0, v.data() + 4, static_cast<uInt>(dados.size() + 4)));
    std::fwrite(v.data(), 1, v.size(), f);
}

// The rows of `cru` each begin with their filter byte; tipoCor is PNG's colour type.
bool escreve(const std::string& caminho, int largura, int altura, unsigned char tipoCor,
             const std::vector<unsigned char>& cru)
{
    uLongf tamanho = compressBound(cru.size());
    std::vector<unsigned char> comprimido(tamanho);
    if (compress2(comprimido.data(), &tamanho, cru.data(), cru.size(), Z_BEST_COMPRESSION) != Z_OK)
        return false;
    comprimido.resize(tamanho);

    std::FILE* f = std::fopen(caminho.c_str(), "wb");
    if (f == nullptr)
        return false;
    static const unsigned char ASSINATURA[] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    std::fwrite(ASSINATURA, 1, sizeof ASSINATURA, f);
    std::vector<unsigned char> cabecalho;
    poe32(cabecalho, largura);
    poe32(cabecalho, altura);
    cabecalho.insert(cabecalho.end(), {8, tipoCor, 0, 0, 0});  // 8 bits, deflate, no interlace
    bloco(f, "IHDR", cabecalho);
    bloco(f, "IDAT", comprimido);
    bloco(f, "IEND", {});
    return std::fclose(f) == 0;
}

}  // namespace

bool salvaPng(SDL_Surface* s, const std::string& caminho, int escala)
{
    const int largura = s->w * escala;
    const int altura = s->h * escala;
    std::vector<unsigned char> cru;
    cru.reserve(static_cast<size_t>(altura) * (largura * 3 + 1));
    for (int y = 0; y < altura; ++y) {
        cru.push_back(0);  // no filter
        for (int x = 0; x < largura; ++x) {
            Uint8 r, g, b;
            SDL_GetRGB(pixela(s, x / escala, y / escala), s->format, &r, &g, &b);
            cru.push_back(r);
            cru.push_back(g);
            cru.push_back(b);
        }
    }
    return escreve(caminho, largura, altura, 2, cru);
}

bool salvaPngRgba(int largura, int altura, const std::vector<unsigned char>& rgba,
                  const std::string& caminho)
{
    const size_t linha = static_cast<size_t>(largura) * 4;
    if (rgba.size() != linha * altura)
        return false;
    std::vector<unsigned char> cru;
    cru.reserve(static_cast<size_t>(altura) * (linha + 1));
    for (int y = 0; y < altura; ++y) {
        cru.push_back(0);
        cru.insert(cru.end(), rgba.begin() + y * linha, rgba.begin() + (y + 1) * linha);
    }
    return escreve(caminho, largura, altura, 6, cru);
}
