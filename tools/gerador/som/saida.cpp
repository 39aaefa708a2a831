// Asset generator: the RIFF WAVE writer and the Ogg Vorbis encoder wrapper.
// Depends on saida.h, libvorbisenc, libvorbis, libogg and C standard I/O.
#include "tools/gerador/som/saida.h"

#include <ogg/ogg.h>
#include <vorbis/vorbisenc.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <memory>

namespace {

constexpr int BITS_POR_AMOSTRA = 16;
constexpr float MAXIMO_16 = 32767.0f;
constexpr uint16_t FORMATO_PCM = 1;
constexpr uint32_t TAMANHO_FMT = 16;
// RIFF size field counts everything after itself: "WAVE", the fmt chunk and the data header.
constexpr uint32_t CABECALHO_APOS_RIFF = 4 + (8 + TAMANHO_FMT) + 8;
// Any fixed value will do; a random one (libvorbis examples use rand()) would make every run
// write different bytes.
constexpr int SERIE_OGG = 0x436F7276;
constexpr int QUADROS_POR_BLOCO = 1024;

struct FechaArquivo {
    void operator()(std::FILE* f) const { std::fclose(f); }
};
using Arquivo = std::unique_ptr<std::FILE, FechaArquivo>;

void poe16(std::vector<unsigned char>& b, uint16_t v)
{
    b.push_back(static_cast<unsigned char>(v & 0xFF));
    b.push_back(static_cast<unsigned char>(v >> 8));
}

void poe32(std::vector<unsigned char>& b, uint32_t v)
{
    for (int i = 0; i < 4; ++i)
        b.push_back(static_cast<unsigned char>((v >> (8 * i)) & 0xFF));
}

void poeTexto(std::vector<unsigned char>& b, const char* quatro)
{
    b.insert(b.end(), quatro, quatro + 4);
}

bool gravaTudo(const std::string& caminho, const std::vector<unsigned char>& bytes,
               std::string& erro)
{
    Arquivo f(std::fopen(caminho.c_str(), "wb"));
    if (!f) {
        erro = "incapaz de criar " + caminho;
        return false;
    }
    if (std::fwrite(bytes.data(), 1, bytes.size(), f.get()) != bytes.size()) {
        erro = "incapaz de escrever " + caminho;
        return false;
    }
    // A full disk may only show up when the buffered tail is flushed.
    if (std::fclose(f.release()) != 0) {
        erro = "incapaz de escrever " + caminho;
        return false;
    }
    return true;
}

bool gravaPaginas(std::FILE* f, ogg_stream_state& os, bool forcar)
{
    ogg_page pagina;
    while (forcar ? ogg_stream_flush(&os, &pagina) : ogg_stream_pageout(&os, &pagina)) {
        if (std::fwrite(pagina.header, 1, pagina.header_len, f) != size_t(pagina.header_len) ||
            std::fwrite(pagina.body, 1, pagina.body_len, f) != size_t(pagina.body_len))
            return false;
    }
    return true;
}

// libvorbis' structures need their clear calls in reverse order of init; this holds them.
struct Codificador {
    vorbis_info info;
    vorbis_comment comentario;
    vorbis_dsp_state dsp;
    vorbis_block bloco;
    ogg_stream_state fluxo;
    bool iniciado = false;

    Codificador()
    {
        vorbis_info_init(&info);
        vorbis_comment_init(&comentario);
    }
    ~Codificador()
    {
        if (iniciado) {
            ogg_stream_clear(&fluxo);
            vorbis_block_clear(&bloco);
            vorbis_dsp_clear(&dsp);
        }
        vorbis_comment_clear(&comentario);
        vorbis_info_clear(&info);
    }
};

// Hands blocks that are ready to the stream and writes finished pages.
bool escoa(Codificador& c, std::FILE* f)
{
    ogg_packet pacote;
    while (vorbis_analysis_blockout(&c.dsp, &c.bloco) == 1) {
        vorbis_analysis(&c.bloco, nullptr);
        vorbis_bitrate_addblock(&c.bloco);
        while (vorbis_bitrate_flushpacket(&c.dsp, &pacote)) {
            ogg_stream_packetin(&c.fluxo, &pacote);
            if (!gravaPaginas(f, c.fluxo, false))
                return false;
        }
    }
    return true;
}

}  // namespace

