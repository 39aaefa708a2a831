// Asset generator: the sound effects in sfx/, played by the synthesizer and written as 16-bit
// PCM WAVE. All three are in F major, the menu's key, so they never clash with the music.
// Depends on sons.h, partitura.h and saida.h.
#include "tools/gerador/som/sons.h"

#include <cstdio>

#include "tools/gerador/som/partitura.h"
#include "tools/gerador/som/saida.h"

namespace {

constexpr int MONO = 1;
constexpr int ESTEREO = 2;
// Tempos chosen so a sixteenth has a round length: 40, 50 and 80 ms.
constexpr float BPM_FOCO = 375.0f;
constexpr float BPM_ESCOLHA = 300.0f;
constexpr float BPM_SUCESSO = 187.5f;
constexpr float SEGUNDOS_FOCO = 0.075f;
constexpr float SEGUNDOS_ESCOLHA = 0.27f;
constexpr float SEGUNDOS_SUCESSO = 1.05f;
// The blip moves often; it sits a little under the louder confirm and jingle.
constexpr float PICO_FOCO_DB = -6.0f;
constexpr float PICO_ESCOLHA_DB = -4.0f;
constexpr float PICO_SUCESSO_DB = -3.0f;

// One sixteenth per token and no beat accents: an effect has no bar to accent.
Faixa efeito(const char* nome, const Instrumento& ins, const char* notas)
{
    Faixa f = faixa(nome, ins, notas, 1);
    f.acento = 0.0f;
    return f;
}

// A short pulse chirp from a little above e6 down onto it, over a triangle an octave below.
Peca foco()
{
    Peca p;
    p.titulo = "opc_foco";
    p.bpm = BPM_FOCO;
    p.picoAlvoDb = PICO_FOCO_DB;
    Instrumento pulso;
    pulso.onda = Onda::Pulso;
    pulso.ciclo = 0.25f;
    pulso.quedaTom = 0.25f;
    pulso.quedaTempo = 0.008f;
    pulso.envelope = {0.002f, 0.05f, 0.3f, 0.03f};
    pulso.corte = 6000.0f;
    pulso.volume = 0.5f;
    Instrumento corpo = pulso;
    corpo.onda = Onda::Triangulo;
    corpo.volume = 0.35f;
    p.faixas.push_back(efeito("pulso", pulso, "e6"));
    p.faixas.push_back(efeito("corpo", corpo, "e5"));
    return p;
}

// F major arpeggio up to f6, each step a sixteenth of 50 ms, with a quick echo for sparkle.
Peca escolha()
{
    Peca p;
    p.titulo = "opc_escolha";
    p.bpm = BPM_ESCOLHA;
    p.picoAlvoDb = PICO_ESCOLHA_DB;
    p.efeitos.ecoSegundos = 0.045f;
    p.efeitos.ecoRealimentacao = 0.3f;
    p.efeitos.ecoNivel = 0.3f;
    Instrumento pulso;
    pulso.onda = Onda::Pulso;
    pulso.ciclo = 0.5f;
    pulso.envelope = {0.002f, 0.08f, 0.5f, 0.06f};
    pulso.corte = 5000.0f;
    pulso.volume = 0.45f;
    pulso.envio = 0.5f;
    Instrumento fino = pulso;
    fino.ciclo = 0.125f;
    fino.volume = 0.25f;
    p.faixas.push_back(efeito("pulso", pulso, "f5 a5 c6 f6 -"));
    p.faixas.push_back(efeito("fino", fino, ". . . c6+a6 -"));
    return p;
}

// Up the F major chord to c7, which rings over an f-a-c chord, a bell answer and a soft
// cymbal swell: bright, and done in about a second.
Peca sucesso()
{
    Peca p;
    p.titulo = "grunz_success";
    p.bpm = BPM_SUCESSO;
    p.picoAlvoDb = PICO_SUCESSO_DB;
    p.efeitos.ecoSegundos = 0.12f;
    p.efeitos.ecoRealimentacao = 0.35f;
    p.efeitos.ecoNivel = 0.35f;
    p.efeitos.reverbNivel = 0.25f;
    p.efeitos.reverbSala = 0.7f;

    Instrumento lider;
    lider.onda = Onda::Pulso;
    lider.ciclo = 0.25f;
    lider.envelope = {0.002f, 0.15f, 0.6f, 0.2f};
    lider.vibratoHz = 6.0f;
    lider.vibratoCents = 18.0f;
    lider.vibratoAtraso = 0.15f;
    lider.corte = 7000.0f;
    lider.volume = 0.4f;
    lider.pan = -0.2f;
    lider.envio = 0.35f;
    p.faixas.push_back(efeito("lider", lider, "c6 . f6 . a6 . c7 - - - -"));

    Instrumento acorde = lider;
    acorde.ciclo = 0.5f;
    acorde.vibratoCents = 0.0f;
    acorde.corte = 3500.0f;
    acorde.volume = 0.18f;
    acorde.pan = 0.25f;
    p.faixas.push_back(efeito("acorde", acorde, ". . . . . . f5+a5+c6 - - - -"));

    Instrumento baixo;
    baixo.onda = Onda::Triangulo;
    baixo.envelope = {0.002f, 0.3f, 0.4f, 0.2f};
    baixo.volume = 0.5f;
    p.faixas.push_back(efeito("baixo", baixo, "f3 . c4 . f3 . f4 - - - -"));

    Instrumento sino;
    sino.onda = Onda::FM;
    sino.fmRazao = 3.5f;
    sino.fmIndice = 2.0f;
    sino.fmQueda = 4.0f;
    sino.envelope = {0.002f, 0.6f, 0.0f, 0.3f};
    sino.volume = 0.22f;
    sino.pan = 0.5f;
    sino.envio = 0.5f;
    p.faixas.push_back(efeito("sino", sino, ". . . . . . . . a6 c7 f7"));

    Instrumento prato;
    prato.onda = Onda::Ruido;
    prato.passaAlta = 5000.0f;
    prato.envelope = {0.002f, 0.5f, 0.0f, 0.2f};
    prato.duracaoFixa = 0.4f;
    prato.volume = 0.12f;
    prato.envio = 0.3f;
    p.faixas.push_back(efeito("prato", prato, ". . . . . . x"));
    return p;
}

struct Efeito {
    const char* arquivo;
    Peca (*peca)();
    float segundos;
    int canais;
};

const Efeito EFEITOS[] = {
    {"opc_foco.wav", foco, SEGUNDOS_FOCO, MONO},
    {"opc_escolha.wav", escolha, SEGUNDOS_ESCOLHA, MONO},
    {"grunz_success.wav", sucesso, SEGUNDOS_SUCESSO, ESTEREO},
};

}  // namespace

bool geraSons(const std::string& raiz)
{
    bool ok = true;
    for (const Efeito& e : EFEITOS) {
        std::vector<float> amostras;
        std::string erro;
        const std::string caminho = raiz + "/sfx/" + e.arquivo;
        if (!tocaUmaVez(e.peca(), e.segundos, e.canais, amostras, erro) ||
            !gravaWav(caminho, amostras, e.canais, TAXA_AMOSTRAGEM, erro)) {
            std::fprintf(stderr, "sons: %s: %s\n", e.arquivo, erro.c_str());
            ok = false;
        }
    }
    return ok;
}
