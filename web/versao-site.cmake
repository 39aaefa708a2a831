# Writes SITE/sw.js from the template MODELO: its cache is named "corvela-" and 16 hex digits of
# a SHA-256 over the names and contents of every other file in SITE, so a build that changes any
# byte of the site brings a new cache; and it keeps those files, with "./" for the page.
# Usage: cmake -DSITE=<folder> -DMODELO=<sw.js template> -P versao-site.cmake
file(GLOB arquivos LIST_DIRECTORIES false RELATIVE ${SITE} ${SITE}/*)
list(REMOVE_ITEM arquivos sw.js)
list(SORT arquivos)
set(resumo "")
set(lista "'./'")
foreach(arquivo ${arquivos})
  file(SHA256 ${SITE}/${arquivo} soma)
  string(APPEND resumo "${arquivo} ${soma}\n")
  string(APPEND lista ", './${arquivo}'")
endforeach()
string(SHA256 versao "${resumo}")
string(SUBSTRING ${versao} 0 16 versao)
file(READ ${MODELO} texto)
string(REPLACE "@VERSAO@" ${versao} texto "${texto}")
string(REPLACE "@ARQUIVOS@" "${lista}" texto "${texto}")
file(WRITE ${SITE}/sw.js "${texto}")
