#include "common/ScritturaFile.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <climits>
#include <cstring>
#include <ctime>
#include <optional>
#include <system_error>

#include "common/LetturaFile.h"

namespace vk {

namespace {

std::string Motivo(int e) { return std::strerror(e); }

constexpr std::string_view SegnoTemporaneo = ".velmorakov-";
constexpr std::string_view CodaTemporaneo = ".tmp";
constexpr std::size_t CifreSistema = 16;
constexpr int TentativiTemporaneo = 100;

// Decimal digits with no leading zero, at most `massimo` of them.
std::optional<long> Cifre(std::string_view t, std::size_t massimo) {
    if (t.empty() || t.size() > massimo || (t.size() > 1 && t[0] == '0')) return std::nullopt;
    long n = 0;
    for (char c : t) {
        if (c < '0' || c > '9') return std::nullopt;
        n = n * 10 + (c - '0');
    }
    return n;
}

// This boot of the machine and this process-id namespace, as one number: a
// process id means a process only within both. 0 when either is unknown.
uint64_t Sistema() {
    static const uint64_t sistema = [] {
        const auto avvio = LeggiByte("/proc/sys/kernel/random/boot_id", 100);
        std::array<char, 64> spazio{};
        const ssize_t n = ::readlink("/proc/self/ns/pid", spazio.data(), spazio.size());
        if (!avvio || avvio->size() < 32 || n <= 0 || n >= static_cast<ssize_t>(spazio.size())) return uint64_t{0};
        uint64_t h = 14695981039346656037ull;  // FNV-1a
        for (char c : *avvio + std::string(spazio.data(), static_cast<size_t>(n))) {
            h ^= static_cast<unsigned char>(c);
            h *= 1099511628211ull;
        }
        return h ? h : 1;
    }();
    return sistema;
}

std::string SistemaInCifre(uint64_t n) {
    std::string s(CifreSistema, '0');
    for (std::size_t i = CifreSistema; i-- > 0; n >>= 4) s[i] = "0123456789abcdef"[n & 15];
    return s;
}

std::optional<uint64_t> SistemaDaCifre(std::string_view t) {
    if (t.size() != CifreSistema) return std::nullopt;
    uint64_t n = 0;
    for (char c : t) {
        const auto cifra = std::string_view("0123456789abcdef").find(c);
        if (cifra == std::string_view::npos) return std::nullopt;
        n = n << 4 | cifra;
    }
    return n;
}

struct Avanzo {
    uint64_t sistema;
    long processo;
};

// What a name made by NomeTemporaneo records; nullopt for any other name.
std::optional<Avanzo> LeggiNomeTemporaneo(std::string_view nome) {
    if (!nome.starts_with('.') || !nome.ends_with(CodaTemporaneo)) return std::nullopt;
    nome.remove_suffix(CodaTemporaneo.size());
    auto trattino = nome.rfind('-');
    if (trattino == std::string_view::npos || !Cifre(nome.substr(trattino + 1), 2)) return std::nullopt;
    nome = nome.substr(0, trattino);
    trattino = nome.rfind('-');
    if (trattino == std::string_view::npos) return std::nullopt;
    const auto processo = Cifre(nome.substr(trattino + 1), 10);
    if (!processo || *processo <= 0 || *processo > INT_MAX) return std::nullopt;
    nome = nome.substr(0, trattino);
    if (nome.size() < CifreSistema) return std::nullopt;
    const auto sistema = SistemaDaCifre(nome.substr(nome.size() - CifreSistema));
    nome.remove_suffix(CifreSistema);
    // A name of at least one byte between the dot and the mark.
    if (!sistema || !nome.ends_with(SegnoTemporaneo) || nome.size() < SegnoTemporaneo.size() + 2)
        return std::nullopt;
    return Avanzo{*sistema, *processo};
}

bool Fallito(std::string* errore, int e) {
    if (errore) *errore = Motivo(e);
    return false;
}

// Every byte, or false with errno set (a short write that makes no progress
// is a full disk).
bool ScriviTutto(int fd, std::string_view byte) {
    const char* p = byte.data();
    size_t resto = byte.size();
    while (resto > 0) {
        const ssize_t n = ::write(fd, p, resto);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return false;
        if (n == 0) {
            errno = ENOSPC;
            return false;
        }
        p += n;
        resto -= static_cast<size_t>(n);
    }
    return true;
}

// The old file's permissions (when there is one), the bytes, and all of them
// on the disk, not only in its cache; false with errno set.
bool Riempi(int fd, const struct stat* vecchio, std::string_view byte) {
    if (vecchio && ::fchmod(fd, vecchio->st_mode & 07777) != 0) return false;
    return ScriviTutto(fd, byte) && ::fsync(fd) == 0;
}

// The temporary, whole, closed and renamed over the target; on any failure
// it goes and the target stays as it was.
bool ChiudiESostituisci(int fd, const std::filesystem::path& temporaneo, const std::filesystem::path& percorso,
                        std::string* errore) {
    if (::close(fd) == 0 && ::rename(temporaneo.c_str(), percorso.c_str()) == 0) return true;
    const int codice = errno;
    ::unlink(temporaneo.c_str());
    return Fallito(errore, codice);
}

// The write through a file with no name. nullopt when the file system does
// not allow one, or gives it no name (no /proc, no right to link by
// descriptor): the named temporary is then the way.
std::optional<bool> ScriviSenzaNome(const std::filesystem::path& percorso, const std::filesystem::path& cartella,
                                  const struct stat* vecchio, std::string_view byte, std::string* errore) {
    const int fd = ::open(cartella.c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0666);
    if (fd < 0) return std::nullopt;
    if (!Riempi(fd, vecchio, byte)) {
        const int codice = errno;
        ::close(fd);
        return Fallito(errore, codice);
    }
    const std::string daProc = "/proc/self/fd/" + std::to_string(fd);
    const std::string nome = percorso.filename().string();
    std::filesystem::path temporaneo;
    bool nominato = false;
    for (int tentativo = 0; tentativo < TentativiTemporaneo && !nominato; ++tentativo) {
        temporaneo = cartella / NomeTemporaneo(nome, ::getpid(), tentativo);
        nominato = ::linkat(AT_FDCWD, daProc.c_str(), AT_FDCWD, temporaneo.c_str(), AT_SYMLINK_FOLLOW) == 0;
        if (nominato || errno == EEXIST) continue;
        nominato = ::linkat(fd, "", AT_FDCWD, temporaneo.c_str(), AT_EMPTY_PATH) == 0;
        if (!nominato && errno != EEXIST) break;
    }
    if (!nominato) {
        ::close(fd);
        return std::nullopt;
    }
    return ChiudiESostituisci(fd, temporaneo, percorso, errore);
}

bool ScriviConNome(const std::filesystem::path& percorso, const std::filesystem::path& cartella,
                   const struct stat* vecchio, std::string_view byte, std::string* errore) {
    const std::string nome = percorso.filename().string();
    std::filesystem::path temporaneo;
    int fd = -1;
    for (int tentativo = 0; tentativo < TentativiTemporaneo && fd < 0; ++tentativo) {
        temporaneo = cartella / NomeTemporaneo(nome, ::getpid(), tentativo);
        fd = ::open(temporaneo.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOCTTY, 0666);
        if (fd < 0 && errno != EEXIST && errno != EINTR) break;
    }
    if (fd < 0) return Fallito(errore, errno);
    if (!Riempi(fd, vecchio, byte)) {
        const int codice = errno;
        ::close(fd);
        ::unlink(temporaneo.c_str());
        return Fallito(errore, codice);
    }
    return ChiudiESostituisci(fd, temporaneo, percorso, errore);
}

}  // namespace

std::filesystem::path FileCollegato(std::filesystem::path p) {
    namespace fs = std::filesystem;
    std::error_code e;
    for (int salti = 0; salti < 40 && fs::is_symlink(p, e); ++salti) {
        const fs::path bersaglio = fs::read_symlink(p, e);
        if (e) break;
        p = bersaglio.is_absolute() ? bersaglio : p.parent_path() / bersaglio;
    }
    return p;
}

std::string NomeTemporaneo(std::string_view nome, long processo, int tentativo) {
    const std::string coda = std::string(SegnoTemporaneo) + SistemaInCifre(Sistema()) + "-" + std::to_string(processo) +
                             "-" + std::to_string(tentativo) + std::string(CodaTemporaneo);
    // However long the target's name, the temporary's fits; cut between
    // characters, not inside one.
    const std::size_t posto = NAME_MAX - 1 - coda.size();
    if (nome.size() > posto) {
        std::size_t taglio = posto;
        while (taglio > 1 && (static_cast<unsigned char>(nome[taglio]) & 0xC0) == 0x80) --taglio;
        nome = nome.substr(0, taglio);
    }
    return "." + std::string(nome) + coda;
}

bool ScriviByte(const std::filesystem::path& richiesto, std::string_view byte, std::string* errore) {
    namespace fs = std::filesystem;
    // A link is followed so that it keeps pointing at the file saved.
    const fs::path percorso = FileCollegato(richiesto);
    // Links that lead round in a circle name no file to write.
    std::error_code giro;
    if (fs::is_symlink(fs::symlink_status(percorso, giro))) return Fallito(errore, ELOOP);
    // An existing file keeps its permissions; a new one gets the usual ones.
    struct stat vecchio {};
    const bool esiste = ::stat(percorso.c_str(), &vecchio) == 0;
    if (esiste && S_ISDIR(vecchio.st_mode)) return Fallito(errore, EISDIR);
    // A FIFO or a device is not replaced by a file.
    if (esiste && !S_ISREG(vecchio.st_mode)) {
        if (errore) *errore = "non \xC3\xA8 un file normale";
        return false;
    }
    fs::path cartella = percorso.parent_path();
    if (cartella.empty()) cartella = ".";
    const struct stat* permessi = esiste ? &vecchio : nullptr;
    std::optional<bool> scritto = ScriviSenzaNome(percorso, cartella, permessi, byte, errore);
    if (!scritto) scritto = ScriviConNome(percorso, cartella, permessi, byte, errore);
    if (!*scritto) return false;
    // The new name on the disk too; the file is already whole either way.
    const int dir = ::open(cartella.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir >= 0) {
        ::fsync(dir);
        ::close(dir);
    }
    RimuoviTemporaneiAvanzati(cartella);
    return true;
}

void LimiteFileComeDiscoPieno() { ::signal(SIGXFSZ, SIG_IGN); }

void RimuoviTemporaneiAvanzati(const std::filesystem::path& cartella) {
    namespace fs = std::filesystem;
    const uint64_t qui = Sistema();
    // No process id can be known to be this system's.
    if (qui == 0) return;
    const auto eta = std::chrono::duration_cast<std::chrono::seconds>(EtaAvanzo).count();
    const std::time_t limite = std::time(nullptr) - static_cast<std::time_t>(eta);
    std::error_code e;
    for (fs::directory_iterator i(cartella.empty() ? fs::path(".") : cartella, e), fine; !e && i != fine;
         i.increment(e)) {
        const auto avanzo = LeggiNomeTemporaneo(i->path().filename().string());
        if (!avanzo || avanzo->sistema != qui) continue;
        struct stat st {};
        if (::lstat(i->path().c_str(), &st) != 0 || !S_ISREG(st.st_mode) || st.st_uid != ::geteuid()) continue;
        // A time to come, a clock set back, is no age.
        if (st.st_mtime > limite) continue;
        // Only a process that is gone has surely stopped writing it.
        if (::kill(static_cast<pid_t>(avanzo->processo), 0) == 0 || errno != ESRCH) continue;
        ::unlink(i->path().c_str());
    }
}

}  // namespace vk
