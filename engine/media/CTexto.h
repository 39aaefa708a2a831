// CTexto: a string drawn in one font and colour, broken into lines at spaces to fit a
// width. Depends on SDL, SDL_ttf, abreMidia, and CArquivo (engine/files) for texts read
// from files.
#ifndef CZORVO_CTEXTO_H
#define CZORVO_CTEXTO_H

#include <SDL.h>
#include <SDL_ttf.h>

#include <string>
#include <vector>

#include "engine/core/CPaiMestre.h"

// Owns its font. The layout is fixed-pitch: every byte advances by the width of a rendered
// "A" and lines are as tall as it, so no word is measured while drawing. SDL_ttf is started
// by the first live text object and stopped with the last. The last words drawn are kept
// rendered, in the target's pixel format with an RLE colour key, so a word drawn again in
// the same colour on a surface of the same format costs one blit and the same pixels.
class CTexto : public CPaiMestre {
public:
    CTexto();
    ~CTexto();

    // Sets the area (cut to 16 bits) and opens the font, closing an earlier one. On failure
    // (not a regular file, not a font, or a measured cell with a zero side) reports it and
    // is left without a font.
    bool inicializa(int largura, int altura, const std::string& fonte, unsigned short tamanho);
    void escreveTexto(const std::string& texto);
    // Replaces the text with the file's lines joined with nothing between them; on failure
    // reports it and leaves the text empty.
    bool carregaTexto(const std::string& arquivo);

    // Draws the text with its top-left corner at (x, y) on alvo. A word that would reach the
    // area's width starts a new line; altura does not limit the lines.
    void exibe(int x, int y, SDL_Surface* alvo, int r, int g, int b);
    // Appends the words of the text, each with its trailing space, to the word list. Only
    // the space separates words; a lone space is a word of its own.
    void carregaString();
    // Renders s (or takes it from the kept words) and blits it at (x, y) on the surface of
    // the last exibe; nothing before one.
    void blitaTexto(const std::string& s, int x, int y, int r, int g, int b);
    // Words kept rendered, at most DESENHOS_MAX.
    unsigned totDesenhos() const { return static_cast<unsigned>(desenhos.size()); }

    static constexpr unsigned DESENHOS_MAX = 48;

    const std::string& retornaTexto() const { return texto; }
    Uint16 retornaLargura() const { return largura; }
    Uint16 retornaAltura() const { return altura; }
    Uint16 retornaLarguraCaractere() const { return larguraCaractere; }
    Uint16 retornaAlturaCaractere() const { return alturaCaractere; }
    Uint16 retornaTamanho() const { return tamanho; }
    bool temFonte() const { return fonte != nullptr; }

    // A colour from components cut to their low 8 bits.
    static SDL_Color cor(int r, int g, int b);

private:
    // A word rendered in one colour, converted to the format of the surfaces it is drawn on.
    struct Desenho {
        std::string palavra;
        Uint32 cor;
        SDL_Surface* superficie;  // owned
    };

    void liberaFonte();
    // The kept rendering of s in c for alvo's format, made now if missing; null when the
    // word renders to nothing or alvo's format cannot keep it exactly (a palette).
    SDL_Surface* desenhoGuardado(const std::string& s, SDL_Color c);
    void limpaDesenhos();

    Uint16 largura;
    Uint16 altura;  // kept for the owner; the drawing does not use it
    TTF_Font* fonte;  // owned
    Uint16 larguraCaractere;
    Uint16 alturaCaractere;
    Uint16 tamanho;
    std::string texto;
    std::vector<std::string> palavras;  // filled and emptied within each exibe
    SDL_Surface* alvo;  // not owned
    std::vector<Desenho> desenhos;  // replaced in turn once full
    unsigned proximoDesenho;        // the one replaced next
    SDL_PixelFormat formatoDesenhos;  // the format the kept words are in

    static unsigned initTTF;  // live text objects

    CTexto(const CTexto&) = delete;
    CTexto& operator=(const CTexto&) = delete;
};

#endif
