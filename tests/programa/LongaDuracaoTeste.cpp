// A long session played by script in-process: many round trips through every screen, with
// wins, and the heap measured after each one. `make memoria` runs it under valgrind's memcheck
// (no byte lost) with CORVELA_VOLTAS round trips; plain test runs use a short session.
#include <gtest/gtest.h>
#include <malloc.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "tests/programa/Roteiro.h"

#if __has_include(<valgrind/memcheck.h>)
#include <valgrind/memcheck.h>
#else
#define RUNNING_ON_VALGRIND 0
#endif

namespace {

// The first round trips fill SDL's and the mixer's caches and the clock's history.
const unsigned VOLTAS_AQUECIMENTO = 10;
const int VOLTAS_MINIMAS = 12;
// What a settled round trip may hold beyond the tenth's: under memcheck the heap is the same
// to the byte; natively the audio thread may still hold a mixing buffer or two.
const long long FOLGA_MEMCHECK = 1024, FOLGA_NATIVA = 16 * 1024;

// Bytes held from malloc. Under memcheck, the blocks its leak search finds (its quarantine of
// freed blocks would count otherwise), with *perdidos the bytes already lost; natively glibc's
// count, the tests running with its per-thread cache off (tests/CMakeLists.txt).
long long bytesEmUso(unsigned long* perdidos)
{
    *perdidos = 0;
#ifdef VALGRIND_COUNT_LEAKS
    if (RUNNING_ON_VALGRIND) {
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
    const char* pedidas = std::getenv("CORVELA_VOLTAS");
    const unsigned voltas = std::max(pedidas != nullptr ? std::atoi(pedidas) : 0, VOLTAS_MINIMAS);
    Partida partida(CRelogio::INTERVALO_MIN_PADRAO);
    ASSERT_TRUE(partida.inicia());
    testing::internal::CaptureStdout();  // the picture list, once per game screen
    partida.comeca();
    Roteiro roteiro(partida);
    std::vector<long long> memoria;
    memoria.reserve(voltas);  // its own growth would count
    unsigned long perdidos = 0;
    for (unsigned i = 0; i < voltas; ++i) {
        ASSERT_TRUE(roteiro.volta()) << "round trip " << i + 1 << ": " << roteiro.falha();
        // The menu's music faded out on the way to the intro; its decoder holds 0 or 12 KB by
        // where in its stream it stopped, so it goes first.
        partida.jogo().retornaSom()->liberaMusica();
        memoria.push_back(bytesEmUso(&perdidos));
        EXPECT_EQ(0u, perdidos) << "round trip " << i + 1;
    }
    ASSERT_TRUE(roteiro.sai()) << roteiro.falha();
    testing::internal::GetCapturedStdout();
    EXPECT_GE(roteiro.vitorias(), voltas);  // the wins' path was measured too

    const long long base = memoria[VOLTAS_AQUECIMENTO - 1];
    for (unsigned i = VOLTAS_AQUECIMENTO; i < voltas; ++i)
        EXPECT_LE(memoria[i], base + (RUNNING_ON_VALGRIND ? FOLGA_MEMCHECK : FOLGA_NATIVA))
            << "round trip " << i + 1;
    std::printf("%u round trips, %u wins; heap %lld bytes after round trip %u, %lld after the "
                "last; %lu bytes lost\n",
                voltas, roteiro.vitorias(), base, VOLTAS_AQUECIMENTO, memoria.back(), perdidos);
}

}  // namespace
