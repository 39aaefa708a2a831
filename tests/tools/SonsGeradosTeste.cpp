// Tests of the generated sound: score notation, synthesizer voices, the looping mix and its
// limiter, the WAV and Vorbis writers read back through SDL_mixer, and the shipped effects
// and music (data/ is the generator's output: DadosTeste checks it).
#include <SDL.h>
#include <SDL_mixer.h>

#include <algorithm>
#include <cmath>
#include <numeric>
#include <string>
#include <tuple>
#include <vector>

#include <gtest/gtest.h>

#include "tests/apoio/ArquivosTemporarios.h"
#include "tools/gerador/som/partitura.h"
#include "tools/gerador/som/pecas/pecas.h"
#include "tools/gerador/som/saida.h"

namespace {

const int TAXA = 22050;

struct Audio {
    std::vector<float> esq, dir;  // -1..1
};

// The mixer opened as the game opens it, decoding WAV and Ogg files into its stereo format.
class SomGerado : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_EQ(SDL_Init(SDL_INIT_AUDIO), 0) << SDL_GetError();
        ASSERT_EQ(Mix_OpenAudio(TAXA, AUDIO_S16SYS, 2, 4096), 0) << Mix_GetError();
    }
    void TearDown() override { Mix_CloseAudio(); SDL_Quit(); }
    static Audio decodifica(const std::string& caminho)
    {
        Audio a;
        Mix_Chunk* c = Mix_LoadWAV(caminho.c_str());
        EXPECT_NE(c, nullptr) << caminho << ": " << Mix_GetError();
        const Sint16* s = c != nullptr ? reinterpret_cast<const Sint16*>(c->abuf) : nullptr;
        for (size_t i = 0; c != nullptr && i < c->alen / 4; ++i) {
            a.esq.push_back(s[2 * i] / 32768.0f);
            a.dir.push_back(s[2 * i + 1] / 32768.0f);
        }
        Mix_FreeChunk(c);
        return a;
    }
};

TEST(Partitura, NotacaoEArpejos)
{
    std::vector<Evento> ev;
    int passos = 0;
    std::string erro;
    ASSERT_TRUE(leNotacao("c4 - . |e4+g4! x|o bb3? f#5", ev, passos, erro)) << erro;
    ASSERT_EQ(ev.size(), 6u);
    EXPECT_TRUE(passos == 8 && ev[0].passos == 2 && ev[1].passo == 3);
    EXPECT_EQ(ev[1].notas, (std::vector<int>{64, 67}));
    EXPECT_EQ(ev[4].notas, std::vector<int>{58});
    EXPECT_EQ(ev[5].notas, std::vector<int>{78});
    EXPECT_TRUE(ev[1].velocidade > 1 && ev[4].velocidade < 1 && ev[3].velocidade < 1);
    ASSERT_TRUE(leNotacao("c4 . - d4", ev, passos, erro));
    EXPECT_EQ(ev[0].passos, 1) << "a hold after a rest extends nothing";
    EXPECT_EQ(arpeja("c4 e4 g4 | d4 f4 a4", "0 2 . 0+1 * -"),
              "c4 g4 . c4+e4 c4+e4+g4 - d4 a4 . d4+f4 d4+f4+a4 - ");
    // An index the chord doesn't have must not slip through as silence.
    EXPECT_FALSE(leNotacao(arpeja("c4 e4", "0 1 2"), ev, passos, erro));
}

// A wrong accidental in a score ("b4" for "bb4") plays a sour note no build step notices.
TEST(Partitura, PecasTocamSoNotasDoSeuTom)
{
    const int FA[] = {5, 7, 9, 10, 0, 2, 4}, SI_BEMOL[] = {10, 0, 2, 3, 5, 7, 9};
    const std::pair<Peca, const int*> casos[] = {
        {pecaMenu(), FA}, {pecaJogo(), FA}, {pecaCreditos(), SI_BEMOL}};
    for (const auto& [peca, escala] : casos) {
        for (const Faixa& f : peca.faixas) {
            std::vector<Evento> eventos;
            int passos = 0;
            std::string erro;
            ASSERT_TRUE(leNotacao(f.notas, eventos, passos, erro)) << f.nome << ": " << erro;
            EXPECT_EQ(passos * f.ticksPorPasso, peca.compassos * peca.ticksPorCompasso) << f.nome;
            for (const Evento& ev : eventos)
                for (int nota : ev.notas)
                    EXPECT_NE(std::find(escala, escala + 7, (nota + f.transposicao) % 12),
                              escala + 7) << peca.titulo << "/" << f.nome << " step " << ev.passo;
        }
    }
}

