// Asset generator: the main menu piece. F major, 132 BPM, 4/4, 32 bars in the form
// A A' B A; the last A ends on C7 so the loop falls back into the first bar.
// Depends on pecas.h.
#include "tools/gerador/som/pecas/pecas.h"

namespace {

constexpr float BPM = 132.0f;
constexpr int COMPASSOS = 32;
constexpr int OITAVAS_POR_COMPASSO = 8;
constexpr int SEMICOLCHEIAS_POR_COMPASSO = 16;
// Dotted eighth at 132 BPM: the echo lands between the eighths and makes the lead skip.
constexpr float ECO_SEGUNDOS = 60.0f / BPM * 0.75f;

// --- Lead, one token per eighth ---
const char* const MELODIA_A =
    "f5 . c5 f5 a5 . g5 f5 | e5 . c5 e5 g5 - - . | d5 . bb4 d5 f5 . e5 d5 | c5 - - . e5 . g5 . |"
    "a5 . f5 a5 d6 - c6 a5 | bb5 - a5 g5 f5 - d5 . |";
const char* const MELODIA_FIM_ABERTO = "g5 . bb5 . a5 . g5 . | e5 - - . c5 . d5 e5 |";
const char* const MELODIA_FIM_FECHADO = "g5 . f5 . e5 . c5 . | f5 - - - . . . . |";
const char* const MELODIA_B =
    "d6 - - c6 bb5 - f5 - | g5 - - a5 bb5 - c6 - | a5 - - g5 e5 - c5 - | d5 - - - f5 - a5 - |"
    "bb5 - - a5 g5 - d5 - | e5 - - f5 g5 - c6 - | a5 - g5 - f5 - d6 - | c6 - - - bb5 . g5 . |";

// --- Harmony under the last A: two sustained chord tones a bar ---
const char* const HARMONIA_ACORDES =
    "a4 c5 | c5 e5 | bb4 d5 | c5 e5 | d5 f5 | d5 f5 | bb4 d5 | bb4 c5";

// --- Arpeggio chords, one per bar ---
const char* const ARPEJO_A = "f4 a4 c5 | e4 a4 c5 | f4 bb4 d5 | e4 g4 c5 | f4 a4 d5 | f4 bb4 d5";
const char* const ARPEJO_A_FIM_ABERTO = "g4 bb4 d5 | e4 g4 bb4";
const char* const ARPEJO_A_FIM_FECHADO = "e4 g4 c5 | f4 a4 c5";
const char* const ARPEJO_B =
    "f4 bb4 d5 | g4 c5 e5 | e4 a4 c5 | f4 a4 d5 | g4 bb4 d5 | g4 c5 e5 | f4 a4 c5 | e4 g4 c5";
const char* const PADRAO_ARPEJO_A = "0 1 2 1 0 1 2 1";
const char* const PADRAO_ARPEJO_B = "0 . 1 2 . 1 2 .";

// --- Bass: low root, octave, fifth; the chord list gives them in that order ---
const char* const BAIXO_A = "f2 f3 c3 | a2 a3 e3 | bb1 bb2 f2 | c2 c3 g2 | d2 d3 a2 | bb1 bb2 f2";
const char* const BAIXO_A_FIM_ABERTO = "g2 . g3 . g2 d3 g3 . | c2 . c3 . e2 . g2 . |";
const char* const BAIXO_A_FIM_FECHADO = "g2 . g3 . c3 . c2 . | f2 . c3 . f2 . . . |";
const char* const BAIXO_B = "bb1 bb2 f2 | c2 c3 g2 | a1 a2 e2 | d2 d3 a2 | g1 g2 d2 | c2 c3 g2";
const char* const BAIXO_B_FIM = "a1 - a2 . bb1 - bb2 . | c2 - . c2 g2 - c3 . |";
const char* const PADRAO_BAIXO_A = "0 . 1 . 0 2 1 .";
const char* const PADRAO_BAIXO_B = "0 - . 0 2 - 1 .";

// --- Drums, one token per sixteenth ---
const char* const BUMBO_A = "X . . . . . x . X . . . . . . .";
const char* const BUMBO_B = "X . . . . . . . X . x . . . . .";
const char* const BUMBO_VIRADA = "X . . . . . x . X . . . X . . .";
const char* const CAIXA_A = ". . . . X . . . . . . . X . . .";
const char* const CAIXA_B = ". . . . . . . . X . . . . . . o";
const char* const CAIXA_VIRADA = ". . . . X . . . . . X . X o X X";
const char* const CHIMBAL_A = "x . o . x . o . x . o . x . o x";
const char* const CHIMBAL_B = "x o o o x o o o x o o o x o o o";
const char* const CHIMBAL_VIRADA = "x . o . x . o . x . . . . . . .";

std::string pausa(int compassos)
{
    return repete(".", compassos * OITAVAS_POR_COMPASSO);
}

// Seven bars of groove and a fill, or eight of groove.
std::string secao(const char* ritmo, const char* virada)
{
    return repete(ritmo, 7) + (virada ? virada : ritmo) + " ";
}

Instrumento lider()
{
    Instrumento i;
    i.onda = Onda::Pulso;
    i.ciclo = 0.25f;
    i.envelope = {0.004f, 0.25f, 0.55f, 0.09f};
    i.volume = 0.34f;
    i.pan = -0.15f;
    i.vibratoHz = 5.5f;
    i.vibratoCents = 14.0f;
    i.vibratoAtraso = 0.18f;
    i.corte = 5000.0f;
    i.envio = 0.3f;
    return i;
}

Instrumento arpejo()
{
    Instrumento i;
    i.onda = Onda::Pulso;
    i.ciclo = 0.125f;
    i.envelope = {0.002f, 0.12f, 0.0f, 0.05f};
    i.volume = 0.26f;
    i.pan = 0.45f;
    i.corte = 4000.0f;
    i.envio = 0.4f;
    return i;
}

Instrumento harmonia()
{
    Instrumento i;
    i.onda = Onda::Pulso;
    i.ciclo = 0.5f;
    i.envelope = {0.03f, 0.4f, 0.6f, 0.2f};
    i.volume = 0.12f;
    i.pan = 0.35f;
    i.corte = 2500.0f;
    i.vibratoHz = 5.0f;
    i.vibratoCents = 8.0f;
    i.envio = 0.3f;
    return i;
}

Instrumento baixo()
{
    Instrumento i;
    i.onda = Onda::Triangulo;
    i.envelope = {0.003f, 0.2f, 0.5f, 0.05f};
    i.volume = 0.62f;
    i.corte = 2000.0f;
    return i;
}

}  // namespace

