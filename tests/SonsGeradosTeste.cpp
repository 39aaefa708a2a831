// Tests of the generated sound: the score notation, the synthesizer's voices, loop-wrapping
// mix and limiter, the WAV and Vorbis writers, the sound effects (same bytes every run, and
// loadable and click-free through SDL_mixer) and the shipped music in data/music decoded as
// the game decodes it: long enough, loud enough, and looping without a click.
// Depends on gtest, SDL_mixer, the generator's sound sources and the scratch directory helper.
#include <SDL.h>
#include <SDL_mixer.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <iterator>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "tests/ArquivosTemporarios.h"
#include "tools/gerador/partitura.h"
#include "tools/gerador/partitura_pecas.h"
#include "tools/gerador/sintetizador_saida.h"
#include "tools/gerador/sons.h"

namespace {

const int TAXA = 22050;
const int CANAIS_DISPOSITIVO = 2;
const float ESCALA_16 = 32768.0f;
const double PI = 3.14159265358979;
const char* const EFEITOS[] = {"opc_foco.wav", "opc_escolha.wav", "grunz_success.wav"};
const char* const MUSICAS[] = {"data/music/nintendo.ogg", "data/music/CHO7-31ko.ogg",
                               "data/music/3VIL-42ko.ogg"};
const double MUSICA_MINIMA_S = 45.0;
// Comfortable loudness for the music, in dBFS RMS, with a little room around the target.
const double RMS_MUSICA_MIN_DB = -20.0;
const double RMS_MUSICA_MAX_DB = -12.0;

// Samples of one channel, in -1..1.
struct Audio {
    std::vector<float> esq, dir;
    double segundos() const { return double(esq.size()) / TAXA; }
};

// Opens the mixer as the game does; every test that decodes needs it.
class SomGeradoTeste : public ::testing::Test {
protected:
    void SetUp() override
    {
        setenv("SDL_AUDIODRIVER", "dummy", 0);
        ASSERT_EQ(SDL_Init(SDL_INIT_AUDIO), 0) << SDL_GetError();
        ASSERT_EQ(Mix_OpenAudio(TAXA, AUDIO_S16SYS, CANAIS_DISPOSITIVO, 4096), 0) << Mix_GetError();
    }
    void TearDown() override
    {
        Mix_CloseAudio();
        SDL_Quit();
    }