TEST(Sintetizador, NotaAfinadaLacoEmCirculoELimitadorSemSaltos)
{
    Instrumento tri;
    tri.onda = Onda::Triangulo;
    tri.envelope = {0.01f, 0.1f, 0.6f, 0.1f};
    Mistura m(TAXA * 2, false);
    tocaNota(m, tri, 0.0, 1.0, 440.0f, 1.0f, 1);
    EXPECT_EQ(m.esquerda[0], 0.0f);
    int subidas = 0;  // zero crossings going up: the pitch
    for (size_t i = TAXA / 10; i < size_t(TAXA); ++i)
        subidas += m.esquerda[i - 1] < 0.0f && m.esquerda[i] >= 0.0f;
    EXPECT_NEAR(subidas / 0.9, 440.0, 2.0);
    for (size_t i = size_t(1.1 * TAXA) + 2; i < m.quadros(); ++i)
        ASSERT_EQ(m.esquerda[i], 0.0f) << "tail still sounding at frame " << i;

    // A narrow pulse must mix around zero, or every note would thump the speaker.
    Instrumento pulso;
    pulso.ciclo = 0.125f;
    pulso.envelope = {0.001f, 0.0f, 1.0f, 0.001f};
    Mistura p(TAXA, false);
    tocaNota(p, pulso, 0.0, 0.9, 441.0f, 1.0f, 1);
    const size_t n = 0.9 * TAXA;
    EXPECT_NEAR(std::accumulate(p.esquerda.begin(), p.esquerda.begin() + n, 0.0) / n, 0.0, 0.01);

    // A note at the loop's end rings on, and echoes, over its start.
    Instrumento sino;
    sino.onda = Onda::Seno;
    sino.envelope = {0.001f, 0.02f, 0.0f, 0.01f};
    sino.envio = 1.0f;
    Mistura laco(TAXA, true);
    tocaNota(laco, sino, 0.98, 0.02, 440.0f, 1.0f, 1);
    EXPECT_NE(laco.esquerda[TAXA / 200], 0.0f) << "the tail past the loop end was lost";
    const std::vector<float> seco = laco.esquerda;
    Efeitos efeitos;
    efeitos.ecoSegundos = 0.1f;
    efeitos.ecoNivel = 0.5f;
    aplicaEfeitos(laco, efeitos);
    float eco = 0.0f;
    for (size_t i = TAXA / 20; i < size_t(0.1 * TAXA); ++i)
        eco = std::max(eco, std::fabs(laco.esquerda[i] - seco[i]));
    EXPECT_GT(eco, 0.01f) << "the echo of a note at the end must wrap to the start";

    EXPECT_EQ(limitaSuave(-0.5f, 0.5f, 0.9f), -0.5f);
    EXPECT_EQ(limitaSuave(-3.0f, 0.5f, 0.9f), -limitaSuave(3.0f, 0.5f, 0.9f));
    float anterior = 0.0f;
    for (float x = 0.0f; x < 20.0f; x += 0.001f) {
        const float y = limitaSuave(x, 0.5f, 0.9f);
        ASSERT_TRUE(y <= 0.9f && y >= anterior && y - anterior < 0.0011f) << "at " << x;
        anterior = y;
    }
}

// Vorbis pads its last block: a loop longer than what went in would stutter at the seam.
TEST_F(SomGerado, GravadoresEscrevemOQueOMixerLe)
{
    DiretorioTemporario dir;
    std::string erro;
    const std::vector<float> tom(2 * TAXA, 0.25f);
    ASSERT_TRUE(gravaOgg(dir.caminho("t.ogg"), tom, 2, TAXA, 0.3f, "t", erro)) << erro;
    EXPECT_EQ(decodifica(dir.caminho("t.ogg")).esq.size(), size_t(TAXA));

    // Out-of-range samples are clamped, not wrapped into a click.
    ASSERT_TRUE(gravaWav(dir.caminho("w.wav"), {0.5f, -0.5f, 2.0f, -2.0f}, 1, TAXA, erro));
    const Audio w = decodifica(dir.caminho("w.wav"));
    EXPECT_EQ(w.esq, (std::vector<float>{0.5f, -0.5f, 32767 / 32768.0f, -32767 / 32768.0f}));
    EXPECT_EQ(w.dir, w.esq);
}

TEST_F(SomGerado, EfeitosSemEstaloEMusicasLongasAudiveisEEmLaco)
{
    const std::tuple<const char*, double, double> ARQUIVOS[] = {
        {"data/sfx/opc_foco.wav", 0.06, 0.09}, {"data/sfx/opc_escolha.wav", 0.2, 0.3},
        {"data/sfx/grunz_success.wav", 0.8, 1.3}, {"data/music/nintendo.ogg", 45, 1e6},
        {"data/music/CHO7-31ko.ogg", 45, 1e6}, {"data/music/3VIL-42ko.ogg", 45, 1e6}};
    for (const auto& [arquivo, min, max] : ARQUIVOS) {
        SCOPED_TRACE(arquivo);
        const Audio a = decodifica(arquivo);
        ASSERT_GE(a.esq.size(), min * TAXA);
        EXPECT_LE(a.esq.size(), max * TAXA);
        double energia = 0.0, diferenca = 0.0;
        float pico = 0.0f;
        std::vector<float> passos;
        for (size_t i = 0; i < a.esq.size(); ++i) {
            energia += double(a.esq[i]) * a.esq[i] + double(a.dir[i]) * a.dir[i];
            diferenca += std::fabs(a.esq[i] - a.dir[i]);
            pico = std::max({pico, std::fabs(a.esq[i]), std::fabs(a.dir[i])});
            if (i > 0)
                passos.push_back(std::fabs(a.esq[i] - a.esq[i - 1]));
        }
        if (min < 45) {  // an effect: from and back to silence, so it never clicks
            EXPECT_TRUE(pico > 0.3f && pico < 0.99f) << pico;
            EXPECT_LT(std::fabs(a.esq.front()) + std::fabs(a.esq.back()), 0.01f);
            continue;
        }
        const double rmsDb = 10.0 * std::log10(energia / (2.0 * a.esq.size()));
        EXPECT_TRUE(rmsDb > -20.0 && rmsDb < -12.0) << rmsDb << " dBFS";
        EXPECT_LT(pico, 32767 / 32768.0f) << "clipped";
        EXPECT_GT(diferenca / a.esq.size(), 0.01) << "the instruments are not panned";
        // A click at the loop seam is a jump far above the ordinary frame-to-frame step.
        const size_t p99 = passos.size() * 99 / 100;
        std::nth_element(passos.begin(), passos.begin() + p99, passos.end());
        EXPECT_LT(std::max(std::fabs(a.esq.back() - a.esq.front()),
                           std::fabs(a.dir.back() - a.dir.front())), passos[p99])
            << "the loop seam clicks";
    }
}

}  // namespace
