#include "common/LetturaFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>

namespace vk {

LetturaFile LeggiFile(const std::filesystem::path& percorso, std::uintmax_t massimo) {
    LetturaFile r;
    int fd;
    do {
        fd = ::open(percorso.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    } while (fd < 0 && errno == EINTR);
    if (fd < 0) {
        r.esito = errno == ENOENT || errno == ENOTDIR ? EsitoFile::Mancante : EsitoFile::Illeggibile;
        return r;
    }
    // What was opened is checked, not the path: it may have changed since.
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        return r;
    }
    if (static_cast<std::uintmax_t>(st.st_size) > massimo) {
        ::close(fd);
        r.esito = EsitoFile::TroppoGrande;
        return r;
    }
    // The file may grow while it is read: never past the limit.
    std::string byte(static_cast<size_t>(st.st_size), '\0');
    size_t letti = 0;
    for (;;) {
        if (letti == byte.size()) {
            if (byte.size() > massimo) break;
            byte.resize(std::min<std::uintmax_t>(massimo + 1, byte.size() + 65536));
        }
        const ssize_t n = ::read(fd, byte.data() + letti, byte.size() - letti);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) {
            ::close(fd);
            return r;
        }
        if (n == 0) break;
        letti += static_cast<size_t>(n);
    }
    ::close(fd);
    if (letti > massimo) {
        r.esito = EsitoFile::TroppoGrande;
        return r;
    }
    byte.resize(letti);
    r.byte = std::move(byte);
    r.esito = EsitoFile::Ok;
    return r;
}

std::optional<std::string> LeggiByte(const std::filesystem::path& percorso, std::uintmax_t massimo) {
    LetturaFile l = LeggiFile(percorso, massimo);
    if (l.esito != EsitoFile::Ok) return std::nullopt;
    return std::move(l.byte);
}

}  // namespace vk