bool gravaWav(const std::string& caminho, const std::vector<float>& amostras, int canais, int taxa,
              std::string& erro)
{
    if (canais != 1 && canais != 2) {
        erro = "numero de canais invalido";
        return false;
    }
    const uint32_t bytesDados = static_cast<uint32_t>(amostras.size() * sizeof(int16_t));
    const uint16_t alinhamento = static_cast<uint16_t>(canais * BITS_POR_AMOSTRA / 8);
    std::vector<unsigned char> b;
    b.reserve(CABECALHO_APOS_RIFF + 8 + bytesDados);
    poeTexto(b, "RIFF");
    poe32(b, CABECALHO_APOS_RIFF + bytesDados);
    poeTexto(b, "WAVE");
    poeTexto(b, "fmt ");
    poe32(b, TAMANHO_FMT);
    poe16(b, FORMATO_PCM);
    poe16(b, static_cast<uint16_t>(canais));
    poe32(b, static_cast<uint32_t>(taxa));
    poe32(b, static_cast<uint32_t>(taxa) * alinhamento);
    poe16(b, alinhamento);
    poe16(b, BITS_POR_AMOSTRA);
    poeTexto(b, "data");
    poe32(b, bytesDados);
    for (float a : amostras) {
        const long v = std::lround(std::clamp(a, -1.0f, 1.0f) * MAXIMO_16);
        poe16(b, static_cast<uint16_t>(static_cast<int16_t>(v)));
    }
    return gravaTudo(caminho, b, erro);
}

bool gravaOgg(const std::string& caminho, const std::vector<float>& amostras, int canais, int taxa,
              float qualidade, const std::string& titulo, std::string& erro)
{
    if (canais != 1 && canais != 2) {
        erro = "numero de canais invalido";
        return false;
    }
    Arquivo f(std::fopen(caminho.c_str(), "wb"));
    if (!f) {
        erro = "incapaz de criar " + caminho;
        return false;
    }
    Codificador c;
    if (vorbis_encode_init_vbr(&c.info, canais, taxa, qualidade) != 0) {
        erro = "libvorbis recusou o formato";
        return false;
    }
    vorbis_comment_add_tag(&c.comentario, "TITLE", titulo.c_str());
    vorbis_comment_add_tag(&c.comentario, "ARTIST", "Corvela");
    vorbis_analysis_init(&c.dsp, &c.info);
    vorbis_block_init(&c.dsp, &c.bloco);
    ogg_stream_init(&c.fluxo, SERIE_OGG);
    c.iniciado = true;

    ogg_packet cabecalho, comentarios, livro;
    vorbis_analysis_headerout(&c.dsp, &c.comentario, &cabecalho, &comentarios, &livro);
    ogg_stream_packetin(&c.fluxo, &cabecalho);
    ogg_stream_packetin(&c.fluxo, &comentarios);
    ogg_stream_packetin(&c.fluxo, &livro);
    // The headers must sit on pages of their own, before any audio.
    bool ok = gravaPaginas(f.get(), c.fluxo, true);

    const size_t quadros = amostras.size() / canais;
    for (size_t inicio = 0; ok && inicio < quadros; inicio += QUADROS_POR_BLOCO) {
        const int n = static_cast<int>(std::min<size_t>(QUADROS_POR_BLOCO, quadros - inicio));
        float** buffer = vorbis_analysis_buffer(&c.dsp, n);
        for (int k = 0; k < n; ++k) {
            for (int ch = 0; ch < canais; ++ch)
                buffer[ch][k] = amostras[(inicio + k) * canais + ch];
        }
        vorbis_analysis_wrote(&c.dsp, n);
        ok = escoa(c, f.get());
    }
    vorbis_analysis_wrote(&c.dsp, 0);
    ok = ok && escoa(c, f.get()) && gravaPaginas(f.get(), c.fluxo, true);
    ok = std::fclose(f.release()) == 0 && ok;
    if (!ok)
        erro = "incapaz de escrever " + caminho;
    return ok;
}
