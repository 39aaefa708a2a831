// abertura: opening a file for reading only when it is a regular file, so that no loader
// blocks on a FIFO, reads a device without end or takes a directory for a file. Depends on
// POSIX open and fstat.
#ifndef CZORVO_ABERTURA_H
#define CZORVO_ABERTURA_H

#include <cstdio>
#include <string>

// Opens nome for binary reading when it is a regular file (a link to one counts); null for
// a missing file, a directory, a device or a FIFO (never waiting for a writer), with the
// reason in *motivo when it is given. *tamanho, when given, gets the file's size.
std::FILE* abreRegular(const std::string& nome, std::string* motivo = nullptr,
                       long long* tamanho = nullptr);

#endif
