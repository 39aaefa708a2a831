// plataforma, browser side (emscripten's SDL 1.2 layer): black from the screen's RGBA
// format, display format with alpha, colour keys as transparent pixels, the .fon drawn by
// CFonteBitmap and other fonts registered as web fonts, SDL 1.2 key numbers translated,
// media read through the engine's own file stream and loaded by path, the main loop
// driven by the page, the page's controller looked for until one shows, and the page's
// on-screen buttons given to the game as keys (corvela_tecla). Depends on emscripten,
// CFonteBitmap, CEvento, CProjeto, CRelogio.
#include "engine/plataforma/plataforma.h"

#include <emscripten.h>

#include <cstdio>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "engine/core/CEvento.h"
#include "engine/core/CProjeto.h"
#include "engine/core/CRelogio.h"
#include "engine/media/CFonteBitmap.h"

namespace plataforma {

namespace {

const Uint32 MASCARA_RGB = 0x00FFFFFF;

// Bitmap fonts open, by the handle given out for them. The handle is the font object's
// own address, which never equals one of the small numbers the browser's SDL_ttf hands out.
std::map<TTF_Font*, std::unique_ptr<CFonteBitmap>>& fontesBitmap()
{
    static std::map<TTF_Font*, std::unique_ptr<CFonteBitmap>> fontes;
    return fontes;
}

// The engine's file stream: the FILE is kept in the stream's slot for its own data.
long buscaArquivo(SDL_RWops* fluxo, long deslocamento, int origem)
{
    std::FILE* f = static_cast<std::FILE*>(fluxo->hidden.unknown.data1);
    if (std::fseek(f, deslocamento, origem) != 0) {
        SDL_SetError("Error seeking in datastream");
        return -1;
    }
    return std::ftell(f);
}

size_t leArquivo(SDL_RWops* fluxo, void* destino, size_t tamanho, size_t quantos)
{
    std::FILE* f = static_cast<std::FILE*>(fluxo->hidden.unknown.data1);
    const size_t lidos = std::fread(destino, tamanho, quantos, f);
    if (lidos == 0 && std::ferror(f) != 0)
        SDL_SetError("Error reading from datastream");
    return lidos;
}

size_t escreveArquivo(SDL_RWops*, const void*, size_t, size_t)
{
    SDL_SetError("Media streams are read-only");
    return 0;
}

int fechaArquivo(SDL_RWops* fluxo)
{
    const int status = std::fclose(static_cast<std::FILE*>(fluxo->hidden.unknown.data1));
    delete fluxo;
    return status == 0 ? 0 : -1;
}

// Every byte left in the stream, which is closed.
bool leTudo(SDL_RWops* fluxo, std::vector<unsigned char>& dados)
{
    unsigned char bloco[4096];
    size_t lidos;
    while ((lidos = SDL_RWread(fluxo, bloco, 1, sizeof bloco)) > 0)
        dados.insert(dados.end(), bloco, bloco + lidos);
    const bool ok = std::ferror(static_cast<std::FILE*>(fluxo->hidden.unknown.data1)) == 0;
    SDL_RWclose(fluxo);
    return ok;
}

// The browser's TTF_OpenFont draws with the CSS family named after the font's path, so the
// file's bytes are registered under that name, once.
void registraFonteWeb(const char* arquivo, const std::vector<unsigned char>& dados)
{
    static std::set<std::string> registradas;
    if (!registradas.insert(arquivo).second)
        return;
    // clang-format off
    EM_ASM({
        var face = new FontFace(UTF8ToString($0), HEAPU8.slice($1, $1 + $2));
        document.fonts.add(face);
        face.load();
    }, arquivo, dados.data(), dados.size());
    // clang-format on
}

// SDL 1.2 key numbers that the browser's SDL numbers differently. The rest (Backspace,
// Tab, Return, Escape, the printable ASCII keys, Delete) are the same on both.
const struct {
    int sdl12;
    int aqui;
} TECLAS[] = {
    {256, SDLK_KP_0}, {257, SDLK_KP_1}, {258, SDLK_KP_2}, {259, SDLK_KP_3},
    {260, SDLK_KP_4}, {261, SDLK_KP_5}, {262, SDLK_KP_6}, {263, SDLK_KP_7},
    {264, SDLK_KP_8}, {265, SDLK_KP_9}, {266, SDLK_KP_PERIOD}, {267, SDLK_KP_DIVIDE},
    {268, SDLK_KP_MULTIPLY}, {269, SDLK_KP_MINUS}, {270, SDLK_KP_PLUS},
    {271, SDLK_KP_ENTER}, {272, SDLK_KP_EQUALS},
    {273, SDLK_UP}, {274, SDLK_DOWN}, {275, SDLK_RIGHT}, {276, SDLK_LEFT},
    {277, SDLK_INSERT}, {278, SDLK_HOME}, {279, SDLK_END}, {280, SDLK_PAGEUP},
    {281, SDLK_PAGEDOWN},
    {282, SDLK_F1}, {283, SDLK_F2}, {284, SDLK_F3}, {285, SDLK_F4}, {286, SDLK_F5},
    {287, SDLK_F6}, {288, SDLK_F7}, {289, SDLK_F8}, {290, SDLK_F9}, {291, SDLK_F10},
    {292, SDLK_F11}, {293, SDLK_F12}, {294, SDLK_F13}, {295, SDLK_F14}, {296, SDLK_F15},
    {300, SDLK_NUMLOCKCLEAR}, {301, SDLK_CAPSLOCK}, {302, SDLK_SCROLLLOCK},
    {303, SDLK_RSHIFT}, {304, SDLK_LSHIFT}, {305, SDLK_RCTRL}, {306, SDLK_LCTRL},
    {307, SDLK_RALT}, {308, SDLK_LALT}, {309, SDLK_RGUI}, {310, SDLK_LGUI},
    {311, SDLK_LGUI}, {312, SDLK_RGUI}, {313, SDLK_MODE}, {314, SDLK_APPLICATION},
    {315, SDLK_HELP}, {316, SDLK_PRINTSCREEN}, {317, SDLK_SYSREQ}, {318, SDLK_STOP},
    {319, SDLK_MENU}, {320, SDLK_POWER}, {322, SDLK_UNDO},
};

// The page's frame callback. A frame runs only once the clock's least interval has passed
// since the last one ended (or since the loop began), so the clock never has to wait: a wait
// inside a frame would hold the page, and the browser's SDL_Delay refuses to run at all. The
// next callback is asked for at the moment the next frame is due.
struct Laco {
    CProjeto* projeto = nullptr;
    Uint32 fimUltimo = 0;
    unsigned quadros = 0;
    bool controle = false;  // the first controller is open
};

// Frames between two looks for a controller, about half a second.
const unsigned QUADROS_POR_BUSCA = 15;

Laco laco;

void quadro()
{
    CProjeto& projeto = *laco.projeto;
    const Uint32 agora = SDL_GetTicks();
    if (!projeto.retornaExecutando()) {
        emscripten_cancel_main_loop();
        projeto.finalizacao();
        // main, whose local this project is, never gets control back in a page, so its
        // return is played here: the sound and SDL are shut down and the page is told the
        // game ended with status 0.
        SDL_Quit();
        emscripten_force_exit(0);
        return;
    }
    const Uint32 minimo = CRelogio::INTERVALO_MIN_PADRAO;
    if (agora - laco.fimUltimo < minimo) {
        emscripten_set_main_loop_timing(EM_TIMING_SETTIMEOUT,
                                        static_cast<int>(minimo - (agora - laco.fimUltimo)));
        return;
    }
    // A page is shown a controller only after its first button press, so the first one is
    // looked for until it shows. The browser's SDL reads the pads into its queue only when
    // SDL_Init was given the joystick flag, which the video's start leaves out: read here.
    if (laco.controle)
        SDL_JoystickUpdate();
    else if (laco.quadros % QUADROS_POR_BUSCA == 0)
        laco.controle = projeto.retornaEvento()->abreControle();
    projeto.executaQuadro();
    laco.fimUltimo = SDL_GetTicks();
    // The page learns of the first frame, and counts them (its tests wait on the count).
    // clang-format off
    EM_ASM({
        Module.quadros = $0;
        if ($0 == 1 && Module.primeiroQuadro) Module.primeiroQuadro();
    }, ++laco.quadros);
    // clang-format on
    // Timed from this callback's start.
    emscripten_set_main_loop_timing(EM_TIMING_SETTIMEOUT,
                                    static_cast<int>(minimo + (laco.fimUltimo - agora)));
}

}  // namespace

Uint32 corPreta(SDL_Surface* tela)
{
    return tela != nullptr ? SDL_MapRGB(tela->format, 0, 0, 0) : 0;
}

bool janelaEscalavel(unsigned& largura, unsigned& altura)
{
    largura = altura = 0;
    return false;
}

SDL_Surface* formatoTela(SDL_Surface* origem)
{
    return SDL_DisplayFormatAlpha(origem);
}

SDL_Surface* compostaSobreCor(SDL_Surface*, SDL_Surface*, Uint32)
{
    return nullptr;
}

int defineChave(SDL_Surface* superficie, Uint32 flags, Uint32 chave)
{
    if (superficie == nullptr || superficie->format->BytesPerPixel != 4)
        return -1;
    if ((flags & SDL_SRCCOLORKEY) == 0)
        return 0;
    SDL_LockSurface(superficie);
    for (int y = 0; y < superficie->h; ++y) {
        Uint32* linha = reinterpret_cast<Uint32*>(static_cast<Uint8*>(superficie->pixels) +
                                                  y * superficie->pitch);
        for (int x = 0; x < superficie->w; ++x) {
            if ((linha[x] & MASCARA_RGB) == (chave & MASCARA_RGB))
                linha[x] = 0;
        }
    }
    SDL_UnlockSurface(superficie);
    return 0;
}

SDL_RWops* fluxoArquivo(std::FILE* arquivo)
{
    SDL_RWops* fluxo = new SDL_RWops{};
    fluxo->seek = buscaArquivo;
    fluxo->read = leArquivo;
    fluxo->write = escreveArquivo;
    fluxo->close = fechaArquivo;
    fluxo->hidden.unknown.data1 = arquivo;
    return fluxo;
}

SDL_Surface* leBmp(SDL_RWops* fluxo, const std::string& arquivo)
{
    SDL_RWclose(fluxo);
    return SDL_LoadBMP_RW(SDL_RWFromFile(arquivo.c_str(), "rb"), 1);
}

Mix_Chunk* leSom(SDL_RWops* fluxo, const std::string& arquivo)
{
    SDL_RWclose(fluxo);
    return Mix_LoadWAV_RW(SDL_RWFromFile(arquivo.c_str(), "rb"), 1);
}

Mix_Music* leMusica(SDL_RWops* fluxo, const std::string& arquivo, Mix_MusicType)
{
    // The browser tells the format by the file's contents itself.
    SDL_RWclose(fluxo);
    return Mix_LoadMUS(arquivo.c_str());
}

TTF_Font* abreFonte(SDL_RWops* fluxo, const std::string& arquivo, int tamanho)
{
    std::vector<unsigned char> dados;
    if (!leTudo(fluxo, dados)) {
        SDL_SetError("Couldn't read %s", arquivo.c_str());
        return nullptr;
    }
    auto bitmap = std::make_unique<CFonteBitmap>();
    if (bitmap->carrega(dados)) {
        TTF_Font* alca = reinterpret_cast<TTF_Font*>(bitmap.get());
        fontesBitmap()[alca] = std::move(bitmap);
        return alca;
    }
    registraFonteWeb(arquivo.c_str(), dados);
    return TTF_OpenFont(arquivo.c_str(), tamanho);
}

SDL_Surface* desenhaTexto(TTF_Font* fonte, const char* texto, SDL_Color cor)
{
    const auto bitmap = fontesBitmap().find(fonte);
    if (bitmap != fontesBitmap().end())
        return bitmap->second->desenha(texto, cor);
    return TTF_RenderText_Solid(fonte, texto, cor);
}

SDL_Surface* desenhoNoFormato(SDL_Surface* desenho, SDL_PixelFormat* formato)
{
    return SDL_ConvertSurface(desenho, formato, SDL_SWSURFACE);
}

void fechaFonte(TTF_Font* fonte)
{
    if (fontesBitmap().erase(fonte) == 0)
        TTF_CloseFont(fonte);
}

bool dadosProntos()
{
    // Set by the page's loader of the rest (resto.js), never cleared.
    static bool prontos = false;
    if (!prontos)
        prontos = EM_ASM_INT({ return Module.restoPronto ? 1 : 0; }) != 0;
    return prontos;
}

int teclaSDL12(int codigo)
{
    for (const auto& tecla : TECLAS) {
        if (tecla.sdl12 == codigo)
            return tecla.aqui;
    }
    return codigo;
}

Uint32 ticks()
{
    return SDL_GetTicks();
}

void dormeAte(Uint32)
{
}

void rodaLaco(CProjeto& projeto)
{
    laco.projeto = &projeto;
    laco.quadros = 0;
    // The browser's tick counter starts with SDL_Init, after the clock first read it: the
    // clock starts over from now, and the first frame too waits out its least interval. The
    // page times the frames, so the clock never sleeps: a sleep would hold the page, and the
    // browser's SDL_Delay refuses to run on the page's thread.
    projeto.retornaRelogio()->reset();
    projeto.retornaRelogio()->defDormidor(nullptr, nullptr);
    laco.fimUltimo = SDL_GetTicks();
    // Does not return: the page calls quadro from now on, and main's locals stay in place.
    emscripten_set_main_loop(quadro, 0, 1);
}

}  // namespace plataforma

// The page's on-screen buttons: an SDL 1.2 key going down (desce not 0) or up, queued as the
// keyboard's own would be, so the bindings and the hold-and-release rules stay the game's.
extern "C" EMSCRIPTEN_KEEPALIVE void corvela_tecla(int sdl12, int desce)
{
    SDL_Event ev{};
    ev.type = desce != 0 ? SDL_KEYDOWN : SDL_KEYUP;
    ev.key.state = desce != 0 ? SDL_PRESSED : SDL_RELEASED;
    ev.key.keysym.sym = static_cast<SDL_Keycode>(plataforma::teclaSDL12(sdl12));
    SDL_PushEvent(&ev);
}
