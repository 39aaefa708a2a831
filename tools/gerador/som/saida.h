// Asset generator: writes finished sound to disk, as a 16-bit PCM RIFF WAVE (sound effects)
// or as Ogg Vorbis (music). Depends on libvorbisenc, libvorbis and libogg.
#ifndef CORVELA_GERADOR_SOM_SAIDA_H
#define CORVELA_GERADOR_SOM_SAIDA_H

#include <string>
#include <vector>

// amostras is interleaved, canais 1 or 2, values in -1..1 (clamped). Same samples, same
// bytes. On failure erro says why and false is returned.
bool gravaWav(const std::string& caminho, const std::vector<float>& amostras, int canais, int taxa,
              std::string& erro);

// VBR Vorbis at qualidade (-0.1 .. 1.0). The Ogg stream serial number is fixed, so the
// same samples and the same libvorbis give the same bytes. titulo goes in the comments.
bool gravaOgg(const std::string& caminho, const std::vector<float>& amostras, int canais, int taxa,
              float qualidade, const std::string& titulo, std::string& erro);

#endif
