// Asset generator: the piece that plays while the puzzle is being solved. D minor, 84 BPM,
// 4/4, 24 bars in three sections: A (pad, arpeggio and a few bell notes), B (a slow tune over
// the same chords), C (new chords, the tune climbs and settles on A7sus4, which leads back
// into the first bar). Soft kick, shaker and rim keep a pulse without pushing.
// Depends on pecas.h.
#include "tools/gerador/som/pecas/pecas.h"

namespace {

constexpr float BPM = 84.0f;
constexpr int COMPASSOS = 24;
// Dotted eighth: the arpeggio's echoes fill the off-beats so the eighths seem to flow.
constexpr float ECO_SEGUNDOS = 60.0f / BPM * 0.75f;
// Quieter than the menu: the player is thinking.
constexpr float RMS_ALVO_DB = -17.5f;

// Chords, one per bar. Section A and B share them.
const char* const PAD_AB =
    "f3 a3 c4 e4 | f3 a3 d4 | a3 c4 e4 | g3 c4 d4 e4 | f3 a3 c4 e4 | f3 a3 d4 | f3 bb3 d4 |"
    "g3 d4 e4";
const char* const PAD_C =
    "f3 a3 d4 | g3 c4 e4 | g3 c4 e4 | f3 a3 c4 | f3 bb3 d4 | g3 c4 e4 | a3 c4 e4 | g3 d4 e4";
const char* const ARPEJO_AB =
    "d4 f4 a4 c5 e5 | bb3 d4 f4 a4 d5 | c4 f4 a4 c5 e5 | c4 g4 c5 d5 e5 | d4 f4 a4 c5 e5 |"
    "bb3 d4 f4 a4 d5 | bb3 d4 f4 g4 bb4 | a3 d4 e4 g4 a4";
const char* const ARPEJO_C =
    "bb3 d4 f4 a4 d5 | c4 e4 g4 c5 e5 | a3 c4 e4 g4 c5 | d4 f4 a4 c5 d5 | bb3 d4 f4 g4 bb4 |"
    "c4 e4 g4 c5 e5 | c4 f4 a4 c5 e5 | a3 d4 e4 g4 a4";
const char* const BAIXO_AB = "d2 a2 | bb1 f2 | f2 c3 | c2 g2 | d2 a2 | bb1 f2 | g1 d2 | a1 e2";
const char* const BAIXO_C = "bb1 f2 | c2 g2 | a1 e2 | d2 a2 | g1 d2 | c2 g2 | f2 c3 | a1 e2";

const char* const PADRAO_PAD = "* - - - - - - -";
const char* const PADRAO_ARPEJO_A = "0 . 2 4 3 . 2 1";
const char* const PADRAO_ARPEJO_B = "0 . 2 . 4 . 2 .";
const char* const PADRAO_ARPEJO_C = "4 . 3 1 2 . 1 0";
const char* const PADRAO_BAIXO_A = "0 - - - - - - -";
const char* const PADRAO_BAIXO_B = "0 - - - - - 1 -";
const char* const PADRAO_BAIXO_C = "0 - - 1 - - 0 -";

// One token per eighth.
const char* const SINOS_A =
    ". . . . . . . . | . . . . a5 - - - | . . . . . . . . | . . . . g5 - e5 - |"
    ". . . . . . . . | . . . . f5 - - - | . . . . . . . . | . . . . e5 - - - |";
const char* const MELODIA_B =
    ". . a4 - c5 - d5 - | f5 - - - - - e5 d5 | c5 - - - - - . . | . . g4 - a4 - d5 - |"
    "e5 - - - - - f5 e5 | d5 - - - - - a4 - | bb4 - - - a4 - g4 - | a4 - - - - - . . |";
const char* const MELODIA_C =
    "d5 - - - f5 - a5 - | g5 - - - e5 - - - | c5 - - - e5 - g5 - | f5 - - - - - . . |"
    "bb5 - - - a5 - g5 - | e5 - - - g5 - - - | a5 - - - - - g5 e5 | d5 - - - - - . . |";

// One token per sixteenth.
const char* const BUMBO = "X . . . . . . . . . x . . . . .";
const char* const CHOCALHO = "x . o . x . o . x . o . x . o o";
const char* const ARO_B = ". . . . . . . . X . . . . . . .";
const char* const ARO_C = ". . . . . . . . X . . . . . o .";

std::string pausa(int compassos, int passosPorCompasso)
{
    return repete(".", compassos * passosPorCompasso);
}

Instrumento tapete()
{
    Instrumento i;
    i.onda = Onda::FM;
    i.fmRazao = 1.0f;
    i.fmIndice = 0.7f;
    i.envelope = {0.7f, 1.2f, 0.75f, 1.2f};
    i.desafinoCents = 9.0f;
    i.corte = 1600.0f;
    i.volume = 0.15f;
    i.pan = -0.1f;
    i.envio = 0.6f;
    return i;
}

Instrumento marimba()
{
    Instrumento i;
    i.onda = Onda::FM;
    i.fmRazao = 4.0f;
    i.fmIndice = 1.4f;
    i.fmQueda = 14.0f;
    i.envelope = {0.002f, 0.55f, 0.0f, 0.25f};
    i.volume = 0.2f;
    i.pan = 0.35f;
    i.envio = 0.45f;
    return i;
}

Instrumento flauta()
{
    Instrumento i;
    i.onda = Onda::FM;
    i.fmRazao = 1.0f;
    i.fmIndice = 0.45f;
    i.envelope = {0.07f, 0.4f, 0.8f, 0.35f};
    i.vibratoHz = 4.6f;
    i.vibratoCents = 12.0f;
    i.vibratoAtraso = 0.35f;
    i.corte = 3000.0f;
    i.volume = 0.3f;
    i.pan = -0.3f;
    i.envio = 0.5f;
    return i;
}

Instrumento sino()
{
    Instrumento i;
    i.onda = Onda::FM;
    i.fmRazao = 3.5f;  // not a whole number: the partials of a bell, not of a string
    i.fmIndice = 1.8f;
    i.fmQueda = 2.5f;
    i.envelope = {0.002f, 1.6f, 0.0f, 0.8f};
    i.volume = 0.2f;
    i.pan = 0.5f;
    i.envio = 0.7f;
    return i;
}

Instrumento baixo()
{
    Instrumento i;
    i.onda = Onda::Triangulo;
    i.envelope = {0.03f, 0.6f, 0.7f, 0.3f};
    i.corte = 900.0f;
    i.volume = 0.34f;
    return i;
}

}  // namespace

