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

#include "tests/apoio/Apoio.h"
#include "tests/programa/Roteiro.h"

#if __has_include(<valgrind/memcheck.h>)
#include <valgrind/memcheck.h>
#define CORVELA_MEMCHECK 1
#endif

namespace {

const unsigned VOLTAS_PADRAO = 12;
// Round trips before the heap is taken as settled: the first ones fill SDL's and the
// mixer's caches and the clock's history.
const unsigned VOLTAS_AQUECIMENTO = 10;
// What a settled round trip may hold beyond the tenth's. Under memcheck, counting live
// blocks with the music released, the heap is the same to the byte. Run natively the round
// trips are so quick that the audio thread may still hold a mixing buffer or two at a
// measure: a few kilobytes that come and go.
const long long FOLGA_MEMCHECK = 1024;
const long long FOLGA_NATIVA = 16 * 1024;

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
    Partida partida(CRelogio::INTERVALO_MIN_PADRAO);
    CorvelaRoteirizado& jogo = partida.jogo();
    ASSERT_TRUE(partida.inicia());
    testing::internal::CaptureStdout();  // the picture list, once per game screen
    partida.comeca();
    Roteiro roteiro(partida);
    std::vector<long long> memoria;
    memoria.reserve(voltas);  // its own growth would count
    std::string falha;
    unsigned long perdidos = 0;
    for (unsigned i = 0; i < voltas && falha.empty(); ++i) {
        if (roteiro.volta()) {
            // The menu's music faded out on the way to the intro, which plays none; its
            // decoder holds 0 or 12 KB by where in its stream it stopped, so it goes first.
            jogo.retornaSom()->liberaMusica();
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

    const long long base = memoria[VOLTAS_AQUECIMENTO - 1];
    long long maior = base;
    for (unsigned i = VOLTAS_AQUECIMENTO; i < voltas; ++i) {
        EXPECT_LE(memoria[i], base + (sobMemcheck() ? FOLGA_MEMCHECK : FOLGA_NATIVA))
            << "round trip " << i + 1;
        maior = std::max(maior, memoria[i]);
    }
    std::printf("%u round trips, %u wins, %u moves; heap in use %lld bytes after round trip "
                "%u, %lld after the last, at most %lld; %s%lu bytes lost\n",
                voltas, roteiro.vitorias(), roteiro.movimentos(), base, VOLTAS_AQUECIMENTO,
                memoria.back(), maior, sobMemcheck() ? "under memcheck " : "", perdidos);
}

}  // namespace
