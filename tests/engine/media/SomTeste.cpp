// Sound service under SDL's dummy audio driver: its lines, loads and plays forced or not,
// slots out of range, music fades, and what ends the game. Missing and hostile files are in
// MidiaHostilTeste.
#include <SDL.h>
#include <gtest/gtest.h>

#include <cstdlib>

#include "engine/media/CSom.h"
#include "tests/apoio/ArquivosBrutos.h"
#include "tests/apoio/ArquivosTemporarios.h"

using namespace testing::internal;

static int paradas = 0;

// Sounds of 4 and 1.5 s, long enough to still be playing while a test looks.
class SomTeste : public ::testing::Test {
protected:
    DiretorioTemporario temporario;
    const std::string longo = temporario.escreve("longo.wav", bruto::wav(bruto::PCM16, 44100 * 4)),
                      curto = temporario.escreve("c.wav", bruto::wav(bruto::PCM16, 44100 * 3 / 2));
};

TEST_F(SomTeste, CarregaETocaComESemForcarEntreSuasLinhas)
{
    CaptureStdout();
    {
        CSom som;
        som.carregaSom(longo, 0, true);
        Mix_Chunk* primeiro = som.retornaSom(0);
        som.tocaSom(0, 0, false);
        EXPECT_TRUE(primeiro != nullptr && Mix_GetChunk(0) == primeiro);
        // Unforced load on a playing channel keeps the old sound, but still sets its volume.
        Mix_VolumeChunk(primeiro, 10);
        som.carregaSom(curto, 0, false);
        EXPECT_EQ(primeiro, som.retornaSom(0));
        EXPECT_EQ(MIX_MAX_VOLUME, Mix_VolumeChunk(primeiro, -1));
        // Unforced play while the channel plays is dropped; a forced one restarts the channel.
        som.carregaSom(curto, 1, true);
        paradas = 0;
        Mix_ChannelFinished([](int) { ++paradas; });
        som.tocaSom(1, 0, false);
        som.tocaSom(1, 0, false);
        EXPECT_EQ(0, paradas);
        som.tocaSom(1, 0, true);
        EXPECT_TRUE(paradas == 1 && Mix_Playing(1));
        // A forced load halts the channel before the old chunk is freed.
        som.carregaSom(curto, 0, true);
        EXPECT_TRUE(paradas == 2 && !Mix_Playing(0) && som.retornaSom(0) != nullptr);
        Mix_ChannelFinished(nullptr);
    }
    EXPECT_EQ("Sistema de som inicializado com sucesso...\nSistema de som finalizado...\n",
              GetCapturedStdout());
}

// Slots past the table touch nothing; nor does a load on channel 3, busy with a sound that is
// not slot 3's, slot 3 being empty.
TEST_F(SomTeste, SlotForaDaTabelaOuVazioNaoTocaEmNada)
{
    CSom som;
    som.carregaSom(longo, 8, true);
    som.tocaSom(8, 0, true);
    som.paraSom(200);
    som.liberaSom(8);
    CaptureStdout();
    som.posicionaSom(8, 90, 10);
    EXPECT_TRUE(GetCapturedStdout().empty() && Mix_Playing(-1) == 0);
    som.carregaSom(longo, 2, true);
    Mix_PlayChannelTimed(3, som.retornaSom(2), -1, -1);
    som.carregaSom(curto, 3, false);
    EXPECT_TRUE(som.retornaSom(3) == nullptr && Mix_Playing(3));
}

// Fades are in seconds; one past what milliseconds can hold in an int is the longest fade,
// not a wrapped negative one that stops the music at once; a negative time stops it now.
TEST_F(SomTeste, MusicaFadeEmSegundos)
{
    CSom som;
    som.fadeOutMus(3);  // no music: nothing happens
    EXPECT_EQ(MIX_NO_FADING, Mix_FadingMusic());
    som.carregaMusica(longo);
    for (const int segundos : {3, 3000000, -2147483647 - 1}) {
        som.tocaMusica(-1);
        som.fadeOutMus(segundos);
        SDL_Delay(250);
        EXPECT_EQ(segundos > 0, Mix_FadingMusic() == MIX_FADING_OUT && Mix_PlayingMusic());
    }
}

// Status 255 and the line: no audio device; an idle channel that will not play (an empty slot).
TEST(SomDeathTest, SemDispositivoOuSomQueNaoTocaEncerraCom255)
{
    EXPECT_EXIT((setenv("SDL_AUDIODRIVER", "inexistente", 1), CSom()),
                ::testing::ExitedWithCode(255), "^Incapaz de inicializar audio: .*\n$");
    EXPECT_EXIT(CSom().tocaSom(3, 0, false), ::testing::ExitedWithCode(255),
                "^Erro na execucao do arquivo de som - [^\n]+$");
}
