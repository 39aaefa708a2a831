// The installed folder: cmake --install into a scratch prefix, then the folder's start
// script run from elsewhere on the dummy drivers, as a player would start it.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "tests/apoio/Processo.h"
#include "tests/apoio/ArquivosTemporarios.h"

namespace {

TEST(Pacote, PastaInstaladaRodaDeOutroLugar)
{
    DiretorioTemporario temp;
    const std::string pasta = temp.caminho("corvela");
    const std::string instala = std::string("'") + CORVELA_CMAKE + "' --install '" +
                                CORVELA_CONSTRUCAO + "' --prefix '" + pasta + "' > /dev/null";
    ASSERT_EQ(0, std::system(instala.c_str()));
    for (const char* arquivo : {"corvela", "corvela.sh", "teclas.cfg", "video.cfg", "arialbd.ttf",
                                "LICENSE-DejaVu.txt",
                                "data/fonts/LICENSE-DejaVu.txt", "data/fonts/coure.fon",
                                "data/gfx/painel.bmp", "data/bg/01_vale.bmp",
                                "data/music/CHO7-31ko.ogg", "data/sfx/grunz_success.wav"})
        EXPECT_TRUE(DiretorioTemporario::existe(pasta + "/" + arquivo)) << arquivo;

    Processo corvela(pasta + "/corvela.sh", "/", "dummy", "dummy");
    const Resultado r = corvela.termina(1500);
    EXPECT_TRUE(r.excedeu) << r.erro;  // still running its frames when killed
    EXPECT_EQ("", r.erro) << "the example settings files load without a word";
    EXPECT_EQ(0u, r.saida.find("Sistema de som inicializado com sucesso...\n"
                               "SubSistema de video inicializado corretamente...\n"
                               "Video inicializado corretamente...\n"))
        << r.saida;
}

}  // namespace
