// Asset generator: echo, reverb, normalisation and limiting of a finished mix.
// Depends on efeitos.h and the C++ standard library.
#include "tools/gerador/som/efeitos.h"

#include <algorithm>
#include <cmath>

namespace {

// Comb and all-pass lengths in frames at 22050 Hz, mutually prime so the echoes don't pile
// up into a metallic ring; the right side is a few frames longer for width.
constexpr size_t PENTES[] = {557, 593, 641, 677};
constexpr size_t PASSA_TUDOS[] = {277, 211};
constexpr size_t ESPALHAMENTO_ESTEREO = 13;
constexpr float GANHO_PASSA_TUDO = 0.5f;
// Four combs in parallel add up; this brings their sum back to the input's level.
constexpr float ESCALA_PENTES = 0.25f;

class Pente {
public:
    explicit Pente(size_t tamanho) : linha(tamanho, 0.0f) {}
    float processa(float x, float realimentacao, float abafamento)
    {
        const float saida = linha[posicao];
        filtrada = saida * (1.0f - abafamento) + filtrada * abafamento;
        linha[posicao] = x + filtrada * realimentacao;
        posicao = (posicao + 1) % linha.size();
        return saida;
    }

private:
    std::vector<float> linha;
    size_t posicao = 0;
    float filtrada = 0.0f;
};

class PassaTudo {
public:
    explicit PassaTudo(size_t tamanho) : linha(tamanho, 0.0f) {}
    float processa(float x)
    {
        const float atrasada = linha[posicao];
        const float saida = atrasada - x;
        linha[posicao] = x + atrasada * GANHO_PASSA_TUDO;
        posicao = (posicao + 1) % linha.size();
        return saida;
    }

private:
    std::vector<float> linha;
    size_t posicao = 0;
};

class Reverb {
public:
    explicit Reverb(size_t espalhamento)
    {
        for (size_t p : PENTES)
            pentes.emplace_back(p + espalhamento);
        for (size_t a : PASSA_TUDOS)
            passaTudos.emplace_back(a + espalhamento);
    }
    float processa(float x, const Efeitos& ef)
    {
        float soma = 0.0f;
        for (Pente& p : pentes)
            soma += p.processa(x, ef.reverbSala, ef.reverbAbafamento);
        soma *= ESCALA_PENTES;
        for (PassaTudo& a : passaTudos)
            soma = a.processa(soma);
        return soma;
    }

private:
    std::vector<Pente> pentes;
    std::vector<PassaTudo> passaTudos;
};

}  // namespace

float dbParaLinear(float db)
{
    return std::pow(10.0f, db / 20.0f);
}

void aplicaEfeitos(Mistura& m, const Efeitos& ef)
{
    const size_t n = m.quadros();
    const bool temEco = ef.ecoSegundos > 0.0f && ef.ecoNivel > 0.0f;
    const bool temReverb = ef.reverbNivel > 0.0f;
    if (n == 0 || (!temEco && !temReverb))
        return;
    const size_t atraso =
        std::max<size_t>(1, static_cast<size_t>(std::lround(ef.ecoSegundos * TAXA_AMOSTRAGEM)));
    // Ping-pong: each side's line is fed by the other side's repeats.
    std::vector<float> linhaEsq(atraso, 0.0f), linhaDir(atraso, 0.0f);
    size_t posicao = 0;
    Reverb reverbEsq(0), reverbDir(ESPALHAMENTO_ESTEREO);
    const int passagens = m.circular() ? 2 : 1;
    for (int passagem = 0; passagem < passagens; ++passagem) {
        const bool escreve = passagem == passagens - 1;
        for (size_t i = 0; i < n; ++i) {
            const float entEsq = m.envioEsq[i], entDir = m.envioDir[i];
            float saiEsq = 0.0f, saiDir = 0.0f;
            if (temEco) {
                const float ecoEsq = linhaEsq[posicao], ecoDir = linhaDir[posicao];
                linhaEsq[posicao] = entEsq + ecoDir * ef.ecoRealimentacao;
                linhaDir[posicao] = entDir + ecoEsq * ef.ecoRealimentacao;
                posicao = (posicao + 1) % atraso;
                saiEsq += ecoEsq * ef.ecoNivel;
                saiDir += ecoDir * ef.ecoNivel;
            }
            if (temReverb) {
                const float meio = 0.5f * (entEsq + entDir);
                saiEsq += reverbEsq.processa(meio, ef) * ef.reverbNivel;
                saiDir += reverbDir.processa(meio, ef) * ef.reverbNivel;
            }
            if (escreve) {
                m.esquerda[i] += saiEsq;
                m.direita[i] += saiDir;
            }
        }
    }
}

