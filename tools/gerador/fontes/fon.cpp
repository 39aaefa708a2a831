// Asset generator: the .fon writer. A .fon is a resource-only NE (16-bit Windows) library: a
// DOS stub, the NE header and its tables, then a FONTDIR resource (the font's header, for
// installers) and a FONT resource holding the FNT 2.0 raster font itself. Every field is
// little-endian. Depends only on the C++ standard library.
#include "tools/gerador/fontes/fon.h"

#include <cstddef>
#include <cstdint>

namespace {

// --- FNT 2.0 raster font ---
const unsigned VERSAO_FNT = 0x0200;
const std::size_t CABECALHO_FNT = 118;     // header size; the character table follows it
const std::size_t ENTRADA_FNT = 4;         // character table entry: width, bitmap offset
const std::size_t CAMPO_DIREITOS = 60;
const std::size_t CABECALHO_DIRETORIO = 113;  // the header bytes a FONTDIR entry repeats
const unsigned TIPO_RASTER = 0;
const unsigned PONTOS_POR_POLEGADA = 72;
const unsigned RESOLUCAO_DPI = 72;         // so that a point is a pixel
const unsigned PESO_NORMAL = 400;
const unsigned PESO_NEGRITO = 700;
const unsigned CONJUNTO_ANSI = 0;          // Windows-1252 order
const unsigned FAMILIA_MODERNA = 0x30;     // fixed-pitch family; bit 0 clear = fixed pitch
const unsigned LARGURA_MAXIMA = 8;         // one byte per glyph row
const std::size_t TAMANHO_MAXIMO_FNT = 0xFFFF;  // 2.0 offsets are 16-bit

// --- DOS stub, run only if someone starts the file under DOS ---
const std::size_t CABECALHO_MZ = 64;
const std::size_t MZ_POSICAO_NE = 0x3C;
const std::size_t INICIO_NE = 0x80;
const unsigned MZ_PARAGRAFOS_CABECALHO = CABECALHO_MZ / 16;
const unsigned MZ_PAGINA = 512;
const unsigned MZ_PILHA = 0xB8;
const unsigned MZ_MEMORIA_MAXIMA = 0xFFFF;
// push cs; pop ds; mov dx, 000Eh; mov ah, 09h; int 21h; mov ax, 4C01h; int 21h
const unsigned char STUB_CODIGO[] = {0x0E, 0x1F, 0xBA, 0x0E, 0x00, 0xB4, 0x09,
                                     0xCD, 0x21, 0xB8, 0x01, 0x4C, 0xCD, 0x21};
const char STUB_MENSAGEM[] = "This is a Windows font file.\r\n$";

// --- NE header: field offsets from its start ---
const std::size_t CABECALHO_NE = 64;
const std::size_t NE_ASSINATURA = 0x00;
const std::size_t NE_VERSAO = 0x02;
const std::size_t NE_TABELA_ENTRADAS = 0x04;
const std::size_t NE_TAMANHO_ENTRADAS = 0x06;
const std::size_t NE_FLAGS = 0x0C;
const std::size_t NE_TAMANHO_NAO_RESIDENTES = 0x20;
const std::size_t NE_TABELA_SEGMENTOS = 0x22;
const std::size_t NE_TABELA_RECURSOS = 0x24;
const std::size_t NE_NOMES_RESIDENTES = 0x26;
const std::size_t NE_TABELA_MODULOS = 0x28;
const std::size_t NE_NOMES_IMPORTADOS = 0x2A;
const std::size_t NE_NOMES_NAO_RESIDENTES = 0x2C;  // from the start of the file
const std::size_t NE_SISTEMA = 0x36;
const std::size_t NE_VERSAO_WINDOWS = 0x3E;
const unsigned NE_VERSAO_LIGADOR = 5;
const unsigned TAMANHO_TABELA_ENTRADAS = 2;
const unsigned NE_BIBLIOTECA = 0x8000;     // a library with no data segment
const unsigned NE_SISTEMA_WINDOWS = 2;
const unsigned NE_WINDOWS_ESPERADO = 0x0300;

// --- resources ---
const unsigned DESLOCAMENTO_RECURSOS = 4;  // resource offsets and sizes count 16-byte units
const std::size_t UNIDADE_RECURSOS = std::size_t{1} << DESLOCAMENTO_RECURSOS;
const unsigned TIPO_FONTDIR = 0x8007;
const unsigned TIPO_FONT = 0x8008;
const unsigned ID_FONTE = 1;
const unsigned ID_NUMERICO = 0x8000;
const unsigned RECURSO_MOVEL = 0x0010;
const unsigned RECURSO_PURO = 0x0020;
const unsigned RECURSO_PRECARREGADO = 0x0040;
const unsigned RECURSO_DESCARTAVEL = 0x1000;
// A resource entry: offset, length, flags, id, two reserved words.
const std::size_t RECURSO_COMPRIMENTO = 2;
const std::size_t RECURSO_ID = 6;
const char NOME_FONTDIR[] = "FONTDIR";
const std::size_t NOME_MAXIMO = 0xFF;      // NE names carry a one-byte length

// A growing little-endian byte buffer with back-patching.
class Bytes {
public:
    std::size_t tamanho() const { return dados.size(); }
    void u8(unsigned v) { dados.push_back(static_cast<unsigned char>(v & 0xFF)); }
    void u16(unsigned v)
    {
        u8(v);
        u8(v >> 8);
    }
    void u32(std::uint32_t v)
    {
        u16(v & 0xFFFF);
        u16(v >> 16);
    }
    void poe8(std::size_t pos, unsigned v) { dados[pos] = static_cast<unsigned char>(v & 0xFF); }
    void poe16(std::size_t pos, unsigned v)
    {
        dados[pos] = static_cast<unsigned char>(v & 0xFF);
        dados[pos + 1] = static_cast<unsigned char>((v >> 8) & 0xFF);
    }
    void poe32(std::size_t pos, std::uint32_t v)
    {
        poe16(pos, v & 0xFFFF);
        poe16(pos + 2, v >> 16);
    }
    void zeros(std::size_t n) { dados.insert(dados.end(), n, 0); }
    void alinha(std::size_t unidade) { zeros((unidade - tamanho() % unidade) % unidade); }
    void bytes(const unsigned char* p, std::size_t n) { dados.insert(dados.end(), p, p + n); }
    // NUL-terminated.
    void cadeia(const std::string& s)
    {
        bytes(reinterpret_cast<const unsigned char*>(s.data()), s.size());
        u8(0);
    }
    // Length-prefixed, as NE name tables keep names.
    void pascal(const std::string& s)
    {
        u8(static_cast<unsigned>(s.size()));
        bytes(reinterpret_cast<const unsigned char*>(s.data()), s.size());
    }
    // A fixed-size text field, NUL-padded, always NUL-terminated.
    void campo(const std::string& s, std::size_t tamanhoCampo)
    {
        const std::size_t n = s.size() < tamanhoCampo ? s.size() : tamanhoCampo - 1;
        bytes(reinterpret_cast<const unsigned char*>(s.data()), n);
        zeros(tamanhoCampo - n);
    }

