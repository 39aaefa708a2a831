// Tests for the picture generator (tools/gerador/imagens*.cpp): its drawing kit (the BMP
// writer's 565 quantising and key protection, the PRNG, shape coverage), then geraImagens run
// into temporary directories: reproducible bytes, sizes, colour keys that survive the game's
// RGB565 conversion, readable menu and panel areas, and puzzle pictures whose sixteen tiles
// all differ. Depends on SDL (BMP loading) and gtest.
#include <SDL.h>
#include <dirent.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "tools/gerador/imagens.h"
#include "tools/gerador/imagens_base.h"

namespace {

constexpr int CELULA = 60;
constexpr int CELULAS_LADO = 4;
constexpr int FUNDO = CELULA * CELULAS_LADO;
constexpr int FUNDOS_MINIMO = 6;
constexpr int LOGO_QUADRO_LARGURA = 67;
constexpr int LOGO_QUADROS = 3;
constexpr double PI = 3.14159265358979;

struct Rgb {
    int r, g, b;
};

int rgb565(Rgb c) { return ((c.r >> 3) << 11) | ((c.g >> 2) << 5) | (c.b >> 3); }
double luminancia(Rgb c) { return 0.299 * c.r + 0.587 * c.g + 0.114 * c.b; }
bool igual(Rgb a, Rgb b) { return a.r == b.r && a.g == b.g && a.b == b.b; }

const Rgb MAGENTA = {255, 0, 255};
const Rgb CINZA = {102, 102, 102};

// A loaded BMP as plain RGB, whatever depth it was saved in.
struct Figura {
    int largura = 0;
    int altura = 0;
    std::vector<Rgb> px;
    Rgb em(int x, int y) const { return px[static_cast<std::size_t>(y) * largura + x]; }
};

Figura carrega(const std::string& caminho)
{
    Figura f;
    SDL_Surface* s = SDL_LoadBMP(caminho.c_str());
    if (s == nullptr)
        return f;
    f.largura = s->w;
    f.altura = s->h;
    const int bpp = s->format->BytesPerPixel;
    for (int y = 0; y < s->h; ++y) {
        for (int x = 0; x < s->w; ++x) {
            const Uint8* p = static_cast<Uint8*>(s->pixels) + y * s->pitch + x * bpp;
            Uint32 v = 0;
            for (int i = 0; i < bpp; ++i)
                v |= static_cast<Uint32>(p[i]) << (8 * i);
            Uint8 r, g, b;
            SDL_GetRGB(v, s->format, &r, &g, &b);
            f.px.push_back({r, g, b});
        }
    }
    SDL_FreeSurface(s);
    return f;
}

std::string criaRaiz()
{
    char modelo[] = "/tmp/corvela_imagens_XXXXXX";
    const char* raiz = mkdtemp(modelo);
    if (raiz == nullptr)
        return "";
    mkdir((std::string(raiz) + "/gfx").c_str(), 0755);
    mkdir((std::string(raiz) + "/bg").c_str(), 0755);
    return raiz;
}

std::vector<std::string> lista(const std::string& dir)
{
    std::vector<std::string> nomes;
    if (DIR* d = opendir(dir.c_str())) {
        while (const dirent* e = readdir(d)) {
            if (e->d_name[0] != '.')
                nomes.push_back(e->d_name);
        }
        closedir(d);
    }
    std::sort(nomes.begin(), nomes.end());
    return nomes;
}

std::string conteudo(const std::string& caminho)
{
    std::ifstream in(caminho, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void apaga(const std::string& raiz)
{
    for (const char* sub : {"/gfx", "/bg"}) {
        for (const std::string& n : lista(raiz + sub))
            unlink((raiz + sub + "/" + n).c_str());
        rmdir((raiz + sub).c_str());
    }
    rmdir(raiz.c_str());
}

// ---- The drawing kit ----------------------------------------------------------------

TEST(KitDeDesenho, BmpQuantizaPara565ESalvaAChave)
{
    const std::string raiz = criaRaiz();
    ASSERT_FALSE(raiz.empty());
    Imagem img(8, 4, rgb(128, 128, 128));
    img.em(0, 0) = rgb(255, 0, 255);  // the key itself
    img.em(1, 0) = rgb(253, 1, 251);  // would turn into the key at 16 bits
    img.em(2, 0) = rgb(255, 255, 255);
    img.em(3, 0) = rgb(0, 0, 0);
    img.em(4, 0) = Cor{300, -20, 0};  // out of range: clamped, not wrapped
    const Cor chave = rgb(255, 0, 255);
    ASSERT_TRUE(salvaBmp(img, raiz + "/gfx/k.bmp", &chave));
    const Figura f = carrega(raiz + "/gfx/k.bmp");
    ASSERT_EQ(f.largura, 8);
    EXPECT_TRUE(igual(f.em(0, 0), MAGENTA));
    EXPECT_NE(rgb565(f.em(1, 0)), rgb565(MAGENTA));
    EXPECT_TRUE(igual(f.em(2, 0), Rgb{255, 255, 255}));
    EXPECT_TRUE(igual(f.em(3, 0), Rgb{0, 0, 0}));
    EXPECT_EQ(f.em(4, 0).r, 255);
    EXPECT_EQ(f.em(4, 0).g, 0);
    // Every channel is already a 16-bit level, and the dither keeps a flat grey's mean.
    double soma = 0;
    for (int y = 0; y < 4; ++y) {
        for (int x = 0; x < 8; ++x) {
            const Rgb p = f.em(x, y);
            EXPECT_EQ(p.r, ((p.r >> 3) << 3) | (p.r >> 5));
            EXPECT_EQ(p.g, ((p.g >> 2) << 2) | (p.g >> 6));
            if (y > 0)
                soma += p.r;
        }
    }
    EXPECT_NEAR(soma / 24, 128, 2.0);

    // The grey key of the logo: a pixel a shade off must be moved off the key too.
    Imagem logo(2, 1, rgb(102, 102, 102));
    logo.em(1, 0) = rgb(99, 101, 100);
    const Cor cinza = rgb(102, 102, 102);
    ASSERT_TRUE(salvaBmp(logo, raiz + "/gfx/c.bmp", &cinza));
    const Figura g = carrega(raiz + "/gfx/c.bmp");
    EXPECT_TRUE(igual(g.em(0, 0), CINZA));
    EXPECT_NE(rgb565(g.em(1, 0)), rgb565(CINZA));
    apaga(raiz);
}

TEST(KitDeDesenho, SorteioReprodutivelENosLimites)
{
    Sorteio a(42), b(42), c(43);
    bool diferente = false;
    bool viuLo = false, viuHi = false;
    for (int i = 0; i < 1000; ++i) {
        const std::uint64_t va = a.proximo();
        EXPECT_EQ(va, b.proximo());
        diferente = diferente || va != c.proximo();
        const int n = a.inteiro(-2, 2);
        b.inteiro(-2, 2);
        ASSERT_GE(n, -2);
        ASSERT_LE(n, 2);
        viuLo = viuLo || n == -2;
        viuHi = viuHi || n == 2;
        const double r = a.entre(3, 5);
        b.entre(3, 5);
        ASSERT_GE(r, 3);
        ASSERT_LT(r, 5);
        const double v = fbm(i * 0.37, i * 0.11, 4, 7);
        ASSERT_GE(v, 0);
        ASSERT_LE(v, 1);
    }
    EXPECT_TRUE(diferente);
    EXPECT_TRUE(viuLo && viuHi);
}

// Covered area of a shape drawn in white on black.
double area(const Imagem& img)
{
    double a = 0;
    for (int y = 0; y < img.altura(); ++y)
        for (int x = 0; x < img.largura(); ++x)
            a += img.em(x, y).r / 255.0;
    return a;
}

TEST(KitDeDesenho, FormasCobremAAreaCerta)
{
    const Cor branco = rgb(255, 255, 255);
    Imagem d(64, 64, Cor{});
    disco(d, 32, 32, 20, branco);
    EXPECT_NEAR(area(d), PI * 400, PI * 400 * 0.01);
    Imagem r(64, 64, Cor{});
    retanguloRedondo(r, 10, 10, 50, 30, 6, branco);
    EXPECT_NEAR(area(r), 40 * 20 - (4 - PI) * 36, 4);
    Imagem t(64, 64, Cor{});
    poligono(t, {{0, 0}, {40, 0}, {0, 40}}, branco);
    EXPECT_NEAR(area(t), 800, 8);
}

// ---- The generated pictures ------------------------------------------------------------

// Generates once for the whole suite; the reproducibility test makes its own second run.
class ImagensGeradas : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        raiz_ = criaRaiz();
        gerou_ = !raiz_.empty() && geraImagens(raiz_);
    }
    static void TearDownTestSuite() { apaga(raiz_); }
    void SetUp() override { ASSERT_TRUE(gerou_) << "geraImagens failed in " << raiz_; }
    static Figura gfx(const std::string& nome) { return carrega(raiz_ + "/gfx/" + nome); }

    static std::string raiz_;
    static bool gerou_;
};

std::string ImagensGeradas::raiz_;
bool ImagensGeradas::gerou_ = false;

TEST_F(ImagensGeradas, SegundaExecucaoGravaOsMesmosBytes)
{
    const std::string outra = criaRaiz();
    ASSERT_FALSE(outra.empty());
    ASSERT_TRUE(geraImagens(outra));
    for (const char* sub : {"/gfx", "/bg"}) {
        const std::vector<std::string> nomes = lista(raiz_ + sub);
        ASSERT_EQ(nomes, lista(outra + sub));
        for (const std::string& n : nomes)
            EXPECT_EQ(conteudo(raiz_ + sub + "/" + n), conteudo(outra + sub + "/" + n)) << n;
    }
    apaga(outra);
}

TEST_F(ImagensGeradas, TamanhosQueOJogoEspera)
{
    const struct {
        const char* nome;
        int largura, altura;
    } esperados[] = {{"title.bmp", 320, 240}, {"painel.bmp", 80, 240},
                     {"Orvalek.bmp", LOGO_QUADROS * LOGO_QUADRO_LARGURA, 81},
                     {"selecao.bmp", CELULA, CELULA}, {"buraco.bmp", CELULA, CELULA}};
    for (const auto& e : esperados) {
        const Figura f = gfx(e.nome);
        EXPECT_EQ(f.largura, e.largura) << e.nome;
        EXPECT_EQ(f.altura, e.altura) << e.nome;
    }
    const Figura msg = gfx("mensagem.bmp");
    EXPECT_GT(msg.largura, 0);
    const std::vector<std::string> fundos = lista(raiz_ + "/bg");
    EXPECT_GE(static_cast<int>(fundos.size()), FUNDOS_MINIMO);
    for (const std::string& n : fundos) {
        const Figura f = carrega(raiz_ + "/bg/" + n);
        EXPECT_EQ(f.largura, FUNDO) << n;
        EXPECT_EQ(f.altura, FUNDO) << n;
    }
}

// Every pixel is either exactly the key or something the 565 conversion cannot turn into it.
int pixelsQueSumiriam(const Figura& f, Rgb chave)
{
    int n = 0;
    for (const Rgb& p : f.px)
        n += (!igual(p, chave) && rgb565(p) == rgb565(chave)) ? 1 : 0;
    return n;
}

TEST_F(ImagensGeradas, ChavesSoOndeDevemEstar)
{
    const Figura sel = gfx("selecao.bmp");
    ASSERT_EQ(sel.largura, CELULA);
    EXPECT_EQ(pixelsQueSumiriam(sel, MAGENTA), 0);
    const int miolo = CELULA / 5;  // the cell's picture must show through the middle
    for (int y = miolo; y < CELULA - miolo; ++y)
        for (int x = miolo; x < CELULA - miolo; ++x)
            ASSERT_TRUE(igual(sel.em(x, y), MAGENTA)) << x << "," << y;
    for (int i = 0; i < CELULA; ++i) {
        for (int d = 0; d < 3; ++d) {
            EXPECT_NE(rgb565(sel.em(i, d)), rgb565(MAGENTA));
            EXPECT_NE(rgb565(sel.em(d, i)), rgb565(MAGENTA));
            EXPECT_NE(rgb565(sel.em(i, CELULA - 1 - d)), rgb565(MAGENTA));
            EXPECT_NE(rgb565(sel.em(CELULA - 1 - d, i)), rgb565(MAGENTA));
        }
    }

    const Figura logo = gfx("Orvalek.bmp");
    ASSERT_EQ(logo.largura, LOGO_QUADROS * LOGO_QUADRO_LARGURA);
    EXPECT_EQ(pixelsQueSumiriam(logo, CINZA), 0);
    for (int q = 0; q < LOGO_QUADROS; ++q) {
        const int x0 = q * LOGO_QUADRO_LARGURA, x1 = x0 + LOGO_QUADRO_LARGURA - 1;
        for (int x : {x0, x1})
            for (int y : {0, logo.altura - 1})
                EXPECT_TRUE(igual(logo.em(x, y), CINZA)) << "frame " << q;
        int visiveis = 0;
        for (int y = 0; y < logo.altura; ++y)
            for (int x = x0; x <= x1; ++x)
                visiveis += igual(logo.em(x, y), CINZA) ? 0 : 1;
        EXPECT_GT(visiveis, LOGO_QUADRO_LARGURA * logo.altura / 3) << "frame " << q;
    }

    const Figura msg = gfx("mensagem.bmp");
    ASSERT_GT(msg.largura, 20);
    EXPECT_EQ(pixelsQueSumiriam(msg, MAGENTA), 0);
    EXPECT_TRUE(igual(msg.em(0, 0), MAGENTA));
    EXPECT_TRUE(igual(msg.em(msg.largura - 1, 0), MAGENTA));
    // Black text goes from (10, 10): the inside there must be light.
    EXPECT_GT(luminancia(msg.em(14, 14)), 180);
    EXPECT_GT(luminancia(msg.em(msg.largura / 2, msg.altura / 2)), 180);
}

TEST_F(ImagensGeradas, TextoDoMenuEDoPainelLegivel)
{
    // The menu rows sit at x 80..230, y 70..212 over the title: light and calm there.
    const Figura titulo = gfx("title.bmp");
    ASSERT_EQ(titulo.largura, 320);
    double soma = 0, soma2 = 0;
    int n = 0;
    for (int y = 70; y < 212; ++y) {
        for (int x = 80; x < 230; ++x) {
            const double l = luminancia(titulo.em(x, y));
            soma += l;
            soma2 += l * l;
            ++n;
        }
    }
    const double media = soma / n;
    EXPECT_GT(media, 200);
    EXPECT_LT(std::sqrt(soma2 / n - media * media), 10);

    // Panel text rows (13 px tall from x = 4) need a dark ground for green, cyan and white.
    const Figura painel = gfx("painel.bmp");
    ASSERT_EQ(painel.largura, 80);
    for (int linha : {5, 40, 60, 90, 180, 210})
        for (int y = linha; y < linha + 13; ++y)
            for (int x = 4; x < 76; ++x)
                ASSERT_LT(luminancia(painel.em(x, y)), 70) << x << "," << y;
}

// Mean per-pixel difference between two cells of a puzzle picture.
double diferenca(const Figura& f, int a, int b)
{
    double total = 0;
    for (int y = 0; y < CELULA; ++y) {
        for (int x = 0; x < CELULA; ++x) {
            const Rgb p = f.em(a % CELULAS_LADO * CELULA + x, a / CELULAS_LADO * CELULA + y);
            const Rgb q = f.em(b % CELULAS_LADO * CELULA + x, b / CELULAS_LADO * CELULA + y);
            total += std::abs(p.r - q.r) + std::abs(p.g - q.g) + std::abs(p.b - q.b);
        }
    }
    return total / (CELULA * CELULA * 3);
}

TEST_F(ImagensGeradas, CadaPecaDosFundosTemLugarProprio)
{
    const int celulas = CELULAS_LADO * CELULAS_LADO;
    for (const std::string& nome : lista(raiz_ + "/bg")) {
        const Figura f = carrega(raiz_ + "/bg/" + nome);
        ASSERT_EQ(f.largura, FUNDO) << nome;
        for (int c = 0; c < celulas; ++c) {
            // No flat tile: some contrast inside each cell.
            double soma = 0, soma2 = 0;
            for (int y = 0; y < CELULA; ++y) {
                for (int x = 0; x < CELULA; ++x) {
                    const double l = luminancia(
                        f.em(c % CELULAS_LADO * CELULA + x, c / CELULAS_LADO * CELULA + y));
                    soma += l;
                    soma2 += l * l;
                }
            }
            const double media = soma / (CELULA * CELULA);
            EXPECT_GT(std::sqrt(soma2 / (CELULA * CELULA) - media * media), 8) << nome << " cell " << c;
            // No two tiles alike.
            for (int d = c + 1; d < celulas; ++d)
                EXPECT_GT(diferenca(f, c, d), 8) << nome << " cells " << c << " and " << d;
        }
    }
}

}  // namespace