    // Decodes any file SDL_mixer reads as a chunk (WAV, and Ogg Vorbis) into device format.
    static bool decodifica(const std::string& caminho, Audio& audio)
    {
        Mix_Chunk* c = Mix_LoadWAV(caminho.c_str());
        if (c == nullptr)
            return false;
        const Sint16* s = reinterpret_cast<const Sint16*>(c->abuf);
        const size_t quadros = c->alen / (sizeof(Sint16) * CANAIS_DISPOSITIVO);
        for (size_t i = 0; i < quadros; ++i) {
            audio.esq.push_back(s[2 * i] / ESCALA_16);
            audio.dir.push_back(s[2 * i + 1] / ESCALA_16);
        }
        Mix_FreeChunk(c);
        return true;
    }
};

double rmsDb(const Audio& a)
{
    double soma = 0.0;
    for (size_t i = 0; i < a.esq.size(); ++i)
        soma += double(a.esq[i]) * a.esq[i] + double(a.dir[i]) * a.dir[i];
    return 10.0 * std::log10(soma / (2.0 * a.esq.size()) + 1e-20);
}

float pico(const Audio& a)
{
    float p = 0.0f;
    for (size_t i = 0; i < a.esq.size(); ++i)
        p = std::max({p, std::fabs(a.esq[i]), std::fabs(a.dir[i])});
    return p;
}

// How far the last frame jumps to the first when the file loops, and the 99th percentile of
// the ordinary frame-to-frame steps inside it: a click is a jump far above the ordinary.
void costura(const Audio& a, float& salto, float& passoTipico)
{
    salto = std::max(std::fabs(a.esq.back() - a.esq.front()),
                     std::fabs(a.dir.back() - a.dir.front()));
    std::vector<float> passos;
    for (size_t i = 1; i < a.esq.size(); ++i)
        passos.push_back(std::fabs(a.esq[i] - a.esq[i - 1]));
    std::nth_element(passos.begin(), passos.begin() + passos.size() * 99 / 100, passos.end());
    passoTipico = passos[passos.size() * 99 / 100];
}

// Crossings of zero going up, per second: the pitch of a clean tone.
double cruzamentosPorSegundo(const std::vector<float>& s, size_t de, size_t ate)
{
    int n = 0;
    for (size_t i = de + 1; i < ate; ++i)
        n += s[i - 1] < 0.0f && s[i] >= 0.0f;
    return n * double(TAXA) / (ate - de);
}

TEST(Partitura, NotacaoArpejosEErros)
{
    std::vector<Evento> ev;
    int passos = 0;
    std::string erro;
    ASSERT_TRUE(leNotacao("c4 - . |e4+g4! x|o bb3? f#5", ev, passos, erro)) << erro;
    EXPECT_EQ(passos, 8);
    ASSERT_EQ(ev.size(), 6u);
    EXPECT_EQ(ev[0].passo, 0);
    EXPECT_EQ(ev[0].passos, 2);
    EXPECT_EQ(ev[0].notas, std::vector<int>{60});
    EXPECT_EQ(ev[1].passo, 3);
    EXPECT_EQ(ev[1].notas, (std::vector<int>{64, 67}));
    EXPECT_GT(ev[1].velocidade, 1.0f);
    EXPECT_TRUE(ev[2].notas.empty());
    EXPECT_LT(ev[3].velocidade, ev[2].velocidade);
    EXPECT_EQ(ev[4].notas, std::vector<int>{58});
    EXPECT_LT(ev[4].velocidade, 1.0f);
    EXPECT_EQ(ev[5].notas, std::vector<int>{78});

    // A hold after a rest extends nothing.
    ASSERT_TRUE(leNotacao("c4 . - d4", ev, passos, erro));
    EXPECT_EQ(ev[0].passos, 1);
    EXPECT_EQ(ev[1].passo, 3);

    for (const char* ruim : {"h4", "c", "c#", "c44", "cb", "c4+", "!", "e4 ?"})
        EXPECT_FALSE(leNotacao(std::string("c4 ") + ruim, ev, passos, erro)) << ruim;
    EXPECT_FALSE(leNotacao("c4 zz", ev, passos, erro));
    EXPECT_NE(erro.find("zz"), std::string::npos) << erro;

    EXPECT_EQ(arpeja("c4 e4 g4 | d4 f4 a4", "0 2 . 0+1 * -"),
              "c4 g4 . c4+e4 c4+e4+g4 - d4 a4 . d4+f4 d4+f4+a4 - ");
    // An index the chord doesn't have must not slip through as silence.
    EXPECT_FALSE(leNotacao(arpeja("c4 e4", "0 1 2"), ev, passos, erro));
    EXPECT_EQ(repete("x .", 2), "x . x . ");
}

// A wrong accidental in a score ("b4" for "bb4") plays a sour note no build step notices.
TEST(Partitura, PecasTocamSoNotasDoSeuTomEDuramOBastante)
{
    const int FA_MAIOR[] = {5, 7, 9, 10, 0, 2, 4};
    const int SI_BEMOL_MAIOR[] = {10, 0, 2, 3, 5, 7, 9};
    struct Caso {
        Peca peca;
        const int* escala;
    };
    const Caso casos[] = {{pecaMenu(), FA_MAIOR}, {pecaJogo(), FA_MAIOR},
                          {pecaCreditos(), SI_BEMOL_MAIOR}};
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.peca.titulo);
        const int ticks = c.peca.compassos * c.peca.ticksPorCompasso;
        EXPECT_GE(double(ticks) / TICKS_POR_BATIDA * 60.0 / c.peca.bpm, MUSICA_MINIMA_S);
        for (const Faixa& f : c.peca.faixas) {
            std::vector<Evento> eventos;
            int passos = 0;
            std::string erro;
            ASSERT_TRUE(leNotacao(f.notas, eventos, passos, erro)) << f.nome << ": " << erro;
            EXPECT_EQ(passos * f.ticksPorPasso, ticks) << f.nome;
            for (const Evento& ev : eventos) {
                for (int nota : ev.notas) {
                    const int classe = (nota + f.transposicao) % 12;
                    EXPECT_NE(std::find(c.escala, c.escala + 7, classe), c.escala + 7)
                        << f.nome << ": MIDI " << nota << " at step " << ev.passo;
                }
            }
        }
    }
}

