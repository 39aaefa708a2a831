// CEvento: the input service. Drains SDL's event queue once per frame into the states of
// the logical keys that modules query, from the keyboard and from the first game controller,
// and into the pointer's state (the mouse, or a finger in the page). Depends on SDL, CTecla;
// the settings loaders take a CArquivoChave (engine/files).
#ifndef CZORVO_CEVENTO_H
#define CZORVO_CEVENTO_H

#include <SDL.h>

#include <string>
#include <vector>

#include "engine/core/CPaiMestre.h"
#include "engine/core/CTecla.h"

class CArquivoChave;

// Owns the bindings, in insertion order. Several SDL keys may share a logical number; a
// query answers for any of them. The controller has bindings of its own, kept apart from the
// keys' so that a key bindings file leaves the controller working.
class CEvento : public CPaiMestre {
public:
    // The queries walk the bindings with an 8-bit index, so the list never grows past this.
    static constexpr unsigned MAX_TECLAS = 255;

    // The controller's inputs as binding codes: its buttons by number from 0, and the four
    // directions, given by the D-pad (the first hat) or the left stick beyond ZONA_MORTA.
    static constexpr int CONTROLE_CIMA = 1000;
    static constexpr int CONTROLE_BAIXO = 1001;
    static constexpr int CONTROLE_DIREITA = 1002;
    static constexpr int CONTROLE_ESQUERDA = 1003;
    // A stick rests anywhere within this of its centre (of 32767).
    static constexpr int ZONA_MORTA = 8000;

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

    // Replaces the controller's bindings with the defaults: the directions on 0 to 3,
    // button 0 on 4 (action), 1 on 5 (back), 2, 6 and 8 on 6 (numbers), 7 and 9 on 7 (pause),
    // and buttons 12 to 15 as up, down, left and right.
    void carregaConfigControlePadrao();
    // Opens the first controller, if one is plugged in; false when there is none. Its events
    // reach the queue from then on. SDL_Quit closes it.
    bool abreControle();

    // Drains the SDL queue: desceu/subiu start false each frame, the last event of a key or
    // controller input within the drain decides them. Key, first controller and mouse events
    // count; the rest (the window's close button too) is dropped.
    void descarregaFila();

    bool desceu(unsigned char codInt) const;
    bool subiu(unsigned char codInt) const;
    bool ativado(unsigned char codInt) const;
    // True when at least one SDL key is bound to codInt.
    bool possuiTecla(unsigned char codInt) const;

    // The pointer: the left mouse button. A press and a release within one frame are both
    // seen, so a quick click is never lost.
    bool ponteiroDesceu() const { return ponteiro.desceu; }
    bool ponteiroSubiu() const { return ponteiro.subiu; }
    bool ponteiroAtivado() const { return ponteiro.ativado; }
    // It moved, or was pressed, during the last drain.
    bool ponteiroMoveu() const { return ponteiroMovido; }
    // In the game's screen pixels: where it went down when it went down this frame, else
    // where it was last seen; -1 before it was ever seen.
    int ponteiroX() const { return ponteiroXY[0]; }
    int ponteiroY() const { return ponteiroXY[1]; }
    // Window pixels per screen pixel (1 to 8); positions are divided by it.
    void defEscala(Uint8 escala);

    // Forgets every state, the controller's and the pointer's button included; the project
    // calls it on each module switch.
    void zera();

    unsigned totTeclas() const { return static_cast<unsigned>(teclas.size()); }

private:
    // True at the first binding of codInt, key or controller, whose state is set.
    bool consulta(unsigned char codInt, bool CTecla::*estado) const;
    // The direction codes held by the hat and the stick together, one bit each.
    unsigned direcoes() const { return direcoesHat | direcoesEixos; }
    void trataControle(const SDL_Event& ev);
    void trataPonteiro(const SDL_Event& ev);

    std::vector<CTecla> teclas;
    std::vector<CTecla> botoes;  // the controller's bindings
    unsigned direcoesHat;
    unsigned direcoesEixos;
    CTecla ponteiro;  // only the states are used
    bool ponteiroMovido;
    bool cursorVisivel;
    int ponteiroXY[2];
    Uint8 escala;
};

#endif
