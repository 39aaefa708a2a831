// CEvento: the input service. Drains SDL's event queue once per frame into the states of
// the logical keys that modules query. Depends on SDL, CTecla; the settings loaders take a
// CArquivoChave (engine/files).
#ifndef CZORVO_CEVENTO_H
#define CZORVO_CEVENTO_H

#include <string>
#include <vector>

#include "engine/core/CPaiMestre.h"
#include "engine/core/CTecla.h"

class CArquivoChave;

// Owns the bindings, in insertion order. Several SDL keys may share a logical number; a
// query answers for any of them.
class CEvento : public CPaiMestre {
public:
    // The queries walk the bindings with an 8-bit index, so the list never grows past this.
    static constexpr unsigned MAX_TECLAS = 255;

    CEvento();
    ~CEvento();

    // Appends a binding with cleared states; no duplicate check. Returns false, adding
    // nothing, once the list holds MAX_TECLAS bindings.
    bool adicionaTecla(unsigned char codInt, int codSDL);
    // Replaces every binding with the six defaults: arrows, left Ctrl and Escape.
    void carregaConfigTeclasPadrao();
    bool verificaConfigTeclas() const;

    // Replace every binding with those of a key bindings file, one per key line in file
    // order (key: logical number, value: SDL key). The copy taken is the loader's own.
    bool carregaConfigTeclas(CArquivoChave configuracao);
    // Opens the file first; when it cannot be opened the bindings stay as they are.
    bool carregaConfigTeclas(const std::string& nome);

    // Drains the SDL queue: desceu/subiu start false each frame, the last event of a key
    // within the drain decides them. Only key events count.
    void descarregaFila();

    bool desceu(unsigned char codInt) const;
    bool subiu(unsigned char codInt) const;
    bool ativado(unsigned char codInt) const;
    // True when at least one SDL key is bound to codInt.
    bool possuiTecla(unsigned char codInt) const;

    // Forgets every state; the project calls it on each module switch.
    void zera();

    unsigned totTeclas() const { return static_cast<unsigned>(teclas.size()); }

private:
    // True at the first binding of codInt whose state is set.
    bool consulta(unsigned char codInt, bool CTecla::*estado) const;

    std::vector<CTecla> teclas;
};

#endif
