// abertura: open without waiting, check the kind of file on the open descriptor itself (so
// nothing can swap the file between the check and the read), then hand it to stdio.
#include "engine/files/abertura.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

std::FILE* abreRegular(const std::string& nome, std::string* motivo, long long* tamanho)
{
    // O_NONBLOCK: opening a FIFO that has no writer would otherwise wait for one.
    const int fd = open(nome.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        if (motivo != nullptr)
            *motivo = "Couldn't open " + nome + ": " + std::strerror(errno);
        return nullptr;
    }
    struct stat info;
    if (fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        close(fd);
        if (motivo != nullptr)
            *motivo = nome + " is not a regular file";
        return nullptr;
    }
    fcntl(fd, F_SETFL, fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    std::FILE* arquivo = fdopen(fd, "rb");
    if (arquivo == nullptr) {
        if (motivo != nullptr)
            *motivo = "Couldn't open " + nome + ": " + std::strerror(errno);
        close(fd);
        return nullptr;
    }
    if (tamanho != nullptr)
        *tamanho = static_cast<long long>(info.st_size);
    return arquivo;
}
