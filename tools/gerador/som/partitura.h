// Asset generator: the score notation and the sequencer that plays a score through the
// synthesizer into a seamless loop. Depends on sintetizador.h and efeitos.h.
//
// Notation, one token per step, separated by blanks:
//   c4 f#5 bb3    a note (letter, optional # or b, octave; c4 is middle C)
//   c4+e4+g4      notes struck together
//   x  X  o       a drum hit: normal, accented, ghost (the instrument sets the pitch)
//   !  ?          appended to a note or chord: accented, soft
//   -             holds the previous note one step more
//   .             rest
//   |             ignored; marks bars for the reader
#ifndef CORVELA_GERADOR_SOM_PARTITURA_H
#define CORVELA_GERADOR_SOM_PARTITURA_H

#include <cstdint>
#include <string>
#include <vector>

#include "tools/gerador/som/efeitos.h"
#include "tools/gerador/som/sintetizador.h"

// One struck note or chord. notas holds MIDI numbers; empty means a drum hit.
struct Evento {
    int passo = 0;
    int passos = 1;
    std::vector<int> notas;
    float velocidade = 1.0f;
};

// Parses texto. totalPassos gets the length in steps, rests and holds included. A bad token
// gives false and names it in erro.
bool leNotacao(const std::string& texto, std::vector<Evento>& eventos, int& totalPassos,
               std::string& erro);

// Writes a pattern once per chord. acordes are chords separated by '|', each a list of notes;
// in padrao a number n stands for the chord's n-th note (0 first), "0+2" strikes two of
// them, "*" all of them, and '.', '-', drum and note tokens pass through. Used for
// arpeggios, bass lines and pads. An index past the chord's end gives a '?' token, which
// leNotacao rejects.
std::string arpeja(const std::string& acordes, const std::string& padrao);

// texto written vezes times, separated by blanks.
std::string repete(const std::string& texto, int vezes);

constexpr int TICKS_POR_BATIDA = 4;  // a tick is a sixteenth note

struct Faixa {
    const char* nome = "";
    Instrumento instrumento;
    std::string notas;
    int ticksPorPasso = 2;       // 1 sixteenths, 2 eighths, 4 quarters
    float velocidade = 0.8f;
    float acento = 0.15f;        // extra velocity on notes that start on a beat
    float variacao = 0.0f;       // random +- velocity per note, so hats don't sound stamped
    float legato = 0.92f;        // part of the written length the gate stays open
    int transposicao = 0;        // semitones
};

// A track of `notas` played by `ins`, each token lasting ticksPorPasso ticks; the other
// fields keep their defaults.
Faixa faixa(const char* nome, const Instrumento& ins, std::string notas, int ticksPorPasso);

struct Peca {
    std::string titulo;
    float bpm = 120.0f;
    int ticksPorCompasso = 16;   // 16 for 4/4, 12 for 3/4
    int compassos = 0;
    std::vector<Faixa> faixas;
    Efeitos efeitos;
    float rmsAlvoDb = -16.0f;
    float picoAlvoDb = -3.0f;    // one-shot sounds: a blip has no steady loudness to aim at
};

// Plays every track of peca into a circular bus of exactly compassos bars, so whatever rings
// past the end sounds over the start, then adds the effects, sets the loudness and limits.
// Out: interleaved stereo at TAXA_AMOSTRAGEM. A track whose length is not the piece's, or
// whose notation is bad, gives false with erro naming it.
bool tocaPeca(const Peca& peca, std::vector<float>& estereo, std::string& erro);

// Same, onto a linear bus of segundos for one-shot sounds (no wrap; ends in a short fade).
bool tocaUmaVez(const Peca& peca, float segundos, int canais, std::vector<float>& saida,
                std::string& erro);

#endif
