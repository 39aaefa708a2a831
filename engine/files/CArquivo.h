// CArquivo: a text file held wholly in memory as a list of lines with a cursor.
// Depends on CPaiMestre and the C standard I/O library.
#ifndef CZORVO_CARQUIVO_H
#define CZORVO_CARQUIVO_H

#include <cstddef>
#include <string>
#include <vector>

#include "engine/core/CPaiMestre.h"

// Reads a whole file into lines (split at LF, nothing else special), edits them in memory
// and writes them back only on salvar/salvarComo; no file stays open between calls. Open
// means only "carries a name". Invariant: either no lines, cursor -1 and both edge flags
// set, or the cursor is on an existing line. Never prints; failures are results.
class CArquivo : public CPaiMestre {
public:
    // The largest file abrir reads: 16 MiB. A line file is text to be edited in memory;
    // anything larger is refused rather than read into memory.
    static constexpr std::size_t TAMANHO_MAXIMO = 16u * 1024u * 1024u;

    CArquivo();

    // Discards what was held, then reads nome. k LF bytes give k + 1 lines, so abrir then
    // salvar is byte-exact. Fails, leaving the object closed, when the file cannot be opened
    // or read, is not a regular file (a directory, a device such as /dev/zero, a FIFO: none
    // is waited for), or holds more than TAMANHO_MAXIMO bytes. On success the first line is
    // current.
    bool abrir(const std::string& nome);
    // Open under nome with no lines; the disk is not touched until salvar.
    bool novo(const std::string& nome);
    // Writes the lines joined by LF, no LF after the last. False when closed or the file
    // cannot be created; the lines stay as they are.
    bool salvar();
    // Saves under nome and adopts it; on failure the old name stays.
    bool salvarComo(const std::string& nome);
    // Forgets name and lines without writing anything.
    void fechar();
    // Forgets the lines but stays open under the same name.
    void limpar();

    bool aberto() const { return !nomeArquivo.empty(); }
    std::string nomeArq() const { return nomeArquivo; }
    unsigned int totLinhas() const;

    int posAbsoluta() const { return cursor; }
    // Moves to line indice and clears both flags; false, changing nothing, past the end.
    bool posAbsoluta(unsigned int indice);
    bool primeira();
    bool ultima();
    // On the last line sets fda() instead of moving.
    void proxima();
    // On the first line sets ida() instead of moving.
    void anterior();
    void posRelativa(int passos);
    // Set only by an attempt to step past the last (first) line, or by an empty list.
    bool fda() const { return fimArquivo; }
    bool ida() const { return inicioArquivo; }

    // The current line, or "" when there is none.
    std::string linha() const;
    bool linha(const std::string& texto);
    bool linha(unsigned int indice, const std::string& texto);
    // Copies line indice into *destino; leaves it alone on failure.
    bool linha(unsigned int indice, std::string* destino) const;
    // Appends at the end, never at the cursor; the cursor stays unless the list was empty.
    bool novaLinha(const std::string& texto);
    // Removes a line without shifting the cursor index: the following line becomes current.
    bool apagaLinha(unsigned int indice);
    bool apagaLinha();

protected:
    // Pulls the cursor back onto the list after it grew or shrank.
    void verificaCursor();

private:
    bool temLinha(unsigned int indice) const { return aberto() && indice < linhas.size(); }
    bool leConteudo(const std::string& nome);

    std::vector<std::string> linhas;
    int cursor;
    bool fimArquivo;
    bool inicioArquivo;
    std::string nomeArquivo;
};

#endif