    std::vector<unsigned char> dados;
};

bool cabe(const FonteCelulas& f)
{
    const std::size_t n = f.glifos.size();
    if (f.largura < 1 || f.largura > static_cast<int>(LARGURA_MAXIMA) || f.altura < 1 ||
        f.ascendente < 0 || f.ascendente > f.altura || n == 0 || f.primeiro + n - 1 > 0xFF ||
        f.nome.size() > NOME_MAXIMO || f.descricao.size() > NOME_MAXIMO)
        return false;
    for (const auto& glifo : f.glifos) {
        if (glifo.size() != static_cast<std::size_t>(f.altura))
            return false;
    }
    const unsigned ultimo = f.primeiro + static_cast<unsigned>(n) - 1;
    return f.padrao >= f.primeiro && f.padrao <= ultimo && ' ' >= f.primeiro && ' ' <= ultimo;
}

// The FNT resource: header, character table, bitmaps, face name.
std::vector<unsigned char> montaFnt(const FonteCelulas& f)
{
    const unsigned n = static_cast<unsigned>(f.glifos.size());
    const unsigned altura = static_cast<unsigned>(f.altura);
    const unsigned largura = static_cast<unsigned>(f.largura);
    const unsigned entradas = n + 1;  // plus the blank "absolute space" glyph that ends the table
    const unsigned inicioBits = static_cast<unsigned>(CABECALHO_FNT + entradas * ENTRADA_FNT);
    const unsigned inicioNome = inicioBits + entradas * altura;
    const unsigned total = inicioNome + static_cast<unsigned>(f.nome.size()) + 1;
    // SDL_ttf asks FreeType for the strike with the cell width as its pixel height, and
    // FreeType grants it only when that equals the em, points * resolution / 72. So the em
    // is the cell width.
    const unsigned em = largura;
    const unsigned pontos = em * PONTOS_POR_POLEGADA / RESOLUCAO_DPI;

    Bytes b;
    b.u16(VERSAO_FNT);
    b.u32(total);
    b.campo(f.direitos, CAMPO_DIREITOS);
    b.u16(TIPO_RASTER);
    b.u16(pontos);
    b.u16(RESOLUCAO_DPI);  // vertical
    b.u16(RESOLUCAO_DPI);  // horizontal
    b.u16(static_cast<unsigned>(f.ascendente));
    b.u16(altura > em ? altura - em : 0);  // internal leading: the cell above the em
    b.u16(0);                              // external leading
    b.u8(0);                               // italic
    b.u8(0);                               // underline
    b.u8(0);                               // strike-out
    b.u16(f.negrito ? PESO_NEGRITO : PESO_NORMAL);
    b.u8(CONJUNTO_ANSI);
    b.u16(largura);  // pixel width: set only for fixed-pitch fonts
    b.u16(altura);
    b.u8(FAMILIA_MODERNA);
    b.u16(largura);  // average width
    b.u16(largura);  // maximum width
    b.u8(f.primeiro);
    b.u8(f.primeiro + n - 1);
    b.u8(f.padrao - f.primeiro);  // default and break characters count from the first one
    b.u8(' ' - f.primeiro);
    // Bytes in a row of all the glyphs side by side (one each), kept even.
    b.u16((entradas + 1) / 2 * 2);
    b.u32(0);  // no device name
    b.u32(inicioNome);
    b.u32(0);  // bits pointer, filled in by Windows on load
    b.u32(inicioBits);
    b.u8(0);
    for (unsigned i = 0; i < entradas; ++i) {
        b.u16(largura);
        b.u16(inicioBits + i * altura);
    }
    for (const auto& glifo : f.glifos)
        b.bytes(glifo.data(), glifo.size());
    b.zeros(altura);
    b.cadeia(f.nome);
    return b.dados;
}

// The FONTDIR resource: how many fonts, then each one's ordinal, the first bytes of its
// header, its device name and its face name.
std::vector<unsigned char> montaDiretorio(const std::vector<unsigned char>& fnt,
                                          const std::string& nome)
{
    Bytes b;
    b.u16(1);
    b.u16(ID_FONTE);
    b.bytes(fnt.data(), CABECALHO_DIRETORIO);
    b.cadeia("");
    b.cadeia(nome);
    return b.dados;
}

void escreveStubDos(Bytes& b)
{
    b.u8('M');
    b.u8('Z');
    b.u16(INICIO_NE % MZ_PAGINA);       // bytes in the last page
    b.u16((INICIO_NE + MZ_PAGINA - 1) / MZ_PAGINA);  // pages
    b.u16(0);                           // relocations
    b.u16(MZ_PARAGRAFOS_CABECALHO);
    b.u16(0);                           // minimum extra paragraphs
    b.u16(MZ_MEMORIA_MAXIMA);           // maximum extra paragraphs
    b.u16(0);                           // SS
    b.u16(MZ_PILHA);                    // SP
    b.u16(0);                           // checksum
    b.u16(0);                           // IP
    b.u16(0);                           // CS
    b.u16(CABECALHO_MZ);                // relocation table (empty)
    b.zeros(MZ_POSICAO_NE - b.tamanho());
    b.u32(INICIO_NE);
    b.bytes(STUB_CODIGO, sizeof STUB_CODIGO);
    b.bytes(reinterpret_cast<const unsigned char*>(STUB_MENSAGEM), sizeof STUB_MENSAGEM - 1);
    b.zeros(INICIO_NE - b.tamanho());
}

// One resource type with a single resource; returns where its offset field is, to patch.
std::size_t escreveTipo(Bytes& b, unsigned tipo, unsigned flags, unsigned id)
{
    b.u16(tipo);
    b.u16(1);
    b.u32(0);
    const std::size_t campo = b.tamanho();
    b.u16(0);  // offset, patched
    b.u16(0);  // length, patched
    b.u16(flags);
    b.u16(id);
    b.u32(0);
    return campo;
}

void colocaRecurso(Bytes& b, std::size_t campo, const std::vector<unsigned char>& recurso)
{
    b.alinha(UNIDADE_RECURSOS);
    b.poe16(campo, static_cast<unsigned>(b.tamanho() >> DESLOCAMENTO_RECURSOS));
    const std::size_t unidades = (recurso.size() + UNIDADE_RECURSOS - 1) / UNIDADE_RECURSOS;
    b.poe16(campo + RECURSO_COMPRIMENTO, static_cast<unsigned>(unidades));
    b.bytes(recurso.data(), recurso.size());
}

struct CamposRecursos {
    std::size_t diretorio;
    std::size_t fonte;
};

// The NE header and its tables, which follow it in the order the format lists them. The
// header is mostly zeros (no code, data, stack or imports); each table's offset is filled
// in as the table is written. Returns where the two resources' offsets are to be patched.
CamposRecursos escreveNe(Bytes& b, const FonteCelulas& fonte)
{
    auto relativo = [&b]() { return static_cast<unsigned>(b.tamanho() - INICIO_NE); };
    b.zeros(CABECALHO_NE);
    b.poe8(INICIO_NE + NE_ASSINATURA, 'N');
    b.poe8(INICIO_NE + NE_ASSINATURA + 1, 'E');
    b.poe8(INICIO_NE + NE_VERSAO, NE_VERSAO_LIGADOR);
    b.poe16(INICIO_NE + NE_FLAGS, NE_BIBLIOTECA);
    b.poe8(INICIO_NE + NE_SISTEMA, NE_SISTEMA_WINDOWS);
    b.poe16(INICIO_NE + NE_VERSAO_WINDOWS, NE_WINDOWS_ESPERADO);

    b.poe16(INICIO_NE + NE_TABELA_SEGMENTOS, relativo());  // no segments
    b.poe16(INICIO_NE + NE_TABELA_RECURSOS, relativo());
    const std::size_t inicioRecursos = b.tamanho();
    b.u16(DESLOCAMENTO_RECURSOS);
    // The FONTDIR is named (its id, patched below, points at the name after the types);
    // the font has a numeric id.
    CamposRecursos campos;
    campos.diretorio = escreveTipo(b, TIPO_FONTDIR,
                                   RECURSO_MOVEL | RECURSO_PURO | RECURSO_PRECARREGADO, 0);
    campos.fonte = escreveTipo(b, TIPO_FONT, RECURSO_MOVEL | RECURSO_PURO | RECURSO_DESCARTAVEL,
                               ID_NUMERICO | ID_FONTE);
    b.u16(0);
    b.poe16(campos.diretorio + RECURSO_ID, static_cast<unsigned>(b.tamanho() - inicioRecursos));
    b.pascal(NOME_FONTDIR);
    b.u8(0);

    b.poe16(INICIO_NE + NE_NOMES_RESIDENTES, relativo());
    b.pascal(fonte.nome);  // module name, ordinal 0
    b.u16(0);
    b.u8(0);
    b.poe16(INICIO_NE + NE_TABELA_MODULOS, relativo());  // no module references
    b.poe16(INICIO_NE + NE_NOMES_IMPORTADOS, relativo());
    b.u8(0);  // no imports: just the empty name
    b.poe16(INICIO_NE + NE_TABELA_ENTRADAS, relativo());
    b.zeros(TAMANHO_TABELA_ENTRADAS);  // no entry points: just the closing empty bundle
    b.poe16(INICIO_NE + NE_TAMANHO_ENTRADAS, TAMANHO_TABELA_ENTRADAS);
    b.poe32(INICIO_NE + NE_NOMES_NAO_RESIDENTES, static_cast<std::uint32_t>(b.tamanho()));
    const std::size_t inicioNaoResidentes = b.tamanho();
    b.pascal(fonte.descricao);  // module description, ordinal 0
    b.u16(0);
    b.u8(0);
    b.poe16(INICIO_NE + NE_TAMANHO_NAO_RESIDENTES,
            static_cast<unsigned>(b.tamanho() - inicioNaoResidentes));
    return campos;
}

}  // namespace

std::vector<unsigned char> montaFon(const FonteCelulas& fonte)
{
    if (!cabe(fonte))
        return {};
    const std::vector<unsigned char> fnt = montaFnt(fonte);
    if (fnt.size() > TAMANHO_MAXIMO_FNT)
        return {};
    Bytes b;
    escreveStubDos(b);
    const CamposRecursos campos = escreveNe(b, fonte);
    colocaRecurso(b, campos.diretorio, montaDiretorio(fnt, fonte.nome));
    colocaRecurso(b, campos.fonte, fnt);
    b.alinha(UNIDADE_RECURSOS);
    return b.dados;
}
