// Asset generator: the credits piece. A B-flat major waltz, 96 BPM, 3/4, 32 bars in the
// form A A' B A. Its tune opens with the menu's motif, slowed and a fifth lower, so the game
// says goodbye with the tune it said hello with; the screen shows about its first eleven
// bars, so the tune starts on the first beat. The last bar is F7, which leads into the first.
// Depends on pecas.h.
#include "tools/gerador/som/pecas/pecas.h"

namespace {

constexpr float BPM = 96.0f;
constexpr int COMPASSOS = 32;
constexpr int TICKS_POR_COMPASSO = 12;
constexpr int OITAVAS_POR_COMPASSO = 6;
constexpr float ECO_SEGUNDOS = 60.0f / BPM * 0.75f;
constexpr float RMS_ALVO_DB = -16.5f;

// One token per eighth, six to a bar.
const char* const MELODIA_A_INICIO =
    "bb4 - f4 bb4 d5 - | c5 - bb4 - a4 - | g4 - bb4 - d5 - | eb5 - - - d5 c5 |";
const char* const MELODIA_A_FIM =
    "d5 - - - bb4 - | g5 - - - f5 eb5 | c5 - - - eb5 d5 | c5 - - - . . |";
const char* const MELODIA_A2_FIM =
    "d5 - - - f5 - | g5 - bb5 - g5 - | f5 - - - eb5 c5 | bb4 - - - - . |";
const char* const MELODIA_B =
    "g5 - - - f5 eb5 | f5 - - - c5 - | d5 - f5 - a5 - | g5 - - - - - |"
    "eb5 - - - d5 c5 | a4 - c5 - f5 - | g5 - f5 - eb5 - | d5 - - - c5 - |";

// Chords, one per bar: pad voicing, music-box voicing, bass (root then fifth).
const char* const PAD_A_INICIO = "f3 bb3 d4 | f3 a3 c4 | g3 bb3 d4 | g3 bb3 eb4";
const char* const PAD_A_FIM = "f3 bb3 d4 | g3 bb3 eb4 | g3 bb3 c4 eb4 | f3 a3 c4 eb4";
const char* const PAD_A2_FIM = "f3 bb3 d4 | g3 bb3 eb4 | f3 a3 c4 eb4 | f3 bb3 d4";
const char* const PAD_B = "g3 bb3 eb4 | f3 a3 c4 | f3 a3 d4 | g3 bb3 d4 | g3 c4 eb4 | f3 a3 c4 |"
                          "g3 bb3 eb4 | f3 a3 c4 eb4";
const char* const CAIXINHA_A_INICIO = "bb4 d5 f5 | a4 c5 f5 | g4 bb4 d5 | g4 bb4 eb5";
const char* const CAIXINHA_A_FIM = "bb4 d5 f5 | bb4 eb5 g5 | c5 eb5 g5 | a4 c5 eb5";
const char* const CAIXINHA_A2_FIM = "bb4 d5 f5 | bb4 eb5 g5 | a4 c5 eb5 | bb4 d5 f5";
const char* const CAIXINHA_B = "bb4 eb5 g5 | a4 c5 f5 | a4 d5 f5 | g4 bb4 d5 | g4 c5 eb5 |"
                               "a4 c5 f5 | bb4 eb5 g5 | a4 c5 eb5";
const char* const BAIXO_A_INICIO = "bb1 f2 | a1 f2 | g1 d2 | eb2 bb2";
const char* const BAIXO_A_FIM = "f2 d2 | eb2 bb2 | c2 g2 | f2 c2";
const char* const BAIXO_A2_FIM = "f2 d2 | eb2 bb2 | f2 c2 | bb1 f2";
const char* const BAIXO_B = "eb2 bb2 | f2 c2 | d2 a2 | g1 d2 | c2 g2 | f2 c2 | eb2 bb2 | f2 c2";

const char* const PADRAO_PAD = "* - - - - -";
const char* const PADRAO_BAIXO = "0 - - - 1 -";
// Waltz "oom-pah-pah": the music box answers on beats two and three.
const char* const PADRAO_CAIXINHA_A = ". . 1+2 . 1+2 .";
const char* const PADRAO_CAIXINHA_B = "0 1 2 1 2 1";
const char* const PADRAO_HARMONIA = "1 - - - - -";

// One token per sixteenth, twelve to a bar.
const char* const BUMBO_A = "X . . . . . . . . . . .";
const char* const BUMBO_B = "X . . . . . . . . . x .";
const char* const ESCOVA = ". . . . o . . . o . . .";
const char* const CHOCALHO = "x . o . x . o . x . o o";

std::string pausa(int compassos)
{
    return repete(".", compassos * OITAVAS_POR_COMPASSO);
}

// The four sections of one track, in the order A A' B A.
std::string forma(const std::string& a, const std::string& a2, const std::string& b)
{
    return a + " " + a2 + " " + b + " " + a + " ";
}

// A whole track from the chord lists through one pattern (the B section may use another).
std::string acompanha(const char* inicio, const char* fim, const char* fim2, const char* b,
                      const char* padrao, const char* padraoB)
{
    const std::string comeco = arpeja(inicio, padrao);
    return forma(comeco + arpeja(fim, padrao), comeco + arpeja(fim2, padrao), arpeja(b, padraoB));
}

Instrumento lider()
{
    Instrumento i;
    i.onda = Onda::Pulso;
    i.ciclo = 0.5f;
    i.envelope = {0.02f, 0.5f, 0.7f, 0.25f};
    i.corte = 2200.0f;  // a hollow, clarinet-like square rather than a buzzy one
    i.vibratoHz = 5.0f;
    i.vibratoCents = 15.0f;
    i.vibratoAtraso = 0.25f;
    i.volume = 0.28f;
    i.pan = -0.1f;
    i.envio = 0.4f;
    return i;
}

Instrumento tapete()
{
    Instrumento i;
    i.onda = Onda::FM;
    i.fmRazao = 1.0f;  // 1:1 brings in every harmonic, like a bowed string section
    i.fmIndice = 0.8f;
    i.envelope = {0.35f, 1.0f, 0.8f, 0.9f};
    i.desafinoCents = 10.0f;
    i.corte = 2000.0f;
    i.volume = 0.18f;
    i.pan = 0.15f;
    i.envio = 0.6f;
    return i;
}

Instrumento caixinha()
{
    Instrumento i;
    i.onda = Onda::FM;
    i.fmRazao = 5.0f;
    i.fmIndice = 1.2f;
    i.fmQueda = 10.0f;
    i.envelope = {0.002f, 0.7f, 0.0f, 0.3f};
    i.volume = 0.16f;
    i.pan = 0.4f;
    i.envio = 0.5f;
    return i;
}

Instrumento harmonia()
{
    Instrumento i;
    i.onda = Onda::Triangulo;
    i.envelope = {0.08f, 0.8f, 0.6f, 0.5f};
    i.vibratoHz = 4.5f;
    i.vibratoCents = 10.0f;
    i.vibratoAtraso = 0.3f;
    i.volume = 0.2f;
    i.pan = 0.35f;
    i.envio = 0.5f;
    return i;
}

Instrumento baixo()
{
    Instrumento i;
    i.onda = Onda::Triangulo;
    i.envelope = {0.01f, 0.5f, 0.55f, 0.2f};
    i.corte = 1000.0f;
    i.volume = 0.42f;
    return i;
}

}  // namespace

