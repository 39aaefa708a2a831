// CFonteBitmap: the .fon reader (DOS stub, NE resource table, FNT header, character table,
// column-major glyph bitmaps) and the drawing of a text line from the glyphs.
#include "engine/media/CFonteBitmap.h"

#include <cstdio>

namespace {

// DOS stub and NE header.
const size_t MZ_POSICAO_NE = 0x3C;
const size_t NE_TABELA_RECURSOS = 0x24;
const unsigned TIPO_FONT = 0x8008;
const size_t TIPO_CABECALHO = 8;    // type id, count, reserved
const size_t RECURSO_ENTRADA = 12;  // offset, length, flags, id, handle, usage
const unsigned DESLOCAMENTO_MAXIMO = 16;

// FNT header fields and character tables.
const unsigned VERSAO_2 = 0x0200;
const unsigned VERSAO_3 = 0x0300;
const size_t FNT_ALTURA = 0x58;
const size_t FNT_PRIMEIRO = 0x5F;
const size_t FNT_ULTIMO = 0x60;
const size_t FNT_PADRAO = 0x61;
const size_t TABELA_V2 = 118;
const size_t TABELA_V3 = 148;
const size_t ENTRADA_V2 = 4;  // width, 16-bit offset
const size_t ENTRADA_V3 = 6;  // width, 32-bit offset

const Uint32 MASCARA_R = 0x000000FF;
const Uint32 MASCARA_G = 0x0000FF00;
const Uint32 MASCARA_B = 0x00FF0000;
const Uint32 MASCARA_A = 0xFF000000;

unsigned u16(const unsigned char* p)
{
    return p[0] | (p[1] << 8);
}

Uint32 u32(const unsigned char* p)
{
    return u16(p) | (static_cast<Uint32>(u16(p + 2)) << 16);
}

// Whether [inicio, inicio + n) lies inside a buffer of `tamanho` bytes.
bool dentro(size_t inicio, size_t n, size_t tamanho)
{
    return inicio <= tamanho && n <= tamanho - inicio;
}

}  // namespace

CFonteBitmap::CFonteBitmap() : altura(0), primeiro(0), padrao(0)
{
    nomeClasse = "CFonteBitmap";
}

bool CFonteBitmap::carrega(const std::string& arquivo)
{
    glifos.clear();
    std::FILE* f = std::fopen(arquivo.c_str(), "rb");
    if (f == nullptr)
        return false;
    std::vector<unsigned char> dados;
    unsigned char bloco[4096];
    size_t lidos;
    while ((lidos = std::fread(bloco, 1, sizeof bloco, f)) > 0)
        dados.insert(dados.end(), bloco, bloco + lidos);
    const bool erro = std::ferror(f) != 0;
    std::fclose(f);
    return !erro && carrega(dados);
}

bool CFonteBitmap::carrega(const std::vector<unsigned char>& dados)
{
    glifos.clear();
    const unsigned char* d = dados.data();
    const size_t n = dados.size();
    if (!dentro(0, MZ_POSICAO_NE + 4, n) || d[0] != 'M' || d[1] != 'Z')
        return false;
    const size_t ne = u32(d + MZ_POSICAO_NE);
    if (!dentro(ne, NE_TABELA_RECURSOS + 2, n) || d[ne] != 'N' || d[ne + 1] != 'E')
        return false;
    size_t p = ne + u16(d + ne + NE_TABELA_RECURSOS);
    if (!dentro(p, 2, n))
        return false;
    const unsigned deslocamento = u16(d + p);
    if (deslocamento > DESLOCAMENTO_MAXIMO)
        return false;
    p += 2;
    // The first FONT resource: the face FreeType opens as face 0.
    while (dentro(p, TIPO_CABECALHO, n) && u16(d + p) != 0) {
        const unsigned tipo = u16(d + p);
        const unsigned quantos = u16(d + p + 2);
        p += TIPO_CABECALHO;
        if (!dentro(p, quantos * RECURSO_ENTRADA, n))
            return false;
        if (tipo == TIPO_FONT && quantos > 0) {
            const size_t inicio = static_cast<size_t>(u16(d + p)) << deslocamento;
            size_t tamanho = static_cast<size_t>(u16(d + p + 2)) << deslocamento;
            if (inicio > n)
                return false;
            if (tamanho > n - inicio)
                tamanho = n - inicio;  // the last resource's length is rounded up past the end
            return leFnt(d + inicio, tamanho);
        }
        p += quantos * RECURSO_ENTRADA;
    }
    return false;
}

