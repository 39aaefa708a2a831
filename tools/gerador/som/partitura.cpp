// Asset generator: parses the score notation and sequences a piece through the synthesizer.
// Depends on partitura.h, sintetizador.h and efeitos.h.
#include "tools/gerador/som/partitura.h"

#include <cctype>
#include <cmath>
#include <cstdlib>
#include <sstream>
#include <utility>

namespace {

constexpr float VELOCIDADE_ACENTO = 1.25f;
constexpr float VELOCIDADE_FANTASMA = 0.55f;
constexpr float VELOCIDADE_SUAVE = 0.6f;
constexpr int SEMITONS_POR_OITAVA = 12;
constexpr float SEGUNDOS_POR_MINUTO = 60.0f;
// The music is limited gently and only near its loudest peaks; one-shots are peak-normalised.
constexpr float JOELHO_LIMITADOR = 0.5f;
constexpr float TETO_LIMITADOR = 0.89f;  // -1 dBFS, so Vorbis overshoot doesn't clip
// Seeds of different tracks and notes must differ, or every hat would be the same noise.
constexpr uint32_t SEMENTE_FAIXA = 0x2545F491u;
constexpr uint32_t SEMENTE_EVENTO = 0x9E3779B1u;

std::vector<std::string> separa(const std::string& texto, char separador)
{
    std::vector<std::string> partes;
    std::string atual;
    for (char c : texto) {
        if (c == separador) {
            partes.push_back(atual);
            atual.clear();
        } else {
            atual += c;
        }
    }
    partes.push_back(atual);
    return partes;
}

std::vector<std::string> palavras(const std::string& texto)
{
    std::istringstream in(texto);
    std::vector<std::string> saida;
    std::string p;
    while (in >> p)
        saida.push_back(p);
    return saida;
}

// "f#5" -> MIDI number; false if it isn't a note.
bool leNota(const std::string& s, int& midi)
{
    static const int SEMITOM[] = {9, 11, 0, 2, 4, 5, 7};  // a b c d e f g
    if (s.size() < 2 || s[0] < 'a' || s[0] > 'g')
        return false;
    int nota = SEMITOM[s[0] - 'a'];
    size_t i = 1;
    if (s[i] == '#' || s[i] == 'b') {
        nota += s[i] == '#' ? 1 : -1;
        ++i;
    }
    if (i + 1 != s.size() || !std::isdigit(static_cast<unsigned char>(s[i])))
        return false;
    midi = (s[i] - '0' + 1) * SEMITONS_POR_OITAVA + nota;
    return true;
}

}  // namespace

bool leNotacao(const std::string& texto, std::vector<Evento>& eventos, int& totalPassos,
               std::string& erro)
{
    eventos.clear();
    totalPassos = 0;
    bool segurando = false;  // a '-' may extend the last event
    std::string semBarras = texto;
    // Bar lines are only for the reader, and may touch a note when strings are joined.
    for (char& c : semBarras) {
        if (c == '|')
            c = ' ';
    }
    for (std::string token : palavras(semBarras)) {
        if (token == "-") {
            if (segurando)
                ++eventos.back().passos;
            ++totalPassos;
            continue;
        }
        if (token == ".") {
            segurando = false;
            ++totalPassos;
            continue;
        }
        Evento ev;
        ev.passo = totalPassos;
        if (token == "X") {
            ev.velocidade = VELOCIDADE_ACENTO;
        } else if (token == "o") {
            ev.velocidade = VELOCIDADE_FANTASMA;
        } else if (token != "x") {
            const char fim = token.back();
            if (fim == '!' || fim == '?') {
                ev.velocidade = fim == '!' ? VELOCIDADE_ACENTO : VELOCIDADE_SUAVE;
                token.pop_back();
            }
            for (const std::string& parte : separa(token, '+')) {
                int midi = 0;
                if (!leNota(parte, midi)) {
                    erro = "nota invalida '" + parte + "' no passo " + std::to_string(totalPassos);
                    return false;
                }
                ev.notas.push_back(midi);
            }
        }
        eventos.push_back(ev);
        segurando = true;
        ++totalPassos;
    }
    return true;
}