TEST(Sintetizador, NotaAfinadaComEnvelopeQueComecaETerminaEmSilencio)
{
    Instrumento tri;
    tri.onda = Onda::Triangulo;
    tri.envelope = {0.01f, 0.1f, 0.6f, 0.1f};
    Mistura m(TAXA * 2, false);
    tocaNota(m, tri, 0.0, 1.0, 440.0f, 1.0f, 1);
    EXPECT_EQ(m.esquerda[0], 0.0f);
    EXPECT_NEAR(cruzamentosPorSegundo(m.esquerda, TAXA / 10, TAXA), 440.0, 2.0);
    const size_t fimLiberacao = static_cast<size_t>(1.1 * TAXA) + 2;
    for (size_t i = fimLiberacao; i < m.quadros(); ++i)
        ASSERT_EQ(m.esquerda[i], 0.0f) << "tail still sounding at frame " << i;

    const Envelope& e = tri.envelope;
    EXPECT_FLOAT_EQ(nivelEnvelope(e, 0.0, 1.0), 0.0f);
    EXPECT_NEAR(nivelEnvelope(e, 0.01, 1.0), 1.0f, 1e-3);
    EXPECT_NEAR(nivelEnvelope(e, 0.9, 1.0), 0.6f, 1e-3);
    float antes = nivelEnvelope(e, 1.0, 1.0);
    for (double t = 1.0; t < 1.1; t += 0.005) {
        const float agora = nivelEnvelope(e, t, 1.0);
        EXPECT_LE(agora, antes + 1e-6f) << "release rises at " << t;
        antes = agora;
    }
    EXPECT_NEAR(nivelEnvelope(e, 1.1, 1.0), 0.0f, 1e-6);
    EXPECT_EQ(nivelEnvelope(e, 1.101, 1.0), 0.0f);
    EXPECT_NEAR(frequenciaMidi(69.0f), 440.0f, 1e-3);
    EXPECT_NEAR(frequenciaMidi(81.0f), 880.0f, 1e-2);

    // A narrow pulse must mix around zero, or every note would thump the speaker.
    Instrumento pulso;
    pulso.ciclo = 0.125f;
    pulso.envelope = {0.001f, 0.0f, 1.0f, 0.001f};
    Mistura p(TAXA, false);
    tocaNota(p, pulso, 0.0, 0.9, 441.0f, 1.0f, 1);
    double media = 0.0;
    for (size_t i = 0; i < size_t(0.9 * TAXA); ++i)
        media += p.esquerda[i];
    EXPECT_NEAR(media / (0.9 * TAXA), 0.0, 0.01);

    GeradorRuido a(7), b(7), c(8);
    bool diferem = false;
    for (int i = 0; i < 1000; ++i) {
        const float x = a.amostra();
        ASSERT_EQ(x, b.amostra());
        ASSERT_GE(x, -1.0f);
        ASSERT_LT(x, 1.0f);
        diferem = diferem || x != c.amostra();
    }
    EXPECT_TRUE(diferem);
}