Peca pecaMenu()
{
    Peca p;
    p.titulo = "Corvela - menu";
    p.bpm = BPM;
    p.compassos = COMPASSOS;
    p.efeitos.ecoSegundos = ECO_SEGUNDOS;
    p.efeitos.ecoRealimentacao = 0.3f;
    p.efeitos.ecoNivel = 0.35f;
    p.efeitos.reverbNivel = 0.3f;
    p.efeitos.reverbSala = 0.72f;

    const std::string aAberto = std::string(MELODIA_A) + MELODIA_FIM_ABERTO;
    const std::string aFechado = std::string(MELODIA_A) + MELODIA_FIM_FECHADO;
    Faixa mel = faixa("melodia", lider(), aAberto + aFechado + MELODIA_B + aAberto, 2);
    mel.acento = 0.2f;
    p.faixas.push_back(mel);

    Faixa harm = faixa("harmonia", harmonia(),
                       pausa(24) + arpeja(HARMONIA_ACORDES, "0 - - - 1 - - -"), 2);
    harm.legato = 0.85f;
    p.faixas.push_back(harm);

    const std::string arpAberto =
        arpeja(ARPEJO_A, PADRAO_ARPEJO_A) + arpeja(ARPEJO_A_FIM_ABERTO, PADRAO_ARPEJO_A);
    const std::string arpFechado =
        arpeja(ARPEJO_A, PADRAO_ARPEJO_A) + arpeja(ARPEJO_A_FIM_FECHADO, PADRAO_ARPEJO_A);
    // The first A leaves the arpeggio out, so the loop has somewhere to grow from.
    Faixa arp = faixa("arpejo", arpejo(),
                      pausa(8) + arpFechado + arpeja(ARPEJO_B, PADRAO_ARPEJO_B) + arpAberto, 2);
    arp.legato = 0.45f;
    arp.acento = 0.25f;
    p.faixas.push_back(arp);

    const std::string baixoAberto = arpeja(BAIXO_A, PADRAO_BAIXO_A) + BAIXO_A_FIM_ABERTO;
    const std::string baixoFechado = arpeja(BAIXO_A, PADRAO_BAIXO_A) + BAIXO_A_FIM_FECHADO;
    Faixa bx = faixa("baixo", baixo(),
                     baixoAberto + baixoFechado + arpeja(BAIXO_B, PADRAO_BAIXO_B) + BAIXO_B_FIM +
                         baixoAberto,
                     2);
    bx.legato = 0.7f;
    p.faixas.push_back(bx);

    const std::string bumboA = secao(BUMBO_A, BUMBO_VIRADA);
    const std::string caixaA = secao(CAIXA_A, CAIXA_VIRADA);
    const std::string chimbalA = secao(CHIMBAL_A, CHIMBAL_VIRADA);
    Instrumento bumboMenu = bumbo();
    bumboMenu.volume = 0.65f;
    p.faixas.push_back(faixa("bumbo", bumboMenu,
                             bumboA + bumboA + secao(BUMBO_B, BUMBO_VIRADA) + bumboA, 1));
    const std::string caixas = caixaA + caixaA + secao(CAIXA_B, CAIXA_VIRADA) + caixaA;
    Instrumento ruido = caixaRuido();
    ruido.pan = 0.1f;
    ruido.envio = 0.15f;
    p.faixas.push_back(faixa("caixa", ruido, caixas, 1));
    p.faixas.push_back(faixa("caixa corpo", caixaCorpo(), caixas, 1));
    Instrumento hat = chimbal();
    hat.pan = 0.3f;
    Faixa hats = faixa("chimbal", hat,
                       chimbalA + chimbalA + secao(CHIMBAL_B, CHIMBAL_VIRADA) + chimbalA, 1);
    hats.variacao = 0.15f;
    p.faixas.push_back(hats);
    return p;
}
