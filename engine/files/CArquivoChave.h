// CArquivoChave: a line file whose lines may hold "key = value" pairs among comments and any
// other text. Depends on CArquivo.
#ifndef CZORVO_CARQUIVOCHAVE_H
#define CZORVO_CARQUIVOCHAVE_H

#include <string>

#include "engine/files/CArquivo.h"

// Lookups and key navigation see only key lines; every other line rides along untouched, so
// an edited file keeps its comments, spacing and order. Keys compare byte for byte and the
// first matching key line wins. A blank byte is one from 0x00 to 0x20 (controls and the
// space); bytes from 0x80 up are text, so UTF-8 and Latin-1 keys and values read whole.
class CArquivoChave : public CArquivo {
public:
    static constexpr char COMENTARIO_INICIAL = '#';
    static constexpr char SEPARADOR_INICIAL = '=';

    CArquivoChave();

    // Ignored when c is blank, 0x80 or above (a piece of a UTF-8 character), or equal to
    // the separator (comment character).
    void defComentario(char c);
    void defSeparador(char c);
    char retornaComentario() const { return comentario; }
    char retornaSeparador() const { return separador; }

    // Trims blank bytes from both ends of *texto, in place.
    static void cerne(std::string* texto);
    // True when linha is a key line; only then writes the trimmed key and value through the
    // pointers that are not null. The value may hold separators and comment characters.
    bool validaEstruturaLinha(const std::string& linha, std::string* chave,
                              std::string* valor) const;

    // Key and value of the current line; "" when it is not a key line.
    std::string chave() const;
    std::string valor() const;
    // Replace the key (value) in the current key line, keeping every other byte of it. The
    // new value is written untrimmed; trailing blanks after the old value are dropped.
    void alteraChave(const std::string& chave);
    void alteraValor(const std::string& valor);

    // After primeiraChave/proximaChave, fda() says no (further) key line exists; after
    // ultimaChave/anteriorChave, ida() says no earlier one does.
    void primeiraChave();
    void ultimaChave();
    void proximaChave();
    void anteriorChave();

    // Value of the first key line with chave, leaving the cursor on it; "" when absent (the
    // cursor then rests on the last line with fda() set).
    std::string valor(const std::string& chave);
    // Sets the value of the first key line with chave, or appends "chave = valor".
    void valor(const std::string& chave, const std::string& valor);
    // Appends "prefixo chave separador valor" with single spaces around the separator;
    // nothing when chave trims to "" or the file is closed.
    void novaChave(const std::string& chave, const std::string& valor);
    void novaChave(const std::string& prefixo, const std::string& chave,
                   const std::string& valor);
    // Deletes the first key line with chave only; the next line becomes current.
    void apagaChave(const std::string& chave);

private:
    static bool branco(char c) { return static_cast<unsigned char>(c) <= ULTIMO_BRANCO; }
    // A marker must be a visible ASCII byte.
    static bool marcador(char c) { return !branco(c) && static_cast<unsigned char>(c) < 0x80; }
    static constexpr unsigned char ULTIMO_BRANCO = 0x20;

    bool linhaChave() const { return validaEstruturaLinha(linha(), nullptr, nullptr); }
    // Scans from the first line for a key line with the (already trimmed) key; true with
    // the cursor on it, false with the cursor left where the scan ended.
    bool procuraChave(const std::string& chaveAparada);

    char comentario;
    char separador;
};

#endif