TEST(Sintetizador, LacoDobraCaudasEEfeitosParaOInicioELimitaSemSaltos)
{
    Instrumento sino;
    sino.onda = Onda::Seno;
    sino.envelope = {0.002f, 0.3f, 0.0f, 0.3f};
    sino.envio = 1.0f;
    const size_t n = TAXA;
    Mistura circular(n, true), linear(n, false);
    tocaNota(circular, sino, 0.9, 0.2, 440.0f, 1.0f, 1);
    tocaNota(linear, sino, 0.9, 0.2, 440.0f, 1.0f, 1);
    EXPECT_NE(circular.esquerda[TAXA / 20], 0.0f) << "the tail past the loop end was lost";
    EXPECT_EQ(linear.esquerda[TAXA / 20], 0.0f);

    // An echo of a note at the end must also be heard over the start.
    Mistura eco(n, true);
    sino.envelope = {0.001f, 0.02f, 0.0f, 0.01f};
    tocaNota(eco, sino, 0.95, 0.02, 440.0f, 1.0f, 1);
    const std::vector<float> seco = eco.esquerda;
    Efeitos efeitos;
    efeitos.ecoSegundos = 0.1f;
    efeitos.ecoNivel = 0.5f;
    aplicaEfeitos(eco, efeitos);
    float ecoNoInicio = 0.0f;
    for (size_t i = 0; i < size_t(0.1 * TAXA); ++i)
        ecoNoInicio = std::max(ecoNoInicio, std::fabs(eco.esquerda[i] - seco[i]));
    EXPECT_GT(ecoNoInicio, 0.01f);

    // The limiter leaves quiet samples alone, never passes its ceiling, and bends smoothly.
    EXPECT_EQ(limitaSuave(0.3f, 0.5f, 0.9f), 0.3f);
    EXPECT_EQ(limitaSuave(-0.5f, 0.5f, 0.9f), -0.5f);
    float anterior = 0.0f;
    for (float x = 0.0f; x < 20.0f; x += 0.001f) {
        const float y = limitaSuave(x, 0.5f, 0.9f);
        ASSERT_LE(y, 0.9f);
        ASSERT_GE(y, anterior);
        ASSERT_LT(y - anterior, 0.0011f) << "jump at " << x;
        anterior = y;
    }
    EXPECT_EQ(limitaSuave(-3.0f, 0.5f, 0.9f), -limitaSuave(3.0f, 0.5f, 0.9f));
}

TEST(Sintetizador, PecaRecusaFaixaDeTamanhoErradoENormalizaOVolume)
{
    Peca peca;
    peca.titulo = "teste";
    peca.bpm = 120.0f;
    peca.compassos = 2;
    Faixa f;
    f.nome = "curta";
    f.notas = "c4 e4 g4 c5 | c5 g4 e4";  // one eighth short of two bars
    peca.faixas.push_back(f);
    std::vector<float> saida;
    std::string erro;
    EXPECT_FALSE(tocaPeca(peca, saida, erro));
    EXPECT_NE(erro.find("curta"), std::string::npos) << erro;

    peca.faixas[0].notas += " c4 | c4 - - - e4 - - -";
    ASSERT_TRUE(tocaPeca(peca, saida, erro)) << erro;
    ASSERT_EQ(saida.size(), size_t(2 * 4 * TAXA));  // two bars of 4/4 at 120 BPM, stereo
    double soma = 0.0;
    for (float s : saida)
        soma += double(s) * s;
    EXPECT_NEAR(10.0 * std::log10(soma / saida.size()), peca.rmsAlvoDb, 0.5);
}

TEST_F(SomGeradoTeste, GravadoresEscrevemOQueOMixerLe)
{
    DiretorioTemporario dir;
    std::vector<float> tom;
    for (int i = 0; i < TAXA; ++i) {
        const float s = 0.5f * std::sin(2.0 * PI * 440.0 * i / TAXA);
        tom.push_back(s);
        tom.push_back(-s);
    }
    std::string erro;
    const std::string ogg = dir.caminho("tom.ogg"), ogg2 = dir.caminho("tom2.ogg");
    ASSERT_TRUE(gravaOgg(ogg, tom, 2, TAXA, 0.3f, "tom", erro)) << erro;
    ASSERT_TRUE(gravaOgg(ogg2, tom, 2, TAXA, 0.3f, "tom", erro)) << erro;
    EXPECT_EQ(DiretorioTemporario::le(ogg), DiretorioTemporario::le(ogg2));
    Audio a;
    ASSERT_TRUE(decodifica(ogg, a)) << Mix_GetError();
    EXPECT_EQ(a.esq.size(), size_t(TAXA)) << "the decoder must give back exactly what went in";
    EXPECT_NEAR(cruzamentosPorSegundo(a.esq, 0, a.esq.size()), 440.0, 3.0);
    double produto = 0.0, energia = 0.0;
    for (size_t i = 0; i < a.esq.size(); ++i) {
        produto += double(a.esq[i]) * a.dir[i];
        energia += double(a.esq[i]) * a.esq[i];
    }
    EXPECT_NEAR(produto / energia, -1.0, 0.05) << "the channels were mixed together";

    const std::string wav = dir.caminho("tom.wav");
    const std::vector<float> extremos = {0.5f, -0.5f, 2.0f, -2.0f};
    ASSERT_TRUE(gravaWav(wav, extremos, 1, TAXA, erro)) << erro;
    const std::string b = DiretorioTemporario::le(wav);
    ASSERT_EQ(b.size(), 44u + 8u);
    EXPECT_EQ(b.substr(0, 4), "RIFF");
    EXPECT_EQ(b.substr(8, 8), "WAVEfmt ");
    EXPECT_EQ(b.substr(36, 4), "data");
    auto le16 = [&b](size_t i) { return int16_t(uint8_t(b[i]) | (uint8_t(b[i + 1]) << 8)); };
    auto le32 = [&le16](size_t i) {
        return uint32_t(uint16_t(le16(i))) | (uint32_t(uint16_t(le16(i + 2))) << 16);
    };
    EXPECT_EQ(le32(4), b.size() - 8);
    EXPECT_EQ(le32(24), uint32_t(TAXA));
    EXPECT_EQ(le32(40), 8u);
    EXPECT_EQ(le16(22), 1);  // channels
    EXPECT_EQ(le16(44), 16384);
    EXPECT_EQ(le16(46), -16384);
    EXPECT_EQ(le16(48), 32767);
    EXPECT_EQ(le16(50), -32767);
    EXPECT_FALSE(gravaWav(dir.caminho("nao/existe.wav"), extremos, 1, TAXA, erro));
    EXPECT_FALSE(erro.empty());
}