Peca pecaCreditos()
{
    Peca p;
    p.titulo = "Corvela - creditos";
    p.bpm = BPM;
    p.ticksPorCompasso = TICKS_POR_COMPASSO;
    p.compassos = COMPASSOS;
    p.rmsAlvoDb = RMS_ALVO_DB;
    p.efeitos.ecoSegundos = ECO_SEGUNDOS;
    p.efeitos.ecoRealimentacao = 0.3f;
    p.efeitos.ecoNivel = 0.25f;
    p.efeitos.reverbNivel = 0.5f;
    p.efeitos.reverbSala = 0.85f;
    p.efeitos.reverbAbafamento = 0.45f;

    const std::string inicio = MELODIA_A_INICIO;
    Faixa mel = faixa("melodia", lider(),
                      forma(inicio + MELODIA_A_FIM, inicio + MELODIA_A2_FIM, MELODIA_B), 2);
    mel.legato = 0.97f;
    mel.acento = 0.12f;
    p.faixas.push_back(mel);

    Faixa tap = faixa("tapete", tapete(),
                      acompanha(PAD_A_INICIO, PAD_A_FIM, PAD_A2_FIM, PAD_B, PADRAO_PAD, PADRAO_PAD),
                      2);
    tap.legato = 1.0f;
    tap.acento = 0.0f;
    p.faixas.push_back(tap);

    p.faixas.push_back(faixa("caixinha", caixinha(),
                             acompanha(CAIXINHA_A_INICIO, CAIXINHA_A_FIM, CAIXINHA_A2_FIM,
                                       CAIXINHA_B, PADRAO_CAIXINHA_A, PADRAO_CAIXINHA_B),
                             2));

    // The sustained harmony only joins the second A, so the repeat sounds fuller.
    const std::string harmoniaA2 = arpeja(CAIXINHA_A_INICIO, PADRAO_HARMONIA) +
                                   arpeja(CAIXINHA_A2_FIM, PADRAO_HARMONIA);
    Faixa harm = faixa("harmonia", harmonia(), forma(pausa(8), harmoniaA2, pausa(8)), 2);
    harm.transposicao = -12;
    p.faixas.push_back(harm);

    Faixa bx = faixa("baixo", baixo(),
                     acompanha(BAIXO_A_INICIO, BAIXO_A_FIM, BAIXO_A2_FIM, BAIXO_B, PADRAO_BAIXO,
                               PADRAO_BAIXO),
                     2);
    bx.legato = 0.9f;
    p.faixas.push_back(bx);

    Instrumento bumboValsa = bumbo();
    bumboValsa.volume = 0.55f;
    bumboValsa.quedaTom = 2.2f;
    p.faixas.push_back(faixa("bumbo", bumboValsa,
                             forma(repete(BUMBO_A, 8), repete(BUMBO_A, 8), repete(BUMBO_B, 8)), 1));
    Instrumento escova = caixaRuido();
    escova.passaAlta = 1200.0f;
    escova.envelope = {0.01f, 0.14f, 0.0f, 0.06f};
    escova.duracaoFixa = 0.12f;
    escova.volume = 0.45f;
    escova.pan = -0.25f;
    escova.envio = 0.3f;
    p.faixas.push_back(faixa("escova", escova, repete(ESCOVA, COMPASSOS), 1));
    Instrumento chocalhoValsa = chocalho();
    chocalhoValsa.pan = 0.3f;
    Faixa choc = faixa("chocalho", chocalhoValsa, repete(CHOCALHO, COMPASSOS), 1);
    choc.variacao = 0.2f;
    p.faixas.push_back(choc);
    return p;
}
