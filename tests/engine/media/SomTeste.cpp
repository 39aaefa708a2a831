// Sound service under SDL's dummy audio driver: loads, plays, fades, positions, failures.
#include <gtest/gtest.h>

#include <cstdlib>

#include "tests/apoio/Apoio.h"
#include "tests/apoio/ArquivosTemporarios.h"
#include "engine/media/CSom.h"

namespace {

using testing::internal::CaptureStderr;
using testing::internal::CaptureStdout;
using testing::internal::GetCapturedStderr;
using testing::internal::GetCapturedStdout;

int paradas = 0;

void contaParada(int)
{
    ++paradas;
}

class SomTeste : public ::testing::Test {
protected:
    void SetUp() override
    {
        dir = temporario.caminho("");
        dir.pop_back();
        longo = temporario.caminho("longo.wav");
        curto = temporario.caminho("curto.wav");
        ASSERT_TRUE(apoio::escreveWavTom(longo, 4000));
        ASSERT_TRUE(apoio::escreveWavTom(curto, 1500));
    }

    DiretorioTemporario temporario;
    std::string dir, longo, curto;
};

TEST_F(SomTeste, AbreEFechaODispositivoComSuasLinhas)
{
    CaptureStdout();
    {
        CSom som;
        int freq = 0, canais = 0;
        Uint16 formato = 0;
        ASSERT_EQ(1, Mix_QuerySpec(&freq, &formato, &canais));
        EXPECT_EQ(22050, freq);
        EXPECT_EQ(AUDIO_S16SYS, formato);
        EXPECT_EQ(2, canais);
        EXPECT_EQ(8, Mix_AllocateChannels(-1));
        EXPECT_EQ("CSom", som.retornaNomeClasse());
    }
    EXPECT_EQ("Sistema de som inicializado com sucesso...\nSistema de som finalizado...\n",
              GetCapturedStdout());
    EXPECT_EQ(0, Mix_QuerySpec(nullptr, nullptr, nullptr));
}

TEST_F(SomTeste, CarregaETocaComESemForcar)
{
    CSom som;
    som.carregaSom(longo, 0, true);
    Mix_Chunk* primeiro = som.retornaSom(0);
    ASSERT_NE(nullptr, primeiro);
    EXPECT_EQ(MIX_MAX_VOLUME, Mix_VolumeChunk(primeiro, -1));

    som.tocaSom(0, 0, false);
    EXPECT_NE(0, Mix_Playing(0));
    EXPECT_EQ(primeiro, Mix_GetChunk(0));

    // Unforced load on a playing channel keeps the old sound, but still sets its volume.
    Mix_VolumeChunk(primeiro, 10);
    som.carregaSom(curto, 0, false);
    EXPECT_EQ(primeiro, som.retornaSom(0));
    EXPECT_EQ(MIX_MAX_VOLUME, Mix_VolumeChunk(primeiro, -1));

    // Unforced play while the channel plays is dropped; a forced one restarts the channel.
    som.carregaSom(curto, 1, true);
    paradas = 0;
    Mix_ChannelFinished(contaParada);
    som.tocaSom(1, 0, false);
    som.tocaSom(1, 0, false);
    EXPECT_EQ(0, paradas);
    som.tocaSom(1, 0, true);
    EXPECT_EQ(1, paradas);
    EXPECT_NE(0, Mix_Playing(1));

    // A forced load halts the channel before the old chunk is freed.
    som.carregaSom(curto, 0, true);
    EXPECT_EQ(2, paradas);
    EXPECT_EQ(0, Mix_Playing(0));
    EXPECT_NE(nullptr, som.retornaSom(0));
    Mix_ChannelFinished(nullptr);

    som.tocaSom(0, -1, false);
    EXPECT_NE(0, Mix_Playing(0));
    som.paraSom(0);
    EXPECT_EQ(0, Mix_Playing(0));
    som.liberaSom(0);
    EXPECT_EQ(nullptr, som.retornaSom(0));
}

TEST_F(SomTeste, SlotForaDaTabelaOuVazioNaoTocaEmNada)
{
    CSom som;
    som.carregaSom(longo, 8, true);
    som.carregaSom(longo, 255, true);
    som.tocaSom(8, 0, true);
    som.paraSom(200);
    som.liberaSom(8);
    CaptureStdout();
    som.posicionaSom(8, 90, 10);
    EXPECT_EQ("", GetCapturedStdout());
    EXPECT_EQ(nullptr, som.retornaSom(8));
    for (int canal = 0; canal < 8; ++canal)
        EXPECT_EQ(0, Mix_Playing(canal));

    // Channel 3 plays a sound that is not slot 3's, and slot 3 is empty: nothing to touch.
    som.carregaSom(longo, 2, true);
    Mix_PlayChannelTimed(3, som.retornaSom(2), -1, -1);
    som.carregaSom(curto, 3, false);
    EXPECT_EQ(nullptr, som.retornaSom(3));
    EXPECT_NE(0, Mix_Playing(3));
}

TEST_F(SomTeste, MusicaFadeEmMilissegundosEFaltaDeArquivo)
{
    CSom som;
    som.fadeOutMus(3);  // no music: nothing happens
    EXPECT_EQ(MIX_NO_FADING, Mix_FadingMusic());

    som.carregaMusica(longo);
    ASSERT_NE(nullptr, som.retornaMusica());
    som.volumeMus(50);
    EXPECT_EQ(50, Mix_VolumeMusic(-1));
    som.tocaMusica(-1);
    EXPECT_EQ(1, Mix_PlayingMusic());
    som.fadeOutMus(3);
    EXPECT_EQ(MIX_FADING_OUT, Mix_FadingMusic());
    // Three seconds, not three milliseconds: after a quarter second it is still fading.
    SDL_Delay(250);
    EXPECT_EQ(1, Mix_PlayingMusic());
    // Past what milliseconds can hold in an int: the longest fade, not a wrapped negative
    // one that would stop the music at once. A negative time stops it now.
    som.tocaMusica(-1);
    som.fadeOutMus(3000000);
    EXPECT_EQ(MIX_FADING_OUT, Mix_FadingMusic());
    EXPECT_EQ(1, Mix_PlayingMusic());
    som.tocaMusica(-1);
    som.fadeOutMus(-2147483647 - 1);
    EXPECT_EQ(0, Mix_PlayingMusic());

    CaptureStderr();
    som.carregaMusica(dir + "/nao_existe.ogg");
    const std::string erro = GetCapturedStderr();
    EXPECT_EQ(0u, erro.find("Erro na abertura do arquivo " + dir + "/nao_existe.ogg: "));
    EXPECT_EQ(nullptr, som.retornaMusica());
    EXPECT_EQ(0, Mix_PlayingMusic());
    som.tocaMusica(-1);
    EXPECT_EQ(0, Mix_PlayingMusic());
}

TEST_F(SomTeste, PosicaoReduzOAngulo)
{
    EXPECT_EQ(40, CSom::reduzAngulo(400));
    EXPECT_EQ(-40, CSom::reduzAngulo(-400));
    EXPECT_EQ(0, CSom::reduzAngulo(720));
    EXPECT_EQ(0, CSom::reduzAngulo(-360));
    EXPECT_EQ(359, CSom::reduzAngulo(359));
    EXPECT_EQ(-359, CSom::reduzAngulo(-359));
    EXPECT_EQ(32767 % 360, CSom::reduzAngulo(32767));
    EXPECT_EQ(-32768 % 360, CSom::reduzAngulo(-32768));

    CSom som;
    som.carregaSom(longo, 0, true);
    som.tocaSom(0, -1, true);
    CaptureStdout();
    som.posicionaSom(0, 720, 0);
    som.posicionaSom(0, -32768, 255);
    EXPECT_EQ("", GetCapturedStdout());
}

TEST_F(SomTeste, WavQueFaltaEncerraCom255)
{
    EXPECT_EXIT(
        {
            CSom som;
            som.carregaSom(dir + "/falta.wav", 0, true);
        },
        ::testing::ExitedWithCode(255), "^Erro na abertura do arquivo .*/falta.wav: ");
}

TEST(SomSemDispositivo, EncerraCom255)
{
    EXPECT_EXIT(
        {
            setenv("SDL_AUDIODRIVER", "inexistente", 1);
            CSom som;
        },
        ::testing::ExitedWithCode(255), "^Incapaz de inicializar audio: .*\n$");
}

}  // namespace