std::string arpeja(const std::string& acordes, const std::string& padrao)
{
    const std::vector<std::string> tokens = palavras(padrao);
    std::string saida;
    for (const std::string& acorde : separa(acordes, '|')) {
        const std::vector<std::string> notas = palavras(acorde);
        if (notas.empty())
            continue;
        for (const std::string& t : tokens) {
            std::string escrito;
            if (t == "*") {
                for (const std::string& nota : notas)
                    escrito += (escrito.empty() ? "" : "+") + nota;
            } else if (!std::isdigit(static_cast<unsigned char>(t[0]))) {
                escrito = t;
            } else {
                for (const std::string& indice : separa(t, '+')) {
                    const size_t n = static_cast<size_t>(std::atoi(indice.c_str()));
                    escrito += (escrito.empty() ? "" : "+") + (n < notas.size() ? notas[n] : "?");
                }
            }
            saida += escrito + " ";
        }
    }
    return saida;
}

Faixa faixa(const char* nome, const Instrumento& ins, std::string notas, int ticksPorPasso)
{
    Faixa f;
    f.nome = nome;
    f.instrumento = ins;
    f.notas = std::move(notas);
    f.ticksPorPasso = ticksPorPasso;
    return f;
}

std::string repete(const std::string& texto, int vezes)
{
    std::string saida;
    for (int i = 0; i < vezes; ++i)
        saida += texto + " ";
    return saida;
}

namespace {

bool tocaFaixas(const Peca& peca, Mistura& mistura, int ticksEsperados, std::string& erro)
{
    const double segundosPorTick = SEGUNDOS_POR_MINUTO / peca.bpm / TICKS_POR_BATIDA;
    uint32_t sementeFaixa = SEMENTE_FAIXA;
    for (const Faixa& faixa : peca.faixas) {
        sementeFaixa = sementeFaixa * SEMENTE_EVENTO + 1u;
        std::vector<Evento> eventos;
        int passos = 0;
        if (!leNotacao(faixa.notas, eventos, passos, erro)) {
            erro = std::string(faixa.nome) + ": " + erro;
            return false;
        }
        if (ticksEsperados > 0 && passos * faixa.ticksPorPasso != ticksEsperados) {
            erro = std::string(faixa.nome) + ": " + std::to_string(passos * faixa.ticksPorPasso) +
                   " ticks, a peca tem " + std::to_string(ticksEsperados);
            return false;
        }
        GeradorRuido variacao(sementeFaixa);
        uint32_t semente = sementeFaixa;
        for (const Evento& ev : eventos) {
            const int tick = ev.passo * faixa.ticksPorPasso;
            float vel = faixa.velocidade * ev.velocidade;
            if (tick % TICKS_POR_BATIDA == 0)
                vel *= 1.0f + faixa.acento;
            vel *= 1.0f + faixa.variacao * variacao.amostra();
            const double inicio = tick * segundosPorTick;
            const double duracao = ev.passos * faixa.ticksPorPasso * segundosPorTick * faixa.legato;
            if (ev.notas.empty())
                tocaNota(mistura, faixa.instrumento, inicio, duracao, 0.0f, vel, semente);
            for (int nota : ev.notas) {
                const float f = frequenciaMidi(static_cast<float>(nota + faixa.transposicao));
                tocaNota(mistura, faixa.instrumento, inicio, duracao, f, vel, semente);
                semente = semente * SEMENTE_EVENTO + 1u;
            }
            semente = semente * SEMENTE_EVENTO + 1u;
        }
    }
    return true;
}

}  // namespace

bool tocaPeca(const Peca& peca, std::vector<float>& estereo, std::string& erro)
{
    const int ticks = peca.compassos * peca.ticksPorCompasso;
    const double segundos = ticks * SEGUNDOS_POR_MINUTO / peca.bpm / TICKS_POR_BATIDA;
    if (ticks <= 0 || peca.bpm <= 0.0f) {
        erro = peca.titulo + ": peca vazia";
        return false;
    }
    Mistura mistura(static_cast<size_t>(std::lround(segundos * TAXA_AMOSTRAGEM)), true);
    if (!tocaFaixas(peca, mistura, ticks, erro)) {
        erro = peca.titulo + ": " + erro;
        return false;
    }
    aplicaEfeitos(mistura, peca.efeitos);
    normalizaRms(mistura, peca.rmsAlvoDb);
    estereo = intercala(mistura, 2, JOELHO_LIMITADOR, TETO_LIMITADOR);
    return true;
}

bool tocaUmaVez(const Peca& peca, float segundos, int canais, std::vector<float>& saida,
                std::string& erro)
{
    Mistura mistura(static_cast<size_t>(std::lround(segundos * TAXA_AMOSTRAGEM)), false);
    if (!tocaFaixas(peca, mistura, 0, erro)) {
        erro = peca.titulo + ": " + erro;
        return false;
    }
    saida = finalizaUmaVez(mistura, peca.efeitos, canais, peca.picoAlvoDb);
    return true;
}