void normalizaRms(Mistura& m, float alvoDb)
{
    double soma = 0.0;
    for (size_t i = 0; i < m.quadros(); ++i)
        soma += double(m.esquerda[i]) * m.esquerda[i] + double(m.direita[i]) * m.direita[i];
    if (soma <= 0.0)
        return;
    const double rms = std::sqrt(soma / (2.0 * m.quadros()));
    const float ganho = static_cast<float>(dbParaLinear(alvoDb) / rms);
    for (size_t i = 0; i < m.quadros(); ++i) {
        m.esquerda[i] *= ganho;
        m.direita[i] *= ganho;
    }
}

void normalizaPico(Mistura& m, float alvoDb)
{
    float pico = 0.0f;
    for (size_t i = 0; i < m.quadros(); ++i)
        pico = std::max({pico, std::fabs(m.esquerda[i]), std::fabs(m.direita[i])});
    if (pico <= 0.0f)
        return;
    const float ganho = dbParaLinear(alvoDb) / pico;
    for (size_t i = 0; i < m.quadros(); ++i) {
        m.esquerda[i] *= ganho;
        m.direita[i] *= ganho;
    }
}

void desvaneceFinal(Mistura& m, float segundos)
{
    const size_t n = m.quadros();
    const size_t fade = std::min(n, static_cast<size_t>(segundos * TAXA_AMOSTRAGEM));
    for (size_t k = 0; k < fade; ++k) {
        // Raised cosine from 1 down to exactly 0 on the last frame.
        const float x = static_cast<float>(k + 1) / fade;
        const float g = 0.5f + 0.5f * std::cos(x * 3.14159265f);
        m.esquerda[n - fade + k] *= g;
        m.direita[n - fade + k] *= g;
    }
}

float limitaSuave(float x, float joelho, float teto)
{
    const float a = std::fabs(x);
    if (a <= joelho || teto <= joelho)
        return x;
    const float faixa = teto - joelho;
    const float y = joelho + faixa * std::tanh((a - joelho) / faixa);
    return std::copysign(y, x);
}

std::vector<float> finalizaUmaVez(Mistura& m, const Efeitos& efeitos, int canais, float picoDb)
{
    constexpr float FADE_FINAL = 0.015f;
    aplicaEfeitos(m, efeitos);
    desvaneceFinal(m, FADE_FINAL);
    normalizaPico(m, picoDb);
    // Peak-normalised below full scale, so nothing reaches the knee: no limiting needed.
    return intercala(m, canais, 1.0f, 1.0f);
}

std::vector<float> intercala(const Mistura& m, int canais, float joelho, float teto)
{
    std::vector<float> saida;
    saida.reserve(m.quadros() * (canais == 1 ? 1 : 2));
    for (size_t i = 0; i < m.quadros(); ++i) {
        if (canais == 1) {
            saida.push_back(limitaSuave(0.5f * (m.esquerda[i] + m.direita[i]), joelho, teto));
        } else {
            saida.push_back(limitaSuave(m.esquerda[i], joelho, teto));
            saida.push_back(limitaSuave(m.direita[i], joelho, teto));
        }
    }
    return saida;
}