TEST_F(SomGeradoTeste, EfeitosSaoSempreOsMesmosBytesECurtosSemEstalo)
{
    DiretorioTemporario um, dois;
    std::filesystem::create_directory(um.caminho("sfx"));
    std::filesystem::create_directory(dois.caminho("sfx"));
    ASSERT_TRUE(geraSons(um.caminho("")));
    ASSERT_TRUE(geraSons(dois.caminho("")));
    struct Duracao {
        double min, max;
    };
    const Duracao duracoes[] = {{0.06, 0.09}, {0.2, 0.3}, {0.8, 1.3}};
    for (size_t i = 0; i < std::size(EFEITOS); ++i) {
        SCOPED_TRACE(EFEITOS[i]);
        const std::string caminho = um.caminho(std::string("sfx/") + EFEITOS[i]);
        const std::string bytes = DiretorioTemporario::le(caminho);
        ASSERT_FALSE(bytes.empty());
        EXPECT_EQ(bytes, DiretorioTemporario::le(dois.caminho(std::string("sfx/") + EFEITOS[i])));
        Audio a;
        ASSERT_TRUE(decodifica(caminho, a)) << Mix_GetError();
        EXPECT_GE(a.segundos(), duracoes[i].min);
        EXPECT_LE(a.segundos(), duracoes[i].max);
        EXPECT_GT(pico(a), 0.3f);
        EXPECT_LT(pico(a), 0.99f);
        // Starts from and ends at silence: no click when the channel starts or stops.
        EXPECT_LT(std::fabs(a.esq.front()), 0.01f);
        EXPECT_LT(std::fabs(a.esq.back()), 0.01f);
    }
}

TEST_F(SomGeradoTeste, MusicasLongasAudiveisEEmLacoSemEstalo)
{
    for (const char* arquivo : MUSICAS) {
        SCOPED_TRACE(arquivo);
        Mix_Music* musica = Mix_LoadMUS(arquivo);
        ASSERT_NE(musica, nullptr) << Mix_GetError();
        Mix_FreeMusic(musica);
        Audio a;
        ASSERT_TRUE(decodifica(arquivo, a)) << Mix_GetError();
        EXPECT_GE(a.segundos(), MUSICA_MINIMA_S);
        const double rms = rmsDb(a);
        EXPECT_GT(rms, RMS_MUSICA_MIN_DB);
        EXPECT_LT(rms, RMS_MUSICA_MAX_DB);
        EXPECT_LT(pico(a), 32767.0f / ESCALA_16) << "clipped";
        float salto = 0.0f, tipico = 0.0f;
        costura(a, salto, tipico);
        EXPECT_LT(salto, tipico) << "the loop seam clicks";
        // Both sides carry sound, and not the same sound: the instruments are panned.
        double diferenca = 0.0;
        for (size_t i = 0; i < a.esq.size(); ++i)
            diferenca += std::fabs(a.esq[i] - a.dir[i]);
        EXPECT_GT(diferenca / a.esq.size(), 0.01);
    }
}

}  // namespace