bool CFonteBitmap::leFnt(const unsigned char* fnt, size_t tamanho)
{
    if (!dentro(0, TABELA_V3, tamanho))
        return false;
    const unsigned versao = u16(fnt);
    if (versao != VERSAO_2 && versao != VERSAO_3)
        return false;
    const size_t tabela = versao == VERSAO_2 ? TABELA_V2 : TABELA_V3;
    const size_t entrada = versao == VERSAO_2 ? ENTRADA_V2 : ENTRADA_V3;
    const int alturaFnt = static_cast<int>(u16(fnt + FNT_ALTURA));
    const unsigned char primeiroFnt = fnt[FNT_PRIMEIRO];
    const unsigned char ultimo = fnt[FNT_ULTIMO];
    const unsigned char padraoFnt = fnt[FNT_PADRAO];
    if (alturaFnt <= 0 || ultimo < primeiroFnt || padraoFnt > ultimo - primeiroFnt)
        return false;
    const size_t quantos = static_cast<size_t>(ultimo - primeiroFnt) + 1;
    if (!dentro(tabela, quantos * entrada, tamanho))
        return false;

    std::vector<Glifo> lidos(quantos);
    for (size_t i = 0; i < quantos; ++i) {
        const unsigned char* e = fnt + tabela + i * entrada;
        const int largura = static_cast<int>(u16(e));
        const size_t bits = entrada == ENTRADA_V2 ? u16(e + 2) : u32(e + 2);
        const size_t colunas = (static_cast<size_t>(largura) + 7) / 8;
        if (!dentro(bits, colunas * alturaFnt, tamanho))
            return false;
        lidos[i].largura = largura;
        lidos[i].colunas.assign(fnt + bits, fnt + bits + colunas * alturaFnt);
    }
    altura = alturaFnt;
    primeiro = primeiroFnt;
    padrao = padraoFnt;
    glifos.swap(lidos);
    return true;
}

const CFonteBitmap::Glifo& CFonteBitmap::glifo(unsigned char c) const
{
    if (c < primeiro || c - primeiro >= static_cast<int>(glifos.size()))
        return glifos[padrao];
    return glifos[c - primeiro];
}

int CFonteBitmap::larguraDe(unsigned char c) const
{
    return glifos.empty() ? 0 : glifo(c).largura;
}

SDL_Surface* CFonteBitmap::desenha(const std::string& texto, SDL_Color cor) const
{
    if (glifos.empty())
        return nullptr;
    int largura = 0;
    for (const char c : texto)
        largura += larguraDe(static_cast<unsigned char>(c));
    if (largura == 0)
        return nullptr;

    SDL_Surface* s = SDL_CreateRGBSurface(SDL_SWSURFACE, largura, altura, 32, MASCARA_R,
                                          MASCARA_G, MASCARA_B, MASCARA_A);
    if (s == nullptr)
        return nullptr;
    SDL_SetAlpha(s, SDL_SRCALPHA, SDL_ALPHA_OPAQUE);
    const Uint32 tinta = SDL_MapRGBA(s->format, cor.r, cor.g, cor.b, SDL_ALPHA_OPAQUE);
    const Uint32 vazio = SDL_MapRGBA(s->format, 0, 0, 0, SDL_ALPHA_TRANSPARENT);
    // The browser's surfaces get their pixel memory only while locked.
    SDL_LockSurface(s);
    int x0 = 0;
    for (const char c : texto) {
        const Glifo& g = glifo(static_cast<unsigned char>(c));
        for (int y = 0; y < altura; ++y) {
            Uint32* linha = reinterpret_cast<Uint32*>(static_cast<Uint8*>(s->pixels) + y * s->pitch);
            for (int x = 0; x < g.largura; ++x)
                linha[x0 + x] = aceso(g, x, y) ? tinta : vazio;
        }
        x0 += g.largura;
    }
    SDL_UnlockSurface(s);
    return s;
}
