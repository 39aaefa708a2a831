// The asset generator judged by its output, loaded as the game loads it: data/ is what the
// generator writes today; every picture has its size, keys only where they belong and a
// readable ground under text; the cell font draws its source face; the synthesizer is in tune;
// every sound loads, effects start and end silent, and the music loops on its bars, in key and
// without a click. Depends on gtest, the generator's library, the engine's loaders (CSprite,
// CSom), SDL_mixer, SDL_ttf and FreeType.
#include <ft2build.h>
#include FT_FREETYPE_H
#include <SDL_mixer.h>
#include <SDL_ttf.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <string>
#include <vector>

#include "engine/media/CSom.h"
#include "engine/media/CSprite.h"
#include "tests/apoio/MidiaTeste.h"
#include "tools/gerador/fontes/fontes.h"
#include "tools/gerador/imagens/imagens.h"
#include "tools/gerador/som/pecas/pecas.h"
#include "tools/gerador/som/sons.h"

namespace {

namespace fs = std::filesystem;
const int LADO_PECA = 60;  // a puzzle tile; a puzzle picture is 4 x 4 of them
const Cor CINZA = {102, 102, 102};

int em565(Cor c) { return ((c.r >> 3) << 11) | ((c.g >> 2) << 5) | (c.b >> 3); }
double luz(Cor c) { return 0.299 * c.r + 0.587 * c.g + 0.114 * c.b; }

std::vector<std::string> arquivosDe(const std::string& diretorio)
{
    std::vector<std::string> nomes;
    for (const auto& entrada : fs::directory_iterator(diretorio))
        nomes.push_back(entrada.path().filename().string());
    std::sort(nomes.begin(), nomes.end());
    return nomes;
}

TEST(Gerador, EscreveOsBytesQueEstaoEmData)
{
    DiretorioTemporario novo;
    const auto le = DiretorioTemporario::le;
    const std::string raiz = novo.caminho("data");
    for (const char* sub : {"/gfx", "/bg", "/fonts", "/sfx"})
        fs::create_directories(raiz + sub);
    ASSERT_TRUE(geraImagens(raiz) && geraFontes(raiz) && geraSons(raiz));
    // The music is left out: its bytes depend on the Vorbis encoder's version.
    for (const std::string sub : {"gfx/", "bg/", "fonts/", "sfx/"}) {
        const std::vector<std::string> gerados = arquivosDe(raiz + "/" + sub);
        ASSERT_EQ(arquivosDe("data/" + sub), gerados) << "run `make dados` and commit data/";
        for (const std::string& nome : gerados)
            EXPECT_TRUE(le("data/" + sub + nome) == le(raiz + "/" + sub + nome)) << sub + nome;
    }
    for (const char* nome : {"arialbd.ttf", "LICENSE-DejaVu.txt"})  // beside data/
        EXPECT_TRUE(le(nome) == le(novo.caminho(nome))) << nome;
}

// What every pixel of a zone must be: exactly the key; never turned into the key by the
// game's 16-bit conversion (NITIDA allows the key itself); light or dark enough under text;
// or, for PINTADA, not the key in at least a third of the zone.
enum Zona { CHAVE, VISIVEL, NITIDA, CLARA, ESCURA, PINTADA };
struct Retangulo { int x, y, w, h; Zona zona; };
struct Figura { std::string nome; int largura, altura; Cor chave; std::vector<Retangulo> zonas; };

bool cumpre(Zona zona, Cor p, Cor chave)
{
    switch (zona) {
    case CHAVE: return p == chave;
    case VISIVEL: return em565(p) != em565(chave);
    case NITIDA: return p == chave || em565(p) != em565(chave);
    case CLARA: return luz(p) > 200;  // black menu and message text
    case ESCURA: return luz(p) < 70;  // green, cyan and white panel text
    case PINTADA: return !(p == chave);
    }
    return false;
}

TEST(Gerador, FigurasNoTamanhoComChavesSoOndeDevemEstarETextoLegivel)
{
    std::vector<Figura> figuras = {
        {"gfx/title.bmp", 320, 240, {}, {{80, 70, 150, 142, CLARA}}},  // the menu rows
        {"gfx/painel.bmp", 80, 240, {}, {}},  // its text rows: below
        {"gfx/buraco.bmp", 60, 60, {}, {}},
        // The cursor: a 3-pixel frame that stays, round a keyed middle the tile shows through.
        {"gfx/selecao.bmp", 60, 60, MAGENTA, {{0, 0, 60, 60, NITIDA}, {0, 0, 60, 3, VISIVEL},
            {0, 57, 60, 3, VISIVEL}, {0, 0, 3, 60, VISIVEL}, {57, 0, 3, 60, VISIVEL},
            {12, 12, 36, 36, CHAVE}}},
        // The studio logo: three 67-pixel animation frames with keyed edges.
        {"gfx/Orvalek.bmp", 201, 81, CINZA, {{0, 0, 201, 81, NITIDA}, {0, 0, 1, 81, CHAVE},
            {66, 0, 2, 81, CHAVE}, {133, 0, 2, 81, CHAVE}, {200, 0, 1, 81, CHAVE},
            {0, 80, 201, 1, CHAVE}, {1, 0, 65, 80, PINTADA}, {68, 0, 65, 80, PINTADA},
            {135, 0, 65, 80, PINTADA}}},
        {"gfx/mensagem.bmp", 220, 110, MAGENTA, {{0, 0, 220, 110, NITIDA}, {0, 0, 1, 1, CHAVE},
            {219, 109, 1, 1, CHAVE}, {12, 12, 196, 86, CLARA}}},
    };
    for (int y : {5, 40, 60, 90, 180, 210})
        figuras[1].zonas.push_back({4, y, 72, 13, ESCURA});
    for (const std::string& nome : arquivosDe("data/bg"))
        figuras.push_back({"bg/" + nome, 4 * LADO_PECA, 4 * LADO_PECA, {}, {}});
    for (const Figura& f : figuras) {
        SCOPED_TRACE(f.nome);
        Superficie s(CSprite::leImagem("data/" + f.nome), SDL_FreeSurface);  // the game's loader
        ASSERT_NE(s, nullptr);
        ASSERT_TRUE(s->w == f.largura && s->h == f.altura) << s->w << "x" << s->h;
        for (const Retangulo& r : f.zonas) {
            int cumprem = 0;
            for (int y = r.y; y < r.y + r.h; ++y)
                for (int x = r.x; x < r.x + r.w; ++x)
                    cumprem += cumpre(r.zona, corEm(s.get(), x, y), f.chave);
            EXPECT_GE(cumprem, r.w * r.h / (r.zona == PINTADA ? 3 : 1))
                << "zone " << r.zona << " at " << r.x << "," << r.y;
        }
    }
}

// A flat tile, or two tiles alike, leaves the player a piece with no place of its own.
TEST(Gerador, CadaPecaDosFundosTemLugarProprio)
{
    for (const std::string& nome : arquivosDe("data/bg")) {
        Superficie s(CSprite::leImagem("data/bg/" + nome), SDL_FreeSurface);
        ASSERT_NE(s, nullptr) << nome;
        std::vector<std::vector<Cor>> pecas(16);
        for (int y = 0; y < s->h; ++y)
            for (int x = 0; x < s->w; ++x)
                pecas[y / LADO_PECA * 4 + x / LADO_PECA].push_back(corEm(s.get(), x, y));
        for (int c = 0; c < 16; ++c) {
            double soma = 0, soma2 = 0;
            for (Cor p : pecas[c]) {
                soma += luz(p);
                soma2 += luz(p) * luz(p);
            }
            const double n = pecas[c].size(), media = soma / n;
            EXPECT_GT(std::sqrt(soma2 / n - media * media), 8) << nome << ": flat tile " << c;
            for (int d = c + 1; d < 16; ++d) {
                double diferenca = 0;  // mean per-channel difference
                for (size_t i = 0; i < pecas[c].size(); ++i)
                    diferenca += std::abs(pecas[c][i].r - pecas[d][i].r) +
                                 std::abs(pecas[c][i].g - pecas[d][i].g) +
                                 std::abs(pecas[c][i].b - pecas[d][i].b);
                EXPECT_GT(diferenca / (n * 3), 8) << nome << ": tiles " << c << " and " << d;
            }
        }
    }
}

// Every character, drawn in one string as the game draws text, comes out cell by cell as the
// source face draws it: bit order, row placement, advances, codes against glyphs.
TEST(Gerador, CoureDesenhaAFaceDeOrigemEmCelulasDeOitoPixels)
{
    const int ALTURA = 13;
    ASSERT_EQ(TTF_Init(), 0);
    FT_Library ft;
    FT_Face coure, origem;
    ASSERT_EQ(FT_Init_FreeType(&ft), 0);
    ASSERT_EQ(FT_New_Face(ft, FONTE_CELULA, 0, &coure), 0);
    // Older SDL_ttf asks for the strike with height and width swapped; newer ones refuse the
    // font when that request fails.
    EXPECT_EQ(FT_Set_Pixel_Sizes(coure, ALTURA, CELULA), 0);
    ASSERT_EQ(FT_New_Face(ft, "/usr/share/fonts/X11/misc/8x13B.pcf.gz", 0, &origem), 0);
    ASSERT_EQ(FT_Select_Size(origem, 0), 0);
    const int topo = static_cast<int>(origem->size->metrics.ascender >> 6);
    std::string texto;
    for (char c = ' '; c <= '~'; ++c)
        texto += c;
    texto += "\xE9\xE7\xE3\xC9\xFF";  // Latin-1, as TTF_RenderText takes it
    for (int pontos : {8, 18, 24}) {  // the sizes the screens ask for
        TTF_Font* f = TTF_OpenFont(FONTE_CELULA, pontos);
        ASSERT_NE(f, nullptr) << TTF_GetError();
        Superficie s(TTF_RenderText_Solid(f, texto.c_str(), {255, 255, 255, 0}), SDL_FreeSurface);
        ASSERT_TRUE(s != nullptr && s->w == int(texto.size()) * CELULA && s->h == ALTURA) << pontos;
        for (size_t i = 0; i < texto.size(); ++i) {
            const Uint8* celula = static_cast<Uint8*>(s->pixels) + i * CELULA;
            std::vector<bool> desenho, esperado(CELULA * ALTURA);
            for (int y = 0; y < ALTURA; ++y)
                for (int x = 0; x < CELULA; ++x)  // 8-bit surface, index 0 is the background
                    desenho.push_back(celula[y * s->pitch + x]);
            ASSERT_FALSE(FT_Load_Char(origem, Uint8(texto[i]), FT_LOAD_RENDER));  // 1 bit a pixel
            const FT_Bitmap& b = origem->glyph->bitmap;
            for (unsigned y = 0; y < b.rows; ++y)
                for (unsigned x = 0; x < b.width; ++x)
                    esperado.at((topo - origem->glyph->bitmap_top + y) * CELULA +
                                origem->glyph->bitmap_left + x) =
                        b.buffer[y * b.pitch + x / 8] & (0x80 >> (x % 8));
            EXPECT_EQ(desenho, esperado) << "'" << texto[i] << "' at " << pontos;
        }
        TTF_CloseFont(f);
    }
    FT_Done_FreeType(ft);  // and its faces
    TTF_Quit();
}

// The synthesizer in tune, and a note at a loop's end ringing on over its start.
TEST(Gerador, SintetizadorAfinadoEComCaudaQueDaAVoltaNoLaco)
{
    Mistura laco(2 * TAXA_AMOSTRAGEM, true);
    tocaNota(laco, Instrumento{}, 1.0, 1.0, frequenciaMidi(88), 1.0f, 1);  // E6, 1318.51 Hz
    int subidas = 0;  // zero crossings going up, over 0.9 s
    for (int i = TAXA_AMOSTRAGEM * 21 / 20; i < TAXA_AMOSTRAGEM * 39 / 20; ++i)
        subidas += laco.esquerda[i - 1] < 0 && laco.esquerda[i] >= 0;
    EXPECT_NEAR(subidas, 0.9 * 1318.51, 2);
    EXPECT_NE(laco.esquerda[TAXA_AMOSTRAGEM / 200], 0.0f) << "the tail past the loop end was lost";
}

// An effect lasts minimo to maximo seconds; a tune is exactly its bars long, its notes in escala.
struct Som { const char* nome; double minimo, maximo; Peca (*peca)(); std::vector<int> escala; };

TEST(Gerador, SonsCarregamMusicasEmLacoEmTomEEfeitosSemEstalo)
{
    const std::vector<int> FA = {5, 7, 9, 10, 0, 2, 4}, SI_BEMOL = {10, 0, 2, 3, 5, 7, 9};
    const Som SONS[] = {
        {"sfx/opc_foco.wav", 0.06, 0.09, nullptr, {}},
        {"sfx/opc_escolha.wav", 0.2, 0.3, nullptr, {}},
        {"sfx/grunz_success.wav", 0.8, 1.3, nullptr, {}},
        {"music/nintendo.ogg", 0, 0, pecaMenu, FA},
        {"music/CHO7-31ko.ogg", 0, 0, pecaJogo, FA},
        {"music/3VIL-42ko.ogg", 0, 0, pecaCreditos, SI_BEMOL},
    };
    CSom servico;  // the mixer opened as the game opens it
    for (const Som& som : SONS) {
        SCOPED_TRACE(som.nome);
        const std::string caminho = std::string("data/") + som.nome;
        Mix_Music* musica = som.peca != nullptr ? CSom::leMusica(caminho) : nullptr;
        EXPECT_TRUE(som.peca == nullptr || musica != nullptr) << "the game's music loader";
        Mix_FreeMusic(musica);
        Mix_Chunk* c = som.peca != nullptr ? Mix_LoadWAV(caminho.c_str()) : CSom::leSom(caminho);
        ASSERT_NE(c, nullptr) << Mix_GetError();
        std::vector<float> esq, dir;
        for (size_t i = 0; i < c->alen / 4; ++i) {
            esq.push_back(reinterpret_cast<const Sint16*>(c->abuf)[2 * i] / 32768.0f);
            dir.push_back(reinterpret_cast<const Sint16*>(c->abuf)[2 * i + 1] / 32768.0f);
        }
        Mix_FreeChunk(c);
        double energia = 0.0, diferenca = 0.0;
        float pico = 0.0f;
        std::vector<float> passos;
        for (size_t i = 0; i < esq.size(); ++i) {
            energia += double(esq[i]) * esq[i] + double(dir[i]) * dir[i];
            diferenca += std::fabs(esq[i] - dir[i]);
            pico = std::max({pico, std::fabs(esq[i]), std::fabs(dir[i])});
            passos.push_back(std::fabs(esq[i] - esq[i > 0 ? i - 1 : 0]));
        }
        if (som.peca == nullptr) {  // from silence back to silence, so it never clicks
            const double segundos = double(esq.size()) / TAXA_AMOSTRAGEM;
            EXPECT_TRUE(segundos >= som.minimo && segundos <= som.maximo) << segundos;
            EXPECT_TRUE(pico > 0.3f && pico < 0.99f) << pico;
            EXPECT_LT(std::fabs(esq.front()) + std::fabs(esq.back()), 0.01f);
            continue;
        }
        const Peca peca = som.peca();
        // Vorbis pads its last block: a loop longer than its bars stutters at the seam.
        const double batidas = peca.compassos * peca.ticksPorCompasso / double(TICKS_POR_BATIDA);
        EXPECT_NEAR(double(esq.size()), batidas * 60.0 / peca.bpm * TAXA_AMOSTRAGEM, 1.0);
        const double rmsDb = 10.0 * std::log10(energia / (2.0 * esq.size()));
        EXPECT_TRUE(rmsDb > -20.0 && rmsDb < -12.0) << rmsDb << " dBFS";
        EXPECT_LT(pico, 32767 / 32768.0f) << "clipped";
        EXPECT_GT(diferenca / esq.size(), 0.01) << "the instruments are not panned";
        // A click at the seam is a jump far above the ordinary frame-to-frame step.
        const size_t p99 = passos.size() * 99 / 100;
        std::nth_element(passos.begin(), passos.begin() + p99, passos.end());
        EXPECT_LT(std::max(std::fabs(esq.back() - esq.front()),
                           std::fabs(dir.back() - dir.front())), passos[p99]) << "the seam clicks";
        // A wrong accidental ("b4" for "bb4") plays a sour note that nothing else notices.
        for (const Faixa& f : peca.faixas) {
            std::vector<Evento> eventos;
            int total = 0;
            std::string erro;
            ASSERT_TRUE(leNotacao(f.notas, eventos, total, erro)) << f.nome << ": " << erro;
            for (const Evento& ev : eventos)
                for (int nota : ev.notas)
                    EXPECT_NE(std::count(som.escala.begin(), som.escala.end(),
                                         (nota + f.transposicao) % 12), 0)
                        << f.nome << " step " << ev.passo;
        }
    }
}

}  // namespace