Peca pecaJogo()
{
    Peca p;
    p.titulo = "Corvela - quebra-cabeca";
    p.bpm = BPM;
    p.compassos = COMPASSOS;
    p.rmsAlvoDb = RMS_ALVO_DB;
    p.efeitos.ecoSegundos = ECO_SEGUNDOS;
    p.efeitos.ecoRealimentacao = 0.35f;
    p.efeitos.ecoNivel = 0.3f;
    p.efeitos.reverbNivel = 0.45f;
    p.efeitos.reverbSala = 0.82f;
    p.efeitos.reverbAbafamento = 0.4f;

    const std::string tapeteAB = arpeja(PAD_AB, PADRAO_PAD);
    Faixa tap = faixa("tapete", tapete(), tapeteAB + tapeteAB + arpeja(PAD_C, PADRAO_PAD), 2);
    tap.acento = 0.0f;
    tap.legato = 1.0f;
    p.faixas.push_back(tap);

    Faixa arp = faixa("arpejo", marimba(),
                      arpeja(ARPEJO_AB, PADRAO_ARPEJO_A) + arpeja(ARPEJO_AB, PADRAO_ARPEJO_B) +
                          arpeja(ARPEJO_C, PADRAO_ARPEJO_C),
                      2);
    arp.acento = 0.1f;
    arp.variacao = 0.1f;
    p.faixas.push_back(arp);

    p.faixas.push_back(faixa("sinos", sino(), std::string(SINOS_A) + pausa(16, 8), 2));
    p.faixas.push_back(
        faixa("melodia", flauta(), pausa(8, 8) + MELODIA_B + MELODIA_C, 2));

    Faixa bx = faixa("baixo", baixo(),
                     arpeja(BAIXO_AB, PADRAO_BAIXO_A) + arpeja(BAIXO_AB, PADRAO_BAIXO_B) +
                         arpeja(BAIXO_C, PADRAO_BAIXO_C),
                     2);
    bx.legato = 0.95f;
    p.faixas.push_back(bx);

    Instrumento bumboSuave = bumbo();
    bumboSuave.volume = 0.55f;
    bumboSuave.quedaTom = 2.0f;  // less click: a heartbeat rather than a stomp
    p.faixas.push_back(faixa("bumbo", bumboSuave, repete(BUMBO, COMPASSOS), 1));
    Instrumento chocalhoJogo = chocalho();
    chocalhoJogo.pan = 0.25f;
    Faixa choc = faixa("chocalho", chocalhoJogo, repete(CHOCALHO, COMPASSOS), 1);
    choc.variacao = 0.2f;
    p.faixas.push_back(choc);
    Instrumento aro = caixaRuido();
    aro.passaAlta = 1500.0f;
    aro.duracaoFixa = 0.05f;
    aro.volume = 0.4f;
    aro.pan = -0.2f;
    aro.envio = 0.4f;
    p.faixas.push_back(
        faixa("aro", aro, pausa(8, 16) + repete(ARO_B, 8) + repete(ARO_C, 8), 1));
    return p;
}
