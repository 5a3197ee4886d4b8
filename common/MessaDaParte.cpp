#include "common/MessaDaParte.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstring>
#include <system_error>

namespace vk {

namespace fs = std::filesystem;

bool NomeOccupato(const fs::path& p) {
    std::error_code e;
    return fs::exists(fs::symlink_status(p, e));
}

// Only where the system cannot refuse (EINVAL, ENOSYS) is the name checked
// first.
int RinominaSenzaSostituire(const fs::path& da, const fs::path& a, const ChiamateAccanto& c) {
    const int r = c.rinomina ? c.rinomina(da.c_str(), a.c_str())
                             : ::renameat2(AT_FDCWD, da.c_str(), AT_FDCWD, a.c_str(), RENAME_NOREPLACE);
    if (r == 0 || (errno != EINVAL && errno != ENOSYS)) return r;
    if (NomeOccupato(a)) {
        errno = EEXIST;
        return -1;
    }
    return ::rename(da.c_str(), a.c_str());
}

std::optional<fs::path> SpostaAccanto(const fs::path& file, const fs::path& promesso, const NomiAccanto& nomi,
                                      std::string* errore, const ChiamateAccanto& c) {
    auto fallito = [&](std::string motivo) -> std::optional<fs::path> {
        if (errore) *errore = std::move(motivo);
        return std::nullopt;
    };
    // The name promised first, then the others in turn.
    for (int n = 0; n < INT_MAX; ++n) {
        const fs::path nome = n == 0 ? promesso : nomi(n);
        if (nome.empty() || (n > 0 && nome == promesso)) continue;
        // A second name first: it never replaces one that is there.
        if ((c.collega ? c.collega(file.c_str(), nome.c_str()) : ::link(file.c_str(), nome.c_str())) == 0) {
            // The new file gets its own permissions, not those of this one.
            if ((c.elimina ? c.elimina(file.c_str()) : ::unlink(file.c_str())) == 0) return nome;
            const int codice = errno;
            ::unlink(nome.c_str());
            return fallito(std::strerror(codice));
        }
        if (errno == EEXIST) continue;
        if (errno == ENOENT) return fs::path();
        // A file system without hard links.
        if (RinominaSenzaSostituire(file, nome, c) == 0) return nome;
        if (errno == EEXIST) continue;
        if (errno == ENOENT) return fs::path();
        return fallito(std::strerror(errno));
    }
    return fallito("nessun nome libero accanto al file per conservarlo");
}

}  // namespace vk
