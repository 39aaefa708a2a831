// A long session played by script in-process: many round trips through every screen, with
// moves and wins, and the heap measured after each one. `make memoria` runs it under
// valgrind's memcheck (no bytes lost) with CORVELA_VOLTAS round trips; plain test runs use a
// short session.
#include <gtest/gtest.h>
#include <malloc.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "Apoio.h"
#include "Roteiro.h"

#if __has_include(<valgrind/memcheck.h>)
#include <valgrind/memcheck.h>
#define CORVELA_MEMCHECK 1
#endif

namespace {

const unsigned VOLTAS_PADRAO = 12;
// Round trips before the heap is taken as settled: the first ones fill SDL's and the
// mixer's caches and the clock's history.
const unsigned VOLTAS_AQUECIMENTO = 10;
// The music thread's decoding buffers come and go with where the mixer is in its stream, so
// the heap is compared by its lowest value over a few round trips: the lowest of the last
// ones may not pass the lowest of the first settled ones by more than CRESCIMENTO_MAXIMO,
// and no round trip may pass that lowest by more than FOLGA_MUSICA.
const unsigned JANELA = 5;
const long long CRESCIMENTO_MAXIMO = 8 * 1024;
const long long FOLGA_MUSICA = 128 * 1024;

unsigned voltasPedidas()
{
    const char* texto = std::getenv("CORVELA_VOLTAS");
    const int n = texto != nullptr ? std::atoi(texto) : 0;
    return n > static_cast<int>(VOLTAS_AQUECIMENTO) ? static_cast<unsigned>(n) : VOLTAS_PADRAO;
}

// Bytes the program holds from malloc. Under memcheck, the blocks its leak search finds
// (freed blocks wait in memcheck's quarantine, which its allocator still counts), and none
// of them may be lost already. Otherwise glibc's count, which includes its per-thread cache
// of freed blocks: the tests run with that cache off (tests/CMakeLists.txt).
bool sobMemcheck()
{
#ifdef CORVELA_MEMCHECK
    return RUNNING_ON_VALGRIND;
#else
    return false;
#endif
}

// *perdidos: the bytes memcheck finds definitely lost so far (0 outside it).
long long bytesEmUso(unsigned long* perdidos)
{
    *perdidos = 0;
#ifdef CORVELA_MEMCHECK
    if (sobMemcheck()) {
        unsigned long duvidosos = 0, alcancaveis = 0, suprimidos = 0;
        VALGRIND_DO_QUICK_LEAK_CHECK;
        VALGRIND_COUNT_LEAKS(*perdidos, duvidosos, alcancaveis, suprimidos);
        return static_cast<long long>(*perdidos + duvidosos + alcancaveis + suprimidos);
    }
#endif
    const struct mallinfo2 info = mallinfo2();
    return static_cast<long long>(info.uordblks + info.hblkhd);
}

TEST(LongaDuracao, VoltasPorTodasAsTelasSemCrescerAMemoria)
{
    const unsigned voltas = voltasPedidas();
    apoio::TicksPasso ticks;
    CorvelaRoteirizado jogo;
    jogo.retornaRelogio()->defFonteTicks(apoio::TicksPasso::le, &ticks);
    jogo.retornaRelogio()->inicializa();
    ASSERT_TRUE(jogo.init());
    testing::internal::CaptureStdout();  // the picture list, once per game screen
    jogo.comeca();
    Roteiro roteiro(jogo, ticks);
    std::vector<long long> memoria;
    memoria.reserve(voltas);  // its own growth would count
    std::string falha;
    unsigned long perdidos = 0;
    for (unsigned i = 0; i < voltas && falha.empty(); ++i) {
        if (roteiro.volta()) {
            memoria.push_back(bytesEmUso(&perdidos));
            EXPECT_EQ(0u, perdidos) << "round trip " << i + 1;
        } else
            falha = "round trip " + std::to_string(i + 1) + ": " + roteiro.falha();
    }
    if (falha.empty() && !roteiro.sai())
        falha = "quit: " + roteiro.falha();
    testing::internal::GetCapturedStdout();
    ASSERT_EQ("", falha);
    EXPECT_GE(roteiro.vitorias(), voltas);
    EXPECT_GT(roteiro.movimentos(), voltas);

    // Round trips VOLTAS_AQUECIMENTO to voltas, counted from 1.
    const auto menor = [&memoria](unsigned primeira, unsigned ultima) {
        long long m = memoria[primeira - 1];
        for (unsigned i = primeira; i <= ultima; ++i)
            m = std::min(m, memoria[i - 1]);
        return m;
    };
    const unsigned fimInicio = std::min(voltas, VOLTAS_AQUECIMENTO + JANELA - 1);
    const long long inicio = menor(VOLTAS_AQUECIMENTO, fimInicio);
    const long long fim = menor(std::max(VOLTAS_AQUECIMENTO, voltas - JANELA + 1), voltas);
    long long maior = inicio;
    for (unsigned i = VOLTAS_AQUECIMENTO; i <= voltas; ++i)
        maior = std::max(maior, memoria[i - 1]);
    EXPECT_LE(fim - inicio, CRESCIMENTO_MAXIMO);
    EXPECT_LE(maior - inicio, FOLGA_MUSICA);
    std::printf("%u round trips, %u wins, %u moves; heap in use from round trip %u on: lowest "
                "%lld bytes at first, %lld at the end, at most %lld; %s%lu bytes lost\n",
                voltas, roteiro.vitorias(), roteiro.movimentos(), VOLTAS_AQUECIMENTO, inicio,
                fim, maior, sobMemcheck() ? "under memcheck " : "", perdidos);
}

}  // namespace
